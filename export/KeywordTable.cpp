#include "export/KeywordTable.h"

namespace {
constexpr const char* kHexahedronCorrect = "3DHexahedron";
constexpr const char* kHexahedronOld = "3DHexaedron ";
} // namespace

std::string PartsKeywordTable[kKeywordRoles][kKeywordColumns] = {
    {"Haus", "Huis", "Haus", "Structure", "Huis", "Haus"},
    {"End", "Einde", "End", "End", "Einde", "End"},
    {"Fillpoint", "Vulpunt", "Fuellpunkt", "", "", ""},
    {"Line", "Lijn", "Linie", "Line", "Lijn", "Linie"},
    {"Rectangle", "Rechthoek", "Rechteck", "Rectangle", "Rechthoek", "Rechteck"},
    {"Polygon", "Polygon", "Polygon", "Polygon", "Polygon", "Polygon"},
    {"Curveline", "GebogenLijn", "Bogenlinie", "Curveline", "GebogenLijn", "Bogenlinie"},
    {"Circle", "Cirkel", "Kreislinie", "Circle", "Cirkel", "Kreislinie"},
    {"Price", "Prijs", "Preis", "Price", "Prijs", "Preis"},
    {"PPP", "PPP", "PPP", "PPP", "PPP", "PPP"},
    {"Meter", "Meter", "Meter", "Meter", "Meter", "Meter"},
    {"Inch", "Inch", "Zoll", "Inch", "Inch", "Zoll"},
    {"Header", "Header", "Header", "Header", "Header", "Header"},
    {"Name", "Naam", "Name", "Name", "Naam", "Name"},
    {"Manufacturer", "Leverancier", "Hersteller", "Manufacturer", "Leverancier", "Hersteller"},
    {"Street", "Straat", "Strasse", "Street", "Straat", "Strasse"},
    {"City", "Plaats", "Ort", "City", "Plaats", "Ort"},
    {"ZIP", "Postcode", "PLZ", "ZIP", "Postcode", "PLZ"},
    {"Country", "Land", "Land", "Country", "Land", "Land"},
    {"Phone", "Tel", "Telefon", "Phone", "Tel", "Telefon"},
    {"Fax", "Fax", "Fax", "Fax", "Fax", "Fax"},
    {"EMail", "EMail", "E-Mail", "EMail", "EMail", "E-Mail"},
    {"Localsupplier", "LokaleVertegenwoording", "Anbieter", "Localsupplier", "LokaleVertegenwoording", "Anbieter"},
    {"Currency", "Muntsoort", "Currency", "Currency", "Muntsoort", "Currency"},
    {"Author", "Auteur", "Autor", "Author", "Auteur", "Autor"},
    {"Version", "Versie", "Version", "Version", "Versie", "Version"},
    {"3DLines", "3DLines", "3DLines", "3DLines", "3DLines", "3DLines"},
    {"3DQuads", "3DQuads", "3DQuads", "3DQuads", "3DQuads", "3DQuads"},
    {"3DSquare", "3DSquare", "3DSquare", "3DSquare", "3DSquare", "3DQuader"},
    {"3DHexaeder", "3DHexaeder", "3DHexaeder", kHexahedronOld, "3DHexaeder", "3DHexaeder"},
    {"3DDisk", "3DDisk", "3DDisk", "3DDisk", "3DDisk", "3DKreis"},
    {"3DEllipsoid", "3DEllipsoid", "3DEllipsoid", "3DEllipsoid", "3DEllipsoid", "3DEllipsoid"},
    {"3DCylinder", "3DCylinder", "3DCylinder", "3DCylinder", "3DCylinder", "3DZylinder"},
    {"End3D", "End3D", "End3D", "End3D", "End3D", "End3D"},
    {"Center", "Center", "Center", "Center", "Center", "Mitte"},
    {"Rotation", "Rotation", "Rotation", "Rotation", "Rotation", "Rotation"},
    {"3DEllipse", "3DEllipse", "3DEllipse", "3DEllipse", "3DEllipse", "3DEllipse"},
};

void RefreshHexahedronKeyword(int32_t hexahedronBugfix)
{
    PartsKeywordTable[kw3DHexahedron][kColumnEnglish6] = hexahedronBugfix == 1 ? kHexahedronCorrect : kHexahedronOld;
}
