#pragma once
// The toroid calculator's core search: which catalogue part numbers a search text finds.
#include <string_view>
#include <vector>

namespace qiro {

// The slots (1..CatalogueSize, in slot order) whose part number contains the search text,
// stripped of blanks at both ends and upper-cased. Part numbers are upper-case ASCII, so
// the user's case does not matter; an empty or blank text finds every core.
std::vector<int> SlotsMatching(std::string_view searchText);

}  // namespace qiro
