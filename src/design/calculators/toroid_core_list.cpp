#include "design/calculators/toroid_core_list.h"

#include <string>

#include "core-data/catalogue.h"

namespace qiro {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// ASCII only: std::toupper would consult the user's locale.
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::vector<int> SlotsMatching(std::string_view searchText) {
  while (!searchText.empty() && IsBlank(searchText.front())) searchText.remove_prefix(1);
  while (!searchText.empty() && IsBlank(searchText.back())) searchText.remove_suffix(1);
  std::string wanted(searchText);
  for (char& c : wanted) c = UpperAscii(c);

  std::vector<int> slots;
  slots.reserve(static_cast<std::size_t>(CatalogueSize));
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    if (CatalogueSlot(slot).PartNumber.find(wanted) != std::string::npos) slots.push_back(slot);
  }
  return slots;
}

}  // namespace qiro
