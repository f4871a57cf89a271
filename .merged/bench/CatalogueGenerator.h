#pragma once

#include <cstddef>

class CModelwrightDoc;
class CPartsManager;

// A catalogue of any size for measurements and export runs: trees, platforms and buildings
// in turn, each building with 5 elements of 4 doors and windows. The values vary with the
// part's position, so the same count always gives the same catalogue.
inline constexpr size_t kGeneratedElementsPerBuilding = 5;
inline constexpr size_t kGeneratedDecorationsPerElement = 4;

// Appends count parts to the list and fills the header.
void AddGeneratedParts(CPartsManager& parts, size_t count);

// A catalogue of count generated parts, made on first use and kept for the program's runs.
const CPartsManager& SharedGeneratedCatalogue(size_t count);

// Makes the document a new catalogue of count generated parts.
void GenerateCatalogue(CModelwrightDoc& document, size_t count);
