#include "export/PartsFileWriter.h"
#include "settings/ProgramOptions.h"
#include "model/Platform.h"
#include "scene/PartsReader.h"
#include "scene/Renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

std::string Box(int x1, int y1, int z1, int x2, int y2, int z2, const char* colour)
{
    return "3DSquare 1 1\n" + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(z1) + " " + colour
        + "\n" + std::to_string(x2) + " " + std::to_string(y2) + " " + std::to_string(z2) + "\nEnd3D\n";
}

SScene SceneOf(const std::string& body)
{
    SPartsFile file = ReadStructureBody(body);
    EXPECT_TRUE(file.m_diagnostics.empty());
    return std::move(file.m_scenes.at(0));
}

bool IsRedish(uint32_t pixel) { return SImage::Red(pixel) > 100 && SImage::Green(pixel) < 40 && SImage::Blue(pixel) < 40; }
bool IsBlueish(uint32_t pixel) { return SImage::Blue(pixel) > 100 && SImage::Red(pixel) < 40 && SImage::Green(pixel) < 40; }

// Pixels of the picture for which the test holds, within a rectangle of it.
int Count(const SImage& image, int x0, int y0, int x1, int y1, bool (*test)(uint32_t))
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += test(image.At(x, y)) ? 1 : 0;
    return count;
}

TEST(Renderer, RedBoxCoversItsPlaceInTheTopView)
{
    // A red box from 0 to 100 in x and 0 to 50 in y, and a marker far away fixing the view.
    const SScene scene = SceneOf(Box(0, 0, 0, 100, 50, 10, "$0000ff") + Box(300, 150, 0, 301, 151, 1, "$ff0000"));
    const SImage image = RenderScene(scene, SCamera::Standard(EView::Top), 400, 200);
    ASSERT_EQ(image.m_width, 400);
    ASSERT_EQ(image.m_pixels.size(), 400u * 200);
    // The extent 301 x 151 fills 84 % of the picture: about 1.116 pixels a unit, centred.
    const double scale = std::min(400 * 0.84 / 301, 200 * 0.84 / 151);
    const auto px = [&](double x) { return static_cast<int>(200 + (x - 150.5) * scale); };
    const auto py = [&](double y) { return static_cast<int>(100 - (y - 75.5) * scale); };
    const int x0 = px(0) + 2, x1 = px(100) - 2, y0 = py(50) + 2, y1 = py(0) - 2;
    EXPECT_EQ(Count(image, x0, y0, x1, y1, IsRedish), (x1 - x0) * (y1 - y0));
    EXPECT_EQ(Count(image, 0, 0, x0 - 4, 200, IsRedish), 0) << "nothing red left of the box";
    EXPECT_EQ(Count(image, 0, 0, 400, y0 - 4, IsRedish), 0) << "nothing red above the box (larger y)";
    EXPECT_EQ(image.At(399, 0), kBackground);
}

TEST(Renderer, NearerBoxHidesTheOneBehindIt)
{
    // Seen from the front, the red box stands in front (smaller y) of the larger blue one.
    const std::string red = Box(40, 0, 40, 60, 10, 60, "$0000ff");
    const std::string blue = Box(0, 50, 0, 100, 60, 100, "$ff0000");
    for (const std::string& body : {red + blue, blue + red}) {
        const SImage image = RenderScene(SceneOf(body), SCamera::Standard(EView::Front), 200, 200);
        EXPECT_TRUE(IsRedish(image.At(100, 100))) << "whatever the order of drawing";
        EXPECT_TRUE(IsBlueish(image.At(40, 40)));
    }
    // From behind the blue box hides the red one.
    SCamera back = SCamera::Standard(EView::Front);
    back.m_yaw = 180;
    const SImage image = RenderScene(SceneOf(red + blue), back, 200, 200);
    EXPECT_TRUE(IsBlueish(image.At(100, 100)));
}

TEST(Renderer, EdgeLinesShowOnTheFacesTheyBound)
{
    const SScene scene = SceneOf(Box(0, 0, 0, 100, 100, 100, "$ffffff")
        + "3DLines 2 2\n0 0 50 $000000\n100 0 50\nEnd3D\n");
    const SImage image = RenderScene(scene, SCamera::Standard(EView::Front), 200, 200);
    int dark = 0;
    for (int y = 95; y <= 105; ++y)
        dark += SImage::Red(image.At(100, y)) < 20 ? 1 : 0;
    EXPECT_GE(dark, 1);
    EXPECT_GT(SImage::Red(image.At(100, 60)), 100) << "the face itself stays light";
}

TEST(Renderer, PlanOfAPlatformIsItsRectangle)
{
    CPlatform platform;
    platform.m_name = "Quay";
    platform.m_length = 200;
    platform.m_width = 50;
    platform.m_height = 5;
    const SPartsFile file = ReadPartsText(ExportPartToText(platform, CProgramOptions()));
    ASSERT_EQ(file.m_scenes.size(), 1u);
    const SImage image = RenderScene(file.m_scenes[0], SCamera::Standard(EView::Plan), 400, 300);
    // 200 x 50 at 400 * 0.84 / 200 = 1.68 pixels a unit: x from 32 to 368, y from 108 to 192.
    const auto dark = [](uint32_t pixel) { return SImage::Red(pixel) < 60; };
    EXPECT_TRUE(dark(image.At(60, 120)));
    EXPECT_TRUE(dark(image.At(360, 185)));
    EXPECT_EQ(image.At(20, 150), kBackground);
    EXPECT_EQ(image.At(200, 100), kBackground);
    EXPECT_EQ(image.At(200, 200), kBackground);
    EXPECT_EQ(image.At(380, 150), kBackground);
}

TEST(Renderer, SolidsAndOddInputDrawWithoutHarm)
{
    const SScene tree = SceneOf("3DCylinder 5 5 10 12 5 0 1\nCenter 0 0 0 $005050\nEnd3D\n"
                                "3DEllipsoid 40 40 10 12 10 1 1\nCenter 0 0 20 $505000\nEnd3D\n"
                                "3DCylinder 40 0 20 2000000000 5 0 1\nCenter 0 0 10 $505000\nEnd3D\n");
    const SMesh mesh = BuildMesh(tree);
    EXPECT_LT(mesh.m_triangles.size(), 20000u) << "segment counts are bounded";
    const SImage image = RenderMesh(mesh, tree, SCamera {}, 64, 64);
    EXPECT_NE(image.At(32, 32), kBackground);

    const SScene huge = SceneOf(Box(-2147483647 - 1, -2147483647 - 1, 0, 2147483647, 2147483647, 1, "$0000ff")
        + "3DLines 2 2\n-2147483648 0 0 $000000\n2147483647 5 5\nEnd3D\n");
    for (const EView view : {EView::Iso, EView::Front, EView::Side, EView::Top, EView::Plan}) {
        SCamera camera = SCamera::Standard(view);
        camera.m_zoom = 1e6;
        EXPECT_EQ(RenderScene(huge, camera, 32, 32).m_pixels.size(), 32u * 32);
    }
    EXPECT_TRUE(RenderScene(huge, SCamera {}, 0, 0).m_pixels.empty());
    EXPECT_EQ(RenderScene(SScene {}, SCamera {}, 8, 8).At(4, 4), kBackground);
}

} // namespace

namespace {

// The picture sizes and views the drawing tests go through: odd and even, wide and tall,
// from a few dozen pixels up.
std::vector<std::pair<int, int>> PictureSizes()
{
    std::vector<std::pair<int, int>> sizes;
    for (int i = 0; i < 36; ++i)
        sizes.push_back({31 + i * 17 % 190, 23 + i * 29 % 170});
    sizes.push_back({640, 480});
    return sizes;
}

std::vector<SCamera> Views()
{
    std::vector<SCamera> views = {SCamera::Standard(EView::Top), SCamera::Standard(EView::Front), SCamera {}};
    views.back().m_yaw = 33;
    return views;
}

bool IsNotBackground(uint32_t pixel) { return pixel != kBackground; }

// Each row's pixels for which the test holds stand in one run, as they do for a convex shape.
bool RowsAreUnbroken(const SImage& image, bool (*test)(uint32_t), std::string& where)
{
    for (int y = 0; y < image.m_height; ++y) {
        int runs = 0;
        for (int x = 0; x < image.m_width; ++x)
            runs += test(image.At(x, y)) && (x == 0 || !test(image.At(x - 1, y))) ? 1 : 0;
        if (runs > 1) {
            where = "row " + std::to_string(y);
            return false;
        }
    }
    return true;
}

std::string Quad(const char* colour, const std::string& a, const std::string& b, const std::string& c, const std::string& d)
{
    return "3DQuads 1 1\n" + a + " " + colour + "\n" + b + "\n" + c + "\n" + d + "\nEnd3D\n";
}

} // namespace

TEST(Renderer, FacesShowNoCrackAlongTheirDiagonalsAtAnySize)
{
    // A box alone, and a red face with a larger blue one behind it: neither the background nor
    // the face behind shows through between the triangles of a face.
    const SScene box = SceneOf(Box(0, 0, 0, 100, 60, 40, "$a0a0a0"));
    const SScene layered = SceneOf(Quad("$0000c0", "5 0 5", "95 0 5", "95 0 65", "5 0 65")
        + Quad("$c00000", "-20 30 -20", "120 30 -20", "120 30 90", "-20 30 90"));
    const auto isRed = [](uint32_t p) { return SImage::Red(p) > SImage::Blue(p) + 40 && SImage::Red(p) > SImage::Green(p) + 40; };
    int pictures = 0;
    for (const auto& [width, height] : PictureSizes())
        for (const SCamera& camera : Views()) {
            std::string where;
            const SImage boxPicture = RenderScene(box, camera, width, height);
            EXPECT_TRUE(RowsAreUnbroken(boxPicture, IsNotBackground, where))
                << width << "x" << height << " yaw " << camera.m_yaw << " pitch " << camera.m_pitch << ": " << where;
            SCamera front = camera;
            front.m_pitch = std::min(camera.m_pitch, 60.0);
            const SImage layeredPicture = RenderScene(layered, front, width, height);
            EXPECT_TRUE(RowsAreUnbroken(layeredPicture, isRed, where)) << width << "x" << height << ": " << where;
            pictures += 2;
        }
    EXPECT_GE(pictures, 200);
}

TEST(Renderer, PlanOutlinesAreWholeAndHoldTheirFill)
{
    // A filled rectangle and a line record; their pixels on pixel boundaries at many sizes.
    const SScene plan = SceneOf("Rectangle 0 0 100 50 $80c080\nLine 0 70 100 70\n");
    const auto isFill = [](uint32_t p) { return p == SImage::Pack(0x80, 0xC0, 0x80); };
    const auto isInk = [](uint32_t p) { return SImage::Red(p) < 0x40; };
    int pictures = 0;
    for (int width = 60; width < 260; width += 7)
        for (const int height : {50, 64, 81, 100}) {
            const SImage image = RenderScene(plan, SCamera::Standard(EView::Plan), width, height);
            const std::string size = std::to_string(width) + "x" + std::to_string(height);
            int left = width, right = -1, top = height, bottom = -1;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    if (isFill(image.At(x, y)))
                        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
            ASSERT_LE(left, right) << size;
            // The outline stands all round the fill, each side a whole row or column of ink.
            for (int x = left - 1; x <= right + 1; ++x) {
                EXPECT_TRUE(isInk(image.At(x, top - 1))) << size << " top, x " << x;
                EXPECT_TRUE(isInk(image.At(x, bottom + 1))) << size << " bottom, x " << x;
            }
            for (int y = top - 1; y <= bottom + 1; ++y) {
                EXPECT_TRUE(isInk(image.At(left - 1, y))) << size << " left, y " << y;
                EXPECT_TRUE(isInk(image.At(right + 1, y))) << size << " right, y " << y;
            }
            // The line record is one unbroken run of ink in one row.
            int lineRow = -1, lineLength = 0;
            for (int y = 0; y < top - 2; ++y) {
                int ink = 0;
                for (int x = 0; x < width; ++x)
                    ink += isInk(image.At(x, y)) ? 1 : 0;
                if (ink > lineLength)
                    lineRow = y, lineLength = ink;
            }
            ASSERT_GE(lineRow, 0) << size;
            EXPECT_GE(lineLength, right - left + 1) << size;
            int runs = 0;
            for (int x = 0; x < width; ++x)
                runs += isInk(image.At(x, lineRow)) && (x == 0 || !isInk(image.At(x - 1, lineRow))) ? 1 : 0;
            EXPECT_EQ(runs, 1) << size;
            ++pictures;
        }
    EXPECT_GE(pictures, 100);
}

TEST(Renderer, LinesInFrontOfAFaceAreNeverHidden)
{
    // Lines five units in front of a box's faces (one crossing its outline) are drawn exactly
    // where the same lines far in front of everything are, from wherever their face is seen.
    const SMesh box = BuildMesh(SceneOf(Box(0, 0, 0, 100, 60, 40, "$e0e0e0")));
    struct SLineBeforeFace {
        SPoint3 a, b, facing;
    };
    const SLineBeforeFace lines[] = {{{10, -5, 5}, {90, -5, 35}, {0, -1, 0}}, {{-10, -10, 45}, {110, 70, 45}, {0, 0, 1}},
        {{105, 10, 2}, {105, 50, 38}, {1, 0, 0}}, {{10, 65, 5}, {90, 65, 35}, {0, 1, 0}}};
    // Straight from above, moving towards the eye shifts the fit by a rounding error; steeply then.
    std::vector<SCamera> views = Views();
    views[0].m_pitch = 75;
    views.insert(views.end(), {{EView::Iso, -45, 25, 1}, {EView::Iso, -45, 40, 1}, {EView::Iso, 95, 25, 1},
                                  {EView::Iso, 105, 55, 1}, {EView::Iso, 165, -65, 1}});
    const COLORREF green = RGB(0, 200, 0);
    const SPoint3 marker = {-300, 30, 200};
    int pictures = 0;
    for (const auto& [width, height] : PictureSizes())
        for (const SCamera& camera : views)
            for (const SLineBeforeFace& line : lines) {
                const double yaw = camera.m_yaw * std::numbers::pi / 180, pitch = camera.m_pitch * std::numbers::pi / 180;
                const SPoint3 eye = {std::sin(yaw) * std::cos(pitch), -std::cos(yaw) * std::cos(pitch), std::sin(pitch)};
                if (line.facing.x * eye.x + line.facing.y * eye.y + line.facing.z * eye.z < 0.05)
                    continue;
                const auto towardsEye = [&](SPoint3 p) { return SPoint3 {p.x + eye.x * 1e4, p.y + eye.y * 1e4, p.z + eye.z * 1e4}; };
                // Both pictures hold a point far out, so that they are fitted alike.
                SMesh near = box, far = box;
                near.m_segments.push_back({line.a, line.b, green});
                near.m_segments.push_back({towardsEye(marker), towardsEye(marker), green});
                far.m_segments.push_back({towardsEye(line.a), towardsEye(line.b), green});
                far.m_segments.push_back({marker, marker, green});
                const SImage a = RenderMesh(near, {}, camera, width, height), b = RenderMesh(far, {}, camera, width, height);
                int missing = 0, drawn = 0;
                for (size_t i = 0; i < b.m_pixels.size(); ++i) {
                    const bool inB = b.m_pixels[i] == SImage::Pack(0, 200, 0);
                    drawn += inB ? 1 : 0;
                    missing += inB && a.m_pixels[i] != b.m_pixels[i] ? 1 : 0;
                }
                EXPECT_GT(drawn, 0) << width << "x" << height;
                EXPECT_EQ(missing, 0) << width << "x" << height << " yaw " << camera.m_yaw << " pitch " << camera.m_pitch;
                ++pictures;
            }
    EXPECT_GE(pictures, 100);
}

TEST(Renderer, FillpointsFillTheRegionTheirPointLiesIn)
{
    // A square of line records, filled red inside by one fill point and blue outside by another.
    const std::string square = "Line 0 0 100 0\nLine 100 0 100 100\nLine 100 100 0 100\nLine 0 100 0 0\n";
    const SImage image = RenderScene(SceneOf(square + "Fillpoint 50 50 $0000ff\nFillpoint 150 50 $ff0000\nLine 200 0 200 1\n"),
        SCamera::Standard(EView::Plan), 220, 120);
    // 200 by 100 units at 0.84 * 220 / 200 = 0.924 pixels a unit, centred.
    const auto px = [](double x) { return static_cast<int>(110 + (x - 100) * 0.924); };
    const auto py = [](double y) { return static_cast<int>(60 - (y - 50) * 0.924); };
    EXPECT_EQ(Count(image, px(5), py(95), px(95), py(5), IsRedish), (px(95) - px(5)) * (py(5) - py(95)));
    EXPECT_EQ(Count(image, px(5), py(95), px(95), py(5), IsBlueish), 0);
    EXPECT_TRUE(IsBlueish(image.At(px(150), py(50))));
    EXPECT_TRUE(IsBlueish(image.At(2, 2))) << "outside the square the fill runs to the picture's edge";
    EXPECT_EQ(RenderScene(SceneOf("Fillpoint 5 5 $0000ff\n"), SCamera::Standard(EView::Plan), 16, 16).At(8, 8),
        SImage::Pack(0xFF, 0, 0))
        << "a fill point alone fills the picture";
}

TEST(Renderer, FacesKeepTheirOutlinesEdgeOnAndBesideFacesOfTheirColour)
{
    // A flat plate seen exactly from the front has no area, but its outline shows.
    const SScene plate = SceneOf(Quad("$c0c0c0", "0 0 0", "100 0 0", "100 80 0", "0 80 0") + Box(0, 0, -1, 1, 1, 40, "$c0c0c0"));
    const SImage side = RenderScene(plate, SCamera::Standard(EView::Front), 200, 120);
    int darkInPlateRow = 0;
    for (int x = 30; x < 190; ++x)
        for (int y = 0; y < 120; ++y)
            darkInPlateRow += side.At(x, y) != kBackground ? 1 : 0;
    EXPECT_GT(darkInPlateRow, 100) << "the plate seen edge-on stays a line";

    // Two boxes of one colour side by side: the wall between them shows as a darker line.
    const SScene pair = SceneOf(Box(0, 0, 0, 50, 50, 50, "$c0c0c0") + Box(50, 0, 0, 100, 50, 50, "$c0c0c0"));
    const SImage front = RenderScene(pair, SCamera::Standard(EView::Front), 200, 120);
    const uint32_t face = front.At(60, 60);
    int darker = 0;
    for (int x = 95; x <= 105; ++x)
        darker += SImage::Red(front.At(x, 60)) + 30 < SImage::Red(face) ? 1 : 0;
    EXPECT_GE(darker, 1);
    EXPECT_EQ(front.At(70, 60), face) << "the faces themselves keep their shade";
}

TEST(Renderer, OnePieceStandsOutAndCanBePicked)
{
    SMesh mesh;
    AppendPiece(mesh, BuildMesh(SceneOf(Box(0, 0, 0, 50, 50, 50, "$0000c0"))), 0);
    AppendPiece(mesh, BuildMesh(SceneOf(Box(80, 0, 0, 130, 50, 50, "$0000c0"))), 1);
    const SCamera front = SCamera::Standard(EView::Front);
    SRenderStyle style;
    style.m_highlight = 1;
    const SImage plain = RenderMesh(mesh, {}, front, 260, 100);
    const SImage highlighted = RenderMesh(mesh, {}, front, 260, 100, style);
    // 130 units at 0.84 * 260 / 130 = 1.68 pixels a unit: the first box from x 22 to 106.
    EXPECT_EQ(highlighted.At(200, 50), plain.At(200, 50)) << "the edited piece keeps its colour";
    EXPECT_GT(SImage::Green(highlighted.At(60, 50)), SImage::Green(plain.At(60, 50)) + 60) << "the others fade";
    EXPECT_EQ(PieceAt(mesh, front, 260, 100, 60, 50), 0);
    EXPECT_EQ(PieceAt(mesh, front, 260, 100, 200, 50), 1);
    EXPECT_EQ(PieceAt(mesh, front, 260, 100, 150, 50), -1);
    EXPECT_EQ(PieceAt(mesh, SCamera::Standard(EView::Plan), 260, 100, 60, 50), -1);
}

TEST(Renderer, ASelectedPieceIsOutlinedAndTheOthersStayAsTheyAre)
{
    SMesh mesh;
    AppendPiece(mesh, BuildMesh(SceneOf(Box(0, 0, 0, 50, 50, 50, "$0000c0"))), 0);
    AppendPiece(mesh, BuildMesh(SceneOf(Box(80, 0, 0, 130, 50, 50, "$0000c0"))), 1);
    const SCamera front = SCamera::Standard(EView::Front);
    constexpr uint32_t kInk = SImage::Pack(0x30, 0x8c, 0xf0);
    SRenderStyle style;
    style.m_highlight = 1;
    style.m_outline = kInk;
    style.m_outlineWidth = 3;
    const SImage plain = RenderMesh(mesh, {}, front, 260, 100);
    const SImage outlined = RenderMesh(mesh, {}, front, 260, 100, style);
    // The second box covers x 156 to 240 and y 8 to 92 (1.68 pixels a unit).
    int changed = 0, inked = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 260; ++x) {
            const bool differs = outlined.At(x, y) != plain.At(x, y);
            changed += differs;
            inked += outlined.At(x, y) == kInk;
            const bool nearSecondBox = x >= 150 && x <= 246 && y >= 2 && y <= 98;
            EXPECT_TRUE(!differs || (nearSecondBox && outlined.At(x, y) == kInk)) << "at " << x << "," << y;
        }
    EXPECT_EQ(outlined.At(60, 50), plain.At(60, 50)) << "the other piece keeps its colour";
    EXPECT_EQ(outlined.At(200, 50), plain.At(200, 50)) << "the selected piece keeps its colour";
    // A band three pixels wide all round: its length is the box's perimeter, about 2 * (84 + 84).
    EXPECT_GE(inked, 3 * 2 * (84 + 84) - 40);
    EXPECT_LE(inked, 3 * 2 * (90 + 90) + 40);
    EXPECT_EQ(changed, inked);
    for (const int x : {152, 153, 154})
        EXPECT_EQ(outlined.At(x, 50), kInk) << "left of the box at " << x;
    // Nothing selected, or the plan, which has no pieces: the picture as it was.
    style.m_highlight = -1;
    EXPECT_EQ(RenderMesh(mesh, {}, front, 260, 100, style).m_pixels, plain.m_pixels);
}

TEST(Renderer, GridLiesUnderThePartAtAScaleOfItsSize)
{
    EXPECT_EQ(GridSpacing(150, 2), 10);
    EXPECT_EQ(GridSpacing(1500, 0.5), 100);
    EXPECT_EQ(GridSpacing(15, 20), 1);
    EXPECT_EQ(GridSpacing(150, 0.1), 100) << "lines at least a few pixels apart";
    EXPECT_EQ(GridSpacing(0, 1), 10);

    const SMesh box = BuildMesh(SceneOf(Box(0, 0, 0, 100, 100, 20, "$0000c0")));
    SRenderStyle style;
    style.m_grid = true;
    const SImage top = RenderMesh(box, {}, SCamera::Standard(EView::Top), 200, 200, style);
    const SImage bare = RenderMesh(box, {}, SCamera::Standard(EView::Top), 200, 200);
    EXPECT_EQ(top.At(100, 100), bare.At(100, 100)) << "the part hides the grid";
    int gridPixels = 0;
    for (uint32_t pixel : top.m_pixels)
        gridPixels += pixel == kGridInk ? 1 : 0;
    EXPECT_GT(gridPixels, 200);
    EXPECT_NEAR(top.m_pixelsPerUnit, 1.68, 1e-9);
}

TEST(Renderer, CameraScaleAndPanPlaceThePicture)
{
    const SScene box = SceneOf(Box(0, 0, 0, 10, 10, 10, "$0000c0"));
    SCamera camera = SCamera::Standard(EView::Front);
    camera.m_scale = 2;
    const SImage small = RenderScene(box, camera, 100, 100);
    EXPECT_EQ(small.m_pixelsPerUnit, 2);
    EXPECT_NEAR(Count(small, 0, 0, 100, 100, [](uint32_t p) { return p != kBackground; }), 20 * 20, 45);
    camera.m_panX = 30;
    camera.m_panY = -20;
    const SImage moved = RenderScene(box, camera, 100, 100);
    EXPECT_TRUE(IsRedish(moved.At(80, 30)));
    EXPECT_FALSE(IsRedish(moved.At(50, 50)));
}

TEST(Renderer, WorkPerPictureIsBounded)
{
    // Thousands of faces stacked over one another cost little more than the nearest one.
    std::string stack = "3DQuads 1 1\n";
    for (int i = 0; i < 3000; ++i)
        stack += "0 " + std::to_string(i) + " 0 $00" + (i == 0 ? "00c0" : "c000") + "\n100 " + std::to_string(i)
            + " 0\n100 " + std::to_string(i) + " 100\n0 " + std::to_string(i) + " 100\n";
    const SImage stacked = RenderScene(SceneOf(stack + "End3D\n"), SCamera::Standard(EView::Front), 64, 64);
    EXPECT_FALSE(stacked.m_incomplete);
    EXPECT_TRUE(IsRedish(stacked.At(32, 32))) << "the nearest face shows";

    // Slivers that hide nothing pile up work until the picture stops, the nearest drawn.
    SMesh slivers;
    for (int i = 0; i < 100000; ++i)
        slivers.m_triangles.push_back({{0, double(i), 0}, {3, double(i), 0}, {0, double(i), 100}, i ? RGB(200, 0, 0) : RGB(0, 200, 0), 0});
    slivers.m_triangles.push_back({{-50, 0, 0}, {50, 0, 0}, {-50, 0, 0.1}, RGB(200, 0, 0), 0});
    const SImage piled = RenderMesh(slivers, {}, SCamera::Standard(EView::Front), 64, 64);
    EXPECT_TRUE(piled.m_incomplete);
    EXPECT_GT(SImage::Green(piled.At(32, 32)), 80);
}

std::string Quad(int x0, int z0, int x1, int z1, int y, const char* colour)
{
    const auto point = [y](int x, int z) { return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z); };
    return point(x0, z0) + " " + colour + "\n" + point(x1, z0) + "\n" + point(x1, z1) + "\n" + point(x0, z1) + "\n";
}

TEST(Renderer, LargePicturesPassOverHiddenFacesYetShowWhatReachesPastThem)
{
    // A red square in front of 2,000 green ones, a larger blue one far behind them all, and two
    // black lines on the blue one: one below the red square, one hidden by it. The picture is
    // larger than the work bound's two megapixels and spans several regions of 512 pixels.
    std::string body = "3DQuads 1 1\n" + Quad(200, 200, 800, 800, 0, "$0000ff");
    for (int y = 1; y <= 2000; ++y)
        body += Quad(200, 200, 800, 800, y, "$00ff00");
    body += Quad(0, 0, 1000, 1000, 3000, "$ff0000") + "End3D\n3DLines 2 2\n0 2999 100 $000000\n1000 2999 100\n"
        + "300 2999 500 $000000\n700 2999 500\nEnd3D\n";
    const int width = 2000, height = 1600;
    const SImage image = RenderScene(SceneOf(body), SCamera::Standard(EView::Front), width, height);
    EXPECT_FALSE(image.m_incomplete);
    const double scale = std::min(width * 0.84 / 1000, height * 0.84 / 1000);
    const auto px = [&](double x) { return static_cast<int>(width / 2 + (x - 500) * scale); };
    const auto py = [&](double z) { return static_cast<int>(height / 2 - (z - 500) * scale); };
    const int redX0 = px(200) + 3, redX1 = px(800) - 3, redY0 = py(800) + 3, redY1 = py(200) - 3;
    EXPECT_EQ(Count(image, redX0, redY0, redX1, redY1, IsRedish), (redX1 - redX0) * (redY1 - redY0))
        << "the nearest face shows whole, with no line of what lies behind it";
    // The blue face shows all round the red one, across the borders of regions and blocks.
    const int blueX0 = px(0) + 3, blueX1 = px(1000) - 3, blueY0 = py(1000) + 3;
    EXPECT_EQ(Count(image, blueX0, blueY0, blueX1, py(800) - 3, IsBlueish), (blueX1 - blueX0) * (py(800) - 3 - blueY0));
    EXPECT_EQ(Count(image, blueX0, py(800) - 3, px(200) - 3, redY1, IsBlueish), (px(200) - 3 - blueX0) * (redY1 - py(800) + 3));
    EXPECT_EQ(Count(image, px(800) + 3, py(800) - 3, blueX1, redY1, IsBlueish), (blueX1 - px(800) - 3) * (redY1 - py(800) + 3));
    int dark = 0;
    for (int y = py(100) - 3; y <= py(100) + 3; ++y)
        dark += SImage::Blue(image.At(width / 2, y)) < 20 ? 1 : 0;
    EXPECT_GE(dark, 1) << "the line on the far face shows below the red square";
}
