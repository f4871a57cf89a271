#pragma once

#include <cstdint>
#include <string_view>

class CProgramOptions;

// The keywords of the parts file: one row per role, one column per dialect.
enum EKeyword : int {
    kwStructure,
    kwEnd,
    kwFillpoint,
    kwLine,
    kwRectangle,
    kwPolygon,
    kwCurveline,
    kwCircle,
    kwPrice,
    kwPartsPerPackage,
    kwMetricUnits,
    kwInchUnits,
    kwHeader,
    kwName,
    kwManufacturer,
    kwStreet,
    kwCity,
    kwZip,
    kwCountry,
    kwPhone,
    kwFax,
    kwEMail,
    kwLocalSupplier,
    kwCurrency,
    kwAuthor,
    kwVersion,
    kw3DLines,
    kw3DQuads,
    kw3DSquare,
    kw3DHexahedron,
    kw3DDisk,
    kw3DEllipsoid,
    kw3DCylinder,
    kwEnd3D,
    kwCenter,
    kwRotation,
    kw3DEllipse,
    kKeywordRoles
};

// Columns: the 5.x dialects start at 0, the 6.x dialects at 3; within each, English, Dutch,
// German.
enum EKeywordColumn : int {
    kColumnEnglish5,
    kColumnDutch5,
    kColumnGerman5,
    kColumnEnglish6,
    kColumnDutch6,
    kColumnGerman6,
    kKeywordColumns
};

// The one keyword table. The English 6.x hexahedron has a second spelling, chosen at look-up.
inline constexpr std::string_view kPartsKeywords[kKeywordRoles][kKeywordColumns] = {
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
    {"3DHexaeder", "3DHexaeder", "3DHexaeder", "3DHexahedron", "3DHexaeder", "3DHexaeder"},
    {"3DDisk", "3DDisk", "3DDisk", "3DDisk", "3DDisk", "3DKreis"},
    {"3DEllipsoid", "3DEllipsoid", "3DEllipsoid", "3DEllipsoid", "3DEllipsoid", "3DEllipsoid"},
    {"3DCylinder", "3DCylinder", "3DCylinder", "3DCylinder", "3DCylinder", "3DZylinder"},
    {"End3D", "End3D", "End3D", "End3D", "End3D", "End3D"},
    {"Center", "Center", "Center", "Center", "Center", "Mitte"},
    {"Rotation", "Rotation", "Rotation", "Rotation", "Rotation", "Rotation"},
    {"3DEllipse", "3DEllipse", "3DEllipse", "3DEllipse", "3DEllipse", "3DEllipse"},
};

// The older spelling of the English 6.x hexahedron that Winrail also reads; it carries a
// trailing blank.
inline constexpr std::string_view kHexahedronOldSpelling = "3DHexaedron ";

// A dialect of the parts file: the keyword column and, for English 6.x, the hexahedron's
// spelling.
struct SKeywordDialect {
    int32_t m_column = kColumnEnglish6;
    bool m_correctHexahedron = true;

    std::string_view Keyword(EKeyword role) const
    {
        if (role == kw3DHexahedron && m_column == kColumnEnglish6 && !m_correctHexahedron)
            return kHexahedronOldSpelling;
        return kPartsKeywords[role][m_column];
    }
};

// The dialect the options choose: 156 gives the 5.x columns, any other version 6.x; German
// and Dutch have columns of their own, every other language writes English. The hexahedron
// switch at 1 gives the correct spelling, anything else the older one.
SKeywordDialect DialectOf(const CProgramOptions& options);
