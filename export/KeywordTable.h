#pragma once

#include <cstdint>
#include <string>

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

// The one keyword table. Only the English 6.x hexahedron cell changes at run time.
extern std::string PartsKeywordTable[kKeywordRoles][kKeywordColumns];

// Rewrites the English 6.x hexahedron cell: 1 gives the correct spelling, anything else
// the older one that Winrail also reads (it carries a trailing blank).
void RefreshHexahedronKeyword(int32_t hexahedronBugfix);
