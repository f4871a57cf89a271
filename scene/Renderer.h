#pragma once

#include "scene/Scene.h"
#include "scene/Tessellation.h"

#include <cstdint>
#include <vector>

enum class EView { Iso, Front, Side, Top, Plan };

// Where the picture is seen from: yaw turns around the vertical axis (0 looks at the front,
// 90 at the right side), pitch raises the eye (90 looks straight down). Zoom 1 fits the part.
struct SCamera {
    EView m_view = EView::Iso;
    double m_yaw = 45;
    double m_pitch = 30;
    double m_zoom = 1;

    static SCamera Standard(EView view);
};

// Pixels of four bytes in the order red, green, blue, alpha, rows from the top.
struct SImage {
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;

    uint32_t At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    static constexpr uint32_t Pack(uint8_t red, uint8_t green, uint8_t blue)
    {
        return uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16 | 0xFF000000u;
    }
    static uint8_t Red(uint32_t pixel) { return static_cast<uint8_t>(pixel); }
    static uint8_t Green(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 8); }
    static uint8_t Blue(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 16); }
};

inline constexpr uint32_t kBackground = SImage::Pack(0xF4, 0xF5, 0xF7);

// Draws the mesh (or, for the plan view, the scene's plan records) into a picture of the size
// given, with a depth buffer and flat shading from one light.
SImage RenderMesh(const SMesh& mesh, const SScene& scene, const SCamera& camera, int width, int height);
SImage RenderScene(const SScene& scene, const SCamera& camera, int width, int height);
