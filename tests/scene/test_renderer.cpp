#include "export/PartsFileWriter.h"
#include "settings/ProgramOptions.h"
#include "model/Platform.h"
#include "scene/PartsReader.h"
#include "scene/Renderer.h"

#include <gtest/gtest.h>

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
