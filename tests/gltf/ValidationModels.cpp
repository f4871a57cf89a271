// Writes the .glb files the glTF validator checks: every part of each sample catalogue alone,
// each sample catalogue whole, and catalogues of random parts (the same ones on every run).

#include "export/PartsFileWriter.h"
#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "model/Decoration.h"
#include "model/DecorationManager.h"
#include "model/ModelwrightDoc.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "scene/MeshWriter.h"
#include "settings/ProgramOptions.h"

#include <cstdio>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

constexpr int kRandomCatalogues = 24;
constexpr int kPartsPerRandomCatalogue = 6;

class CRandomParts {
public:
    explicit CRandomParts(unsigned seed) : m_random(seed) { }

    void Fill(CPartsManager& parts)
    {
        for (int i = 0; i < kPartsPerRandomCatalogue; ++i) {
            switch (Between(0, 2)) {
            case 0:
                parts.Add(Tree());
                break;
            case 1:
                parts.Add(Platform());
                break;
            default:
                parts.Add(Building());
                break;
            }
        }
    }

private:
    int32_t Between(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(m_random); }
    // Mostly sizes a maker types, now and then a zero or a negative one.
    int32_t Size()
    {
        const int32_t roll = Between(0, 19);
        return roll == 0 ? 0 : roll == 1 ? -Between(1, 200) : Between(1, 400);
    }
    COLORREF Colour() { return static_cast<COLORREF>(Between(0, 0xFFFFFF)); }
    int32_t Units() { return Between(0, 3) == 0 ? kUnitsInches : kUnitsMillimetres; }
    template <size_t N>
    int32_t OneOf(const int32_t (&choices)[N]) { return choices[Between(0, N - 1)]; }

    std::unique_ptr<CTree> Tree()
    {
        auto tree = std::make_unique<CTree>();
        tree->m_name = "Tree " + std::to_string(Between(0, 999));
        tree->m_treeType = OneOf({kTreeNeedleLeaved, kTreeDeciduous});
        tree->m_trunkHeight = Size(), tree->m_trunkRadius = Size();
        tree->m_topHeight = Size(), tree->m_topRadius = Size();
        tree->m_trunkColor = Colour(), tree->m_topColor = Colour();
        tree->m_units = Units();
        return tree;
    }

    std::unique_ptr<CPlatform> Platform()
    {
        auto platform = std::make_unique<CPlatform>();
        platform->m_name = "Platform «" + std::to_string(Between(0, 999)) + "»";
        platform->m_length = Size(), platform->m_width = Size(), platform->m_height = Size();
        platform->m_poleHeight = Size(), platform->m_roofHeight = Size();
        platform->m_polesPerSide = Between(0, 6), platform->m_edgeDistance = Between(0, 30);
        platform->m_poleDiameter = Between(0, 12);
        platform->m_coverType = OneOf({kCoverNone, kCoverPitched, kCoverVShaped, kCoverArched, kCoverSinglePitch});
        platform->m_poleStyle = OneOf({kPoleRound, kPoleSquare});
        platform->m_sideColor = Colour(), platform->m_topColor = Colour();
        platform->m_poleColor = Colour(), platform->m_roofColor = Colour();
        platform->m_units = Units();
        return platform;
    }

    std::unique_ptr<CBuilding> Building()
    {
        auto building = std::make_unique<CBuilding>();
        building->m_name = "Building \"" + std::to_string(Between(0, 999)) + "\"";
        building->m_units = Units();
        for (int e = Between(1, 4); e > 0; --e) {
            auto element = std::make_unique<CBuildingElement>();
            element->m_positionX = Between(-200, 200), element->m_positionY = Between(-200, 200);
            element->m_positionZ = Between(0, 100);
            element->m_blockWidth = Size(), element->m_blockDepth = Size(), element->m_blockHeight = Size();
            element->m_roofType = OneOf({kRoofGable, kRoofFlatTopped, kRoofLeanTo, kRoofNone});
            element->m_roofOrientation = OneOf({kRoofOrientation0, kRoofOrientation90, kRoofOrientation180, kRoofOrientation270});
            element->m_roofHeight = Size(), element->m_roofAngle = Between(0, 89);
            element->m_blockColor = Colour(), element->m_roofColor = Colour();
            for (int d = Between(0, 4); d > 0; --d) {
                auto decoration = std::make_unique<CDecoration>();
                decoration->m_wall = OneOf({kWallFront, kWallRear, kWallLeft, kWallRight});
                decoration->m_mainType = OneOf({kDecorationBaseA, kDecorationBaseB});
                decoration->m_subtype = OneOf({kDecorationDoor, kDecorationDoorWithWindow, kDecorationWindow});
                decoration->m_width = Size(), decoration->m_height = Size();
                decoration->m_positionX = Between(0, 100), decoration->m_positionZ = Between(0, 60);
                decoration->m_windowCount = Between(0, 5);
                decoration->m_mainColor = Colour(), decoration->m_innerColor = Colour();
                element->m_decorations->Add(std::move(decoration));
            }
            building->Add(std::move(element));
        }
        return building;
    }

    std::mt19937 m_random;
};

void Write(const std::vector<SMeshPart>& parts, const fs::path& path)
{
    WriteMeshFile(parts, path);
    std::printf("%s\n", path.string().c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EXAMPLES_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path examples = argv[1];
    const fs::path output = argv[2];
    fs::create_directories(output);
    for (const char* name : {"country-station", "town-park-trees", "goods-yard", "signal-box-and-house"}) {
        CModelwrightDoc document;
        document.OpenDocumentFile(examples / (std::string(name) + ".wo3"));
        const std::vector<SMeshPart> parts = MeshPartsOfCatalogue(document.Parts(), CProgramOptions());
        for (size_t i = 0; i < parts.size(); ++i)
            Write({parts[i]}, output / (std::string(name) + "-" + std::to_string(i + 1) + ".glb"));
        Write(parts, output / (std::string(name) + ".glb"));
    }
    for (int seed = 1; seed <= kRandomCatalogues; ++seed) {
        CPartsManager parts;
        CRandomParts(seed).Fill(parts);
        std::vector<SMeshPart> meshes = MeshPartsOfCatalogue(parts, CProgramOptions());
        for (SMeshPart& mesh : meshes)
            mesh.m_metresPerUnit *= seed % 3 == 0 ? 87 : 1;
        Write(meshes, output / ("random-" + std::to_string(seed) + ".glb"));
    }
    Write({}, output / "no-parts.glb");
    return 0;
}
