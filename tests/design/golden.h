#pragma once
// Golden files: compared byte for byte; QIRO_UPDATE_GOLDEN=1 rewrites them instead.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace qiro::testing {

inline std::string GoldenPath(const std::string& name) {
  return std::string(QIRO_TEST_DATA) + "/" + name;
}

// The file's bytes, after rewriting it with `actual` when asked to.
inline std::string Golden(const std::string& name, const std::string& actual) {
  const std::string path = GoldenPath(name);
  if (std::getenv("QIRO_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace qiro::testing
