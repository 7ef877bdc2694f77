#pragma once
// The maker's web site: one address, pages opened by path.
#include <string>
#include <string_view>

namespace qiro {

inline constexpr std::string_view kWebSiteAddress = "https://www.qiro-magnetics.example";

inline constexpr std::string_view kHomePagePath = "/";
inline constexpr std::string_view kSampleRequestCnPath = "/cn/request-sample.asp";
inline constexpr std::string_view kSampleRequestPath = "/request-sample.asp";
inline constexpr std::string_view kApplyPath = "/apply.html";

inline std::string WebPageAddress(std::string_view path) {
  return std::string(kWebSiteAddress) + std::string(path);
}

}  // namespace qiro
