#pragma once

#include "scene/Scene.h"
#include "scene/Tessellation.h"

#include <cstdint>
#include <vector>

enum class EView { Iso, Front, Side, Top, Plan };

// Where the picture is seen from: yaw turns around the vertical axis (0 looks at the front,
// 90 at the right side), pitch raises the eye (90 looks straight down). Zoom 1 fits the part,
// or shows it at m_scale pixels a unit when that is given; pan moves the picture by pixels
// (right and down).
struct SCamera {
    EView m_view = EView::Iso;
    double m_yaw = 45;
    double m_pitch = 30;
    double m_zoom = 1;
    double m_panX = 0;
    double m_panY = 0;
    double m_scale = 0;

    static SCamera Standard(EView view);
};

// Pixels of four bytes in the order red, green, blue, alpha, rows from the top.
struct SImage {
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
    // Pixels a model unit takes in the picture.
    double m_pixelsPerUnit = 0;
    // Drawing stopped at the bound of work a picture may take; what is missing lies furthest back.
    bool m_incomplete = false;

    uint32_t At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    static constexpr uint32_t Pack(uint8_t red, uint8_t green, uint8_t blue)
    {
        return uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16 | 0xFF000000u;
    }
    static uint8_t Red(uint32_t pixel) { return static_cast<uint8_t>(pixel); }
    static uint8_t Green(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 8); }
    static uint8_t Blue(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 16); }
};

// Adds the triangles and lines of one piece to a mesh of several.
void AppendPiece(SMesh& mesh, const SMesh& piece, int32_t number);

// The smallest box holding the mesh; empty when the mesh is.
struct SBounds {
    SPoint3 m_min, m_max;
    bool m_empty = true;
};
SBounds BoundsOf(const SMesh& mesh);

inline constexpr uint32_t kBackground = SImage::Pack(0xF4, 0xF5, 0xF7);
inline constexpr uint32_t kGridInk = SImage::Pack(0xD4, 0xD7, 0xDD);

// What the window program adds to a picture: the ground grid under the part, and the pieces
// numbered from m_highlight on (m_highlightCount of them) standing out: with an outline of
// m_outlineWidth pixels in the colour m_outline where one is given, the others left as they
// are; otherwise in full colour with the others dimmed.
struct SRenderStyle {
    bool m_grid = false;
    int32_t m_highlight = -1;
    int32_t m_highlightCount = 1;
    uint32_t m_outline = 0;
    int m_outlineWidth = 2;

    bool Highlights(int32_t piece) const
    {
        return m_highlight >= 0 && piece >= m_highlight && piece - m_highlight < m_highlightCount;
    }
    bool Outlines() const { return m_highlight >= 0 && m_outline != 0; }
    bool Dims(int32_t piece) const { return m_highlight >= 0 && m_outline == 0 && !Highlights(piece); }
};

// The grid's spacing for a part of the given size: a power of ten, its lines at least a few
// pixels apart.
double GridSpacing(double size, double pixelsPerUnit);

// Draws the mesh (or, for the plan view, the scene's plan records) into a picture of the size
// given, with a depth buffer, flat shading from one light and the faces' edges drawn darker.
// The work is bounded: a picture needing more stops with the nearest surfaces drawn.
SImage RenderMesh(const SMesh& mesh, const SScene& scene, const SCamera& camera, int width, int height,
    const SRenderStyle& style = {});
SImage RenderScene(const SScene& scene, const SCamera& camera, int width, int height);
// The piece seen at each pixel of that picture, rows from the top; -1 where none is.
std::vector<int32_t> PiecesSeen(const SMesh& mesh, const SCamera& camera, int width, int height);
int32_t PieceAt(const SMesh& mesh, const SCamera& camera, int width, int height, int x, int y);
