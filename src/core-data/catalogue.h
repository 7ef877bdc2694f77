#pragma once
// The core catalogue: 754 cores in slot order, built in memory from constant tables.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core-data/core_record.h"

namespace qiro {

inline constexpr int kCatalogueCapacity = 754;

// Slot s (1..754) lives at CoreCatalogue[s - 1]. Written only by InitCoreData.
extern std::array<CoreRecord, kCatalogueCapacity> CoreCatalogue;
extern std::int16_t CatalogueSize;  // 754 once built
extern std::int16_t MaxTurns;       // 350: most turns the toroidal selection tries

// Fills every slot; running it again rebuilds the same catalogue.
void InitCoreData();

// The record in slot 1..CatalogueSize.
const CoreRecord& CatalogueSlot(int slot);

// A copy of the first record whose part number equals the text exactly (case-sensitive);
// an empty record (empty texts, all numbers 0) when none does.
CoreRecord FindCoreByPartNumber(std::string_view partNumber);

// The slot of that record, if any.
std::optional<int> FindSlotByPartNumber(std::string_view partNumber);

// The series codes and permeability codes, in catalogue order.
inline constexpr std::array<std::string_view, 7> kSeriesCodes = {"KMA",   "KMB", "KMC", "KMAC",
                                                                 "KMC-L", "KMD", "KME"};
inline constexpr std::array<std::int16_t, 9> kPermeabilities = {26,  40,  60,  75, 90,
                                                                125, 147, 160, 173};

}  // namespace qiro
