#include "bench/CatalogueGenerator.h"

#include "model/Building.h"
#include "model/ChoiceCodes.h"
#include "model/ModelwrightDoc.h"
#include "model/Platform.h"
#include "model/Tree.h"

#include <array>
#include <map>
#include <memory>
#include <memory>
#include <string>

namespace {

constexpr std::array kRoofTypes = {kRoofGable, kRoofFlatTopped, kRoofLeanTo, kRoofNone};
constexpr std::array kRoofOrientations = {kRoofOrientation0, kRoofOrientation90, kRoofOrientation180, kRoofOrientation270};
constexpr std::array kWalls = {kWallFront, kWallRear, kWallLeft, kWallRight};
constexpr std::array kSubtypes = {kDecorationDoor, kDecorationDoorWithWindow, kDecorationWindow};
constexpr std::array kWindowCounts = {1, 2, 4, 6, 8};
constexpr std::array kCoverTypes = {kCoverNone, kCoverPitched, kCoverVShaped, kCoverArched, kCoverSinglePitch};

// Names as real catalogues have them: accented letters the 8-bit code page holds, and some it
// does not (those are stored in the 16-bit form and exported as '?').
constexpr std::array kTreeNames = {"Tree", "Eiche (groß)", "Bouleau argenté", "Kiefer für Böschung", "Świerk", "Ağaç"};
constexpr std::array kPlatformNames = {"Platform", "Bahnsteig Köln", "Quai n° 2", "Perron Zwolle", "Peron Łódź"};
constexpr std::array kBuildingNames = {"Station", "Empfangsgebäude", "Gare de Sèvres", "Güterschuppen", "Nádraží Třebíč"};

// A description of a few hundred characters, as the free text of a real part often is.
const std::string& LongFreeText()
{
    static const std::string text =
        "Maßstab H0, passend für Nebenbahnen und Anschlussgleise. Die Teile werden vorgefärbt "
        "geliefert; Türen und Fenster sind einzeln einsetzbar. Convient aussi à l'échelle 1:87, "
        "prévu pour les gares de campagne et les dépôts. Geschikt voor stations in Noord-Holland "
        "en langs de IJssel; prijs per stuk, exclusief verlichting. ";
    return text;
}

std::string Named(const char* base, size_t index)
{
    return std::string(base) + " " + std::to_string(index);
}

int32_t Vary(size_t index, int32_t base, int32_t spread)
{
    return base + static_cast<int32_t>(index % static_cast<size_t>(spread));
}

template <class Array>
auto Pick(const Array& choices, size_t index)
{
    return choices[index % choices.size()];
}

std::unique_ptr<CTree> MakeTree(size_t index)
{
    auto tree = std::make_unique<CTree>();
    tree->m_name = Named(Pick(kTreeNames, index / 3), index);
    tree->m_catalogNo = "T-" + std::to_string(index);
    tree->m_freeText = index % 2 ? "" : index % 4 ? "Wächst am Gleis" : LongFreeText();
    tree->m_partsPerPackage = Vary(index, 1, 10);
    tree->m_price = std::to_string(index % 50) + ".90";
    tree->m_topColor = RGB(0, static_cast<uint8_t>(60 + index % 100), 40);
    tree->m_topHeight = Vary(index, 20, 60);
    tree->m_topRadius = Vary(index, 10, 30);
    tree->m_treeType = index % 2 ? kTreeNeedleLeaved : kTreeDeciduous;
    tree->m_trunkColor = RGB(80, 60, static_cast<uint8_t>(index % 40));
    tree->m_trunkHeight = Vary(index, 5, 20);
    tree->m_trunkRadius = Vary(index, 1, 5);
    tree->m_units = index % 7 == 0 ? kUnitsInches : kUnitsMillimetres;
    return tree;
}

std::unique_ptr<CPlatform> MakePlatform(size_t index)
{
    auto platform = std::make_unique<CPlatform>();
    platform->m_name = Named(Pick(kPlatformNames, index / 3), index);
    platform->m_catalogNo = "P-" + std::to_string(index);
    platform->m_partsPerPackage = 1;
    platform->m_price = std::to_string(index % 80) + ".50";
    platform->m_height = Vary(index, 5, 10);
    platform->m_width = Vary(index, 30, 40);
    platform->m_length = Vary(index, 200, 600);
    platform->m_poleHeight = Vary(index, 30, 20);
    platform->m_roofHeight = Vary(index, 5, 10);
    platform->m_coverType = Pick(kCoverTypes, index);
    platform->m_poleStyle = index % 2 ? kPoleRound : kPoleSquare;
    platform->m_poleDiameter = Vary(index, 2, 3);
    platform->m_edgeDistance = Vary(index, 3, 5);
    platform->m_polesPerSide = Vary(index, 2, 6);
    return platform;
}

std::unique_ptr<CDecoration> MakeDecoration(size_t index, size_t number)
{
    auto decoration = std::make_unique<CDecoration>();
    decoration->m_name = number == 0 ? "Tür" : "Fenêtre " + std::to_string(number);
    decoration->m_wall = Pick(kWalls, index + number);
    decoration->m_positionX = static_cast<int32_t>(5 + 20 * number);
    decoration->m_positionZ = number == 0 ? 0 : 15;
    decoration->m_width = 12;
    decoration->m_height = number == 0 ? 25 : 15;
    decoration->m_mainType = number % 2 ? kDecorationBaseA : kDecorationBaseB;
    decoration->m_subtype = number == 0 ? kDecorationDoor : Pick(kSubtypes, index + number);
    decoration->m_windowCount = Pick(kWindowCounts, index + number);
    return decoration;
}

std::unique_ptr<CBuildingElement> MakeElement(size_t index, size_t number)
{
    auto element = std::make_unique<CBuildingElement>();
    element->m_name = "Block " + std::to_string(number);
    element->m_positionX = static_cast<int32_t>(number * 100);
    element->m_positionY = Vary(index, 0, 10);
    element->m_positionZ = 0;
    element->m_blockWidth = Vary(index + number, 60, 60);
    element->m_blockDepth = Vary(index + number, 40, 50);
    element->m_blockHeight = Vary(index + number, 30, 40);
    element->m_roofType = Pick(kRoofTypes, index + number);
    element->m_roofOrientation = Pick(kRoofOrientations, index);
    element->m_roofAngle = Vary(index, 30, 30);
    element->m_roofHeight = Vary(index, 10, 30);
    if (number == 0)
        element->m_freeText = LongFreeText();
    for (size_t i = 0; i < kGeneratedDecorationsPerElement; ++i)
        element->m_decorations->Add(MakeDecoration(index, i));
    return element;
}

std::unique_ptr<CBuilding> MakeBuilding(size_t index)
{
    auto building = std::make_unique<CBuilding>();
    building->m_name = Named(Pick(kBuildingNames, index / 3), index);
    building->m_catalogNo = "B-" + std::to_string(index);
    building->m_partsPerPackage = 1;
    building->m_price = std::to_string(index % 120) + ".00";
    building->m_units = kUnitsMillimetres;
    for (size_t i = 0; i < kGeneratedElementsPerBuilding; ++i)
        building->Add(MakeElement(index, i));
    return building;
}

} // namespace

void AddGeneratedParts(CPartsManager& parts, size_t count)
{
    CHeader& header = *parts.m_pHeader;
    header.m_name = "Generated catalogue";
    header.m_author = "Modelwright";
    header.m_currency = "EUR";
    header.m_pManufacturer->m_companyName = "Scenery Works";
    header.m_pManufacturer->m_town = "Utrecht";
    header.m_pRepresentative->m_companyName = "Model Shop";
    for (size_t i = 0; i < count; ++i) {
        switch (i % 3) {
        case 0:
            parts.Add(MakeTree(i));
            break;
        case 1:
            parts.Add(MakePlatform(i));
            break;
        default:
            parts.Add(MakeBuilding(i));
            break;
        }
    }
}

const CPartsManager& SharedGeneratedCatalogue(size_t count)
{
    static std::map<size_t, std::unique_ptr<CPartsManager>> made;
    std::unique_ptr<CPartsManager>& parts = made[count];
    if (!parts) {
        parts = std::make_unique<CPartsManager>();
        AddGeneratedParts(*parts, count);
    }
    return *parts;
}

void GenerateCatalogue(CModelwrightDoc& document, size_t count)
{
    document.OnNewDocument();
    AddGeneratedParts(document.Parts(), count);
}
