#pragma once

#include "model/Exceptions.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <string_view>

class CPartsManager;

// The JSON form of a catalogue: members named as the model's fields (without "m_"), in a
// fixed order, so that the same catalogue always gives the same text.

// A JSON catalogue that cannot be taken: bad syntax, or a member that is unknown, of the
// wrong type or out of range. what() names the member by its path ("parts[2].topColor").
class CJsonCatalogueError : public CException {
public:
    using CException::CException;
};

nlohmann::ordered_json CatalogueToJson(const CPartsManager& parts);
// The JSON text that dump prints, ending in a line feed.
std::string CatalogueToJsonText(const CPartsManager& parts);
// The same text, written to out piece by piece as it is made.
void WriteCatalogueJson(const CPartsManager& parts, std::ostream& out);

// Fills a new, empty catalogue from JSON: a missing member keeps the new object's value, an
// object without "id" keeps the number it took when it was made. Throws CJsonCatalogueError;
// the catalogue is then partly filled and must be thrown away.
void CatalogueFromJson(const nlohmann::json& json, CPartsManager& parts);
// Parses the text (UTF-8, duplicate members refused) and fills the catalogue.
void CatalogueFromJsonText(std::string_view text, CPartsManager& parts);
