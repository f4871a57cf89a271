#include "scene/Renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t PixelOf(COLORREF color, double light)
{
    const auto channel = [light](uint8_t value) {
        return static_cast<uint8_t>(std::clamp(value * light, 0.0, 255.0));
    };
    return SImage::Pack(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

constexpr uint32_t kDarkInk = SImage::Pack(0x30, 0x30, 0x30);
constexpr uint32_t kLightInk = SImage::Pack(0xC8, 0xC8, 0xC8);

// Lines drawn over a filled area stand out from it, whatever its colour; where two lines meet,
// the second keeps the first one's ink.
uint32_t ContrastingInk(uint32_t under)
{
    if (under == kDarkInk || under == kLightInk)
        return under;
    const int luminance = (SImage::Red(under) * 3 + SImage::Green(under) * 6 + SImage::Blue(under)) / 10;
    return luminance < 96 ? kLightInk : kDarkInk;
}

// The pieces not being edited fade most of the way into the background.
uint32_t Dimmed(uint32_t pixel)
{
    const auto mix = [](uint8_t value, uint8_t background) {
        return static_cast<uint8_t>(background + (value - background) * 0.3);
    };
    return SImage::Pack(mix(SImage::Red(pixel), SImage::Red(kBackground)),
        mix(SImage::Green(pixel), SImage::Green(kBackground)), mix(SImage::Blue(pixel), SImage::Blue(kBackground)));
}

// Screen position: x to the right, y downwards, depth growing away from the eye.
struct SScreenPoint {
    double x, y, depth;
};

bool IsFinite(const SScreenPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.depth); }

// Corners are placed on a grid of 1/256 pixel, so that the two triangles sharing an edge decide
// every pixel on it alike.
constexpr double kSubpixels = 256;
constexpr int64_t kHalfPixel = 128;
// Corners further out are cut off first, so that the fixed-point sums cannot overflow.
constexpr double kGuardBand = 1 << 20;
// The picture is judged in tiles for what is hidden: a tile whose every pixel is nearer than a
// triangle is not looked into for it. Tiles are grouped into blocks of 8 x 8 and blocks into
// regions of 8 x 8 blocks, each knowing the farthest depth drawn within, so that a triangle
// hidden behind a large surface is passed over a region at a time, whatever the picture's size.
constexpr int kTile = 8;
constexpr int kCellsPerSide = 8;
constexpr int kLevels = 3;
// The work a picture may take: this many pixels looked at for each of its own, counted for at
// most two megapixels, and a few million more; and apart from those, looks at tiles, blocks and
// regions for what they hide. Beyond either the picture is drawn no further, so that a larger
// picture does not take longer without bound.
constexpr int64_t kWorkPerPixel = 256;
constexpr int64_t kPixelsOfFullWork = int64_t(1) << 21;
constexpr int64_t kWorkAlways = int64_t(1) << 22;
constexpr int64_t kMostCellLooks = int64_t(1) << 26;

int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Marks each of count values, stride apart, that has a marked one at most width away: a
// sliding count of the marked ones around it.
void GrowRun(const uint8_t* in, uint8_t* out, int count, size_t stride, int width)
{
    int seen = 0;
    for (int i = 0; i < std::min(width, count); ++i)
        seen += in[i * stride];
    for (int i = 0; i < count; ++i) {
        if (i + width < count)
            seen += in[(i + width) * stride];
        if (i - width - 1 >= 0)
            seen -= in[(i - width - 1) * stride];
        out[i * stride] = seen > 0;
    }
}

class CCanvas {
public:
    CCanvas(int width, int height, bool withPieces = false)
    {
        m_image.m_width = std::max(width, 0);
        m_image.m_height = std::max(height, 0);
        const size_t count = static_cast<size_t>(m_image.m_width) * m_image.m_height;
        m_image.m_pixels.assign(count, kBackground);
        m_depth.assign(count, std::numeric_limits<float>::infinity());
        if (withPieces)
            m_pieces.assign(count, -1);
        for (int level = 0, side = kTile; level < kLevels; ++level, side *= kCellsPerSide) {
            SCellLevel& cells = m_levels[level];
            cells.m_side = side;
            cells.m_across = (m_image.m_width + side - 1) / side;
            cells.m_down = (m_image.m_height + side - 1) / side;
            const size_t cellCount = static_cast<size_t>(cells.m_across) * cells.m_down;
            cells.m_farthest.assign(cellCount, std::numeric_limits<float>::infinity());
            cells.m_stale.assign(level > 0 ? cellCount : 0, 0);
        }
        m_budget = kWorkPerPixel * std::min(static_cast<int64_t>(count), kPixelsOfFullWork) + kWorkAlways;
        m_faceBudget = m_budget / 4 * 3;
    }

    // Lines within this depth behind a surface are still seen.
    void SetLineBias(double bias) { m_lineBias = bias; }

    // Fills the pixels whose centres lie inside, an edge's pixels going to one of the two
    // triangles sharing it. Returns false when every pixel it could reach is already covered
    // nearer, by more than a line's bias.
    bool FillTriangle(SScreenPoint a, SScreenPoint b, SScreenPoint c, uint32_t pixel, int32_t piece = 0)
    {
        if (!IsFinite(a) || !IsFinite(b) || !IsFinite(c) || SpendOnFaces(0))
            return false;
        const auto outside = [](const SScreenPoint& p) { return std::abs(p.x) > kGuardBand || std::abs(p.y) > kGuardBand; };
        if (!outside(a) && !outside(b) && !outside(c))
            return RasterTriangle(a, b, c, pixel, piece);
        const std::vector<SScreenPoint> polygon = ClipToGuardBand({a, b, c});
        bool seen = false;
        for (size_t i = 2; i < polygon.size(); ++i)
            seen = RasterTriangle(polygon[0], polygon[i - 1], polygon[i], pixel, piece) || seen;
        return seen;
    }

    // Steps along the longer axis pixel by pixel, taking the pixel the line passes through at
    // each pixel's middle, so that a line along a pixel boundary keeps to one row.
    void DrawLine(SScreenPoint a, SScreenPoint b, uint32_t pixel, double bias, bool contrasting = false, int32_t piece = 0)
    {
        if (!IsFinite(a) || !IsFinite(b) || Spend(0) || !ClipToPicture(a, b))
            return;
        const double dx = b.x - a.x, dy = b.y - a.y;
        const bool alongX = std::abs(dx) >= std::abs(dy);
        const double from = alongX ? std::min(a.x, b.x) : std::min(a.y, b.y);
        const double to = alongX ? std::max(a.x, b.x) : std::max(a.y, b.y);
        const double length = alongX ? dx : dy;
        const int first = static_cast<int>(std::floor(from)), last = static_cast<int>(std::floor(to));
        Spend(last - first + 1);
        for (int step = first; step <= last; ++step) {
            const double middle = std::clamp(step + 0.5, from, to);
            const double t = length != 0 ? ((alongX ? middle - a.x : middle - a.y) / length) : 0;
            const int across = static_cast<int>(std::floor(alongX ? a.y + dy * t : a.x + dx * t));
            const double depth = a.depth + (b.depth - a.depth) * t;
            if (alongX)
                Plot(step, across, depth, pixel, bias, contrasting, piece);
            else
                Plot(across, step, depth, pixel, bias, contrasting, piece);
        }
    }

    // Paints the background pixels a line crosses, and nothing else.
    void DrawUnderLine(SScreenPoint a, SScreenPoint b, uint32_t pixel)
    {
        a.depth = b.depth = 0;
        m_underOnly = true;
        DrawLine(a, b, pixel, 0);
        m_underOnly = false;
    }

    void FillCircleBlended(double cx, double cy, double radius, uint32_t pixel, double opacity)
    {
        if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius))
            return;
        const int y0 = static_cast<int>(std::clamp(std::floor(cy - radius), 0.0, double(m_image.m_height)));
        const int y1 = static_cast<int>(std::clamp(std::ceil(cy + radius), -1.0, m_image.m_height - 1.0));
        const int x0 = static_cast<int>(std::clamp(std::floor(cx - radius), 0.0, double(m_image.m_width)));
        const int x1 = static_cast<int>(std::clamp(std::ceil(cx + radius), -1.0, m_image.m_width - 1.0));
        if (Spend(int64_t(std::max(0, y1 - y0 + 1)) * std::max(0, x1 - x0 + 1)))
            return;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const double ddx = x + 0.5 - cx, ddy = y + 0.5 - cy;
                if (ddx * ddx + ddy * ddy > radius * radius)
                    continue;
                uint32_t& under = m_image.m_pixels[static_cast<size_t>(y) * m_image.m_width + x];
                const auto mix = [opacity](uint8_t bottom, uint8_t top) {
                    return static_cast<uint8_t>(bottom + (top - bottom) * opacity);
                };
                under = SImage::Pack(mix(SImage::Red(under), SImage::Red(pixel)),
                    mix(SImage::Green(under), SImage::Green(pixel)), mix(SImage::Blue(under), SImage::Blue(pixel)));
            }
    }

    // Paints the region of one colour that holds the point, as far as that colour reaches
    // without crossing a pixel of another.
    void FloodFill(double x, double y, uint32_t pixel)
    {
        if (!(x >= 0 && y >= 0 && x < m_image.m_width && y < m_image.m_height) || Spend(0))
            return;
        const int width = m_image.m_width, height = m_image.m_height;
        const uint32_t region = m_image.m_pixels[static_cast<size_t>(y) * width + static_cast<size_t>(x)];
        if (region == pixel)
            return;
        std::vector<std::pair<int, int>> seeds {{static_cast<int>(x), static_cast<int>(y)}};
        const auto inRegion = [&](int px, int py) { return m_image.m_pixels[static_cast<size_t>(py) * width + px] == region; };
        while (!seeds.empty()) {
            auto [sx, sy] = seeds.back();
            seeds.pop_back();
            if (!inRegion(sx, sy))
                continue;
            int left = sx, right = sx;
            while (left > 0 && inRegion(left - 1, sy))
                --left;
            while (right + 1 < width && inRegion(right + 1, sy))
                ++right;
            // Fill after fill of a large region is work without bound too.
            if (Spend(right - left + 1))
                return;
            for (int px = left; px <= right; ++px)
                m_image.m_pixels[static_cast<size_t>(sy) * width + px] = pixel;
            for (const int ny : {sy - 1, sy + 1}) {
                if (ny < 0 || ny >= height)
                    continue;
                for (int px = left; px <= right; ++px)
                    if (inRegion(px, ny) && (px == left || !inRegion(px - 1, ny)))
                        seeds.push_back({px, ny});
            }
        }
    }

    std::vector<int32_t> TakePieces() { return std::move(m_pieces); }

    // Draws a band of the given width around what the pieces chosen cover in the picture,
    // outside it, so that the chosen pieces themselves keep their colours. Needs the pieces.
    template <class Chosen>
    void OutlinePieces(Chosen chosen, uint32_t ink, int width)
    {
        const int w = m_image.m_width, h = m_image.m_height;
        if (m_pieces.empty() || width <= 0)
            return;
        std::vector<uint8_t> inside(m_pieces.size());
        int left = w, right = -1, top = h, bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const size_t index = static_cast<size_t>(y) * w + x;
                if (m_pieces[index] < 0 || !chosen(m_pieces[index]))
                    continue;
                inside[index] = 1;
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
            }
        if (right < 0)
            return;
        // Only the chosen pieces' box, grown by the band, can change.
        left = std::max(0, left - width), right = std::min(w - 1, right + width);
        top = std::max(0, top - width), bottom = std::min(h - 1, bottom + width);
        const int boxWidth = right - left + 1, boxHeight = bottom - top + 1;
        // A square grown by width pixels each way: along the rows, then along the columns.
        std::vector<uint8_t> alongRows(inside.size()), grown(inside.size());
        for (int y = top; y <= bottom; ++y) {
            const size_t start = static_cast<size_t>(y) * w + left;
            GrowRun(&inside[start], &alongRows[start], boxWidth, 1, width);
        }
        for (int x = left; x <= right; ++x) {
            const size_t start = static_cast<size_t>(top) * w + x;
            GrowRun(&alongRows[start], &grown[start], boxHeight, static_cast<size_t>(w), width);
        }
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                if (const size_t index = static_cast<size_t>(y) * w + x; grown[index] && !inside[index])
                    m_image.m_pixels[index] = ink;
    }

    SImage Take() { return std::move(m_image); }
    int Width() const { return m_image.m_width; }
    int Height() const { return m_image.m_height; }
    void SetPixelsPerUnit(double scale) { m_image.m_pixelsPerUnit = scale; }

private:
    // Counts work done; true once the picture has had all it may take.
    bool Spend(int64_t pixels)
    {
        m_work += pixels;
        if (m_work > m_budget)
            m_image.m_incomplete = m_allCut = true;
        return m_allCut;
    }
    // Counts a look at a cell for what it hides; true once the picture has had all it may take.
    bool LookAtCell()
    {
        if (++m_cellLooks > kMostCellLooks)
            m_image.m_incomplete = m_facesCut = true;
        return m_facesCut;
    }
    // Faces leave a share of the work to the lines drawn over them.
    bool SpendOnFaces(int64_t pixels)
    {
        m_work += pixels;
        if (m_work > m_faceBudget)
            m_image.m_incomplete = m_facesCut = true;
        return m_facesCut;
    }

    void Plot(int x, int y, double depth, uint32_t pixel, double bias, bool contrasting, int32_t piece)
    {
        if (x < 0 || y < 0 || x >= m_image.m_width || y >= m_image.m_height)
            return;
        const size_t index = static_cast<size_t>(y) * m_image.m_width + x;
        if (m_underOnly ? m_image.m_pixels[index] != kBackground : !(depth <= m_depth[index] + bias))
            return;
        m_image.m_pixels[index] = contrasting ? ContrastingInk(m_image.m_pixels[index]) : pixel;
        if (!m_pieces.empty())
            m_pieces[index] = piece;
    }

    struct SEdge {
        int64_t stepX, stepY, bias;
        int64_t At(int64_t px, int64_t py, int64_t ox, int64_t oy) const { return stepX * (px - ox) + stepY * (py - oy); }
    };

    // The edge from p to q; inside is where it is positive. A pixel centre exactly on it belongs
    // to the triangle only for a top or a left edge.
    static SEdge EdgeOf(int64_t px, int64_t py, int64_t qx, int64_t qy)
    {
        const int64_t dx = qx - px, dy = qy - py;
        const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
        return {-dy, dx, topOrLeft ? 0 : -1};
    }

    // A triangle set up for filling: its corners on the subpixel grid, counter-clockwise, its
    // edges and the pixels its box takes.
    struct STriangleFill {
        SScreenPoint a, b, c;
        int64_t ax, ay, bx, by, cx, cy;
        SEdge e0, e1, e2;
        double inverse;
        float nearest, farthest;
        int64_t minX, maxX, minY, maxY;
        uint32_t pixel;
        int32_t piece;
        bool seen = false;

        static int64_t Centre(int64_t p) { return p * 256 + kHalfPixel; }
        bool Inside(int64_t px, int64_t py) const
        {
            const int64_t sx = Centre(px), sy = Centre(py);
            return ((e0.At(sx, sy, bx, by) + e0.bias) | (e1.At(sx, sy, cx, cy) + e1.bias) | (e2.At(sx, sy, ax, ay) + e2.bias)) >= 0;
        }
        // The face's depth at a pixel's centre; over a rectangle it is least and most at its corners.
        float DepthAt(int64_t px, int64_t py) const
        {
            const int64_t sx = Centre(px), sy = Centre(py);
            return static_cast<float>((static_cast<double>(e0.At(sx, sy, bx, by)) * a.depth
                                          + static_cast<double>(e1.At(sx, sy, cx, cy)) * b.depth
                                          + static_cast<double>(e2.At(sx, sy, ax, ay)) * c.depth)
                * inverse);
        }
        float NearestWithin(int64_t x0, int64_t y0, int64_t x1, int64_t y1) const
        {
            return std::max(nearest, std::min({DepthAt(x0, y0), DepthAt(x1, y0), DepthAt(x0, y1), DepthAt(x1, y1)}));
        }
    };

    bool RasterTriangle(SScreenPoint a, SScreenPoint b, SScreenPoint c, uint32_t pixel, int32_t piece)
    {
        const auto fixed = [](double v) { return static_cast<int64_t>(std::llround(v * kSubpixels)); };
        int64_t ax = fixed(a.x), ay = fixed(a.y), bx = fixed(b.x), by = fixed(b.y), cx = fixed(c.x), cy = fixed(c.y);
        int64_t area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
        // Seen edge-on, the face leaves its outline to its edges.
        if (area == 0)
            return true;
        if (area < 0) {
            std::swap(b, c), std::swap(bx, cx), std::swap(by, cy);
            area = -area;
        }
        const int width = m_image.m_width, height = m_image.m_height;
        STriangleFill t {a, b, c, ax, ay, bx, by, cx, cy, EdgeOf(bx, by, cx, cy), EdgeOf(cx, cy, ax, ay), EdgeOf(ax, ay, bx, by),
            1.0 / static_cast<double>(area), static_cast<float>(std::min({a.depth, b.depth, c.depth})),
            static_cast<float>(std::max({a.depth, b.depth, c.depth})),
            std::max<int64_t>(0, FloorDiv(std::min({ax, bx, cx}) - kHalfPixel + 255, 256)),
            std::min<int64_t>(width - 1, FloorDiv(std::max({ax, bx, cx}) - kHalfPixel, 256)),
            std::max<int64_t>(0, FloorDiv(std::min({ay, by, cy}) - kHalfPixel + 255, 256)),
            std::min<int64_t>(height - 1, FloorDiv(std::max({ay, by, cy}) - kHalfPixel, 256)), pixel, piece};
        if (t.minX > t.maxX || t.minY > t.maxY)
            return false;
        const SCellLevel& top = m_levels[kLevels - 1];
        for (int64_t y = t.minY / top.m_side; y <= t.maxY / top.m_side; ++y)
            for (int64_t x = t.minX / top.m_side; x <= t.maxX / top.m_side; ++x)
                if (!FillCell(t, kLevels - 1, x, y))
                    return t.seen;
        return t.seen;
    }

    // Fills the triangle's pixels within one cell of a level, passing over the cell whole where
    // everything drawn there lies nearer, by more than a line's bias. False once the picture has
    // had all the work it may take.
    bool FillCell(STriangleFill& t, int level, int64_t x, int64_t y)
    {
        if (LookAtCell())
            return false;
        if (level == 0)
            return FillTile(t, x, y);
        const SCellLevel& cells = m_levels[level];
        const int64_t x0 = x * cells.m_side, y0 = y * cells.m_side;
        const int64_t x1 = std::min<int64_t>(x0 + cells.m_side, m_image.m_width) - 1;
        const int64_t y1 = std::min<int64_t>(y0 + cells.m_side, m_image.m_height) - 1;
        // Every tile within lies inside this cell's rectangle, so the face comes no nearer in any
        // of them; a hair's room is left for the rounding of depths. Once the face is known to be
        // seen somewhere, only what it would draw is looked for.
        const float drawn = Farthest(level, x, y);
        const float nearestHere = t.NearestWithin(x0, y0, x1, y1);
        if (nearestHere >= drawn + (t.seen ? 0 : m_lineBias) + std::abs(drawn) * 1e-5f)
            return true;
        const int side = m_levels[level - 1].m_side;
        for (int64_t cy = std::max(y0, t.minY) / side; cy <= std::min(y1, t.maxY) / side; ++cy)
            for (int64_t cx = std::max(x0, t.minX) / side; cx <= std::min(x1, t.maxX) / side; ++cx)
                if (!FillCell(t, level - 1, cx, cy))
                    return false;
        return true;
    }

    bool FillTile(STriangleFill& t, int64_t tx, int64_t ty)
    {
        const int width = m_image.m_width, height = m_image.m_height;
        float& tileFarthest = m_levels[0].m_farthest[static_cast<size_t>(ty) * m_levels[0].m_across + tx];
        const int64_t tileX0 = tx * kTile, tileY0 = ty * kTile;
        const int64_t tileX1 = std::min<int64_t>(tileX0 + kTile, width) - 1;
        const int64_t tileY1 = std::min<int64_t>(tileY0 + kTile, height) - 1;
        const float corners[4] = {t.DepthAt(tileX0, tileY0), t.DepthAt(tileX1, tileY0), t.DepthAt(tileX0, tileY1),
            t.DepthAt(tileX1, tileY1)};
        const float nearestHere = std::max(t.nearest, *std::min_element(corners, corners + 4));
        const float farthestHere = std::min(t.farthest, *std::max_element(corners, corners + 4));
        if (nearestHere < tileFarthest + m_lineBias)
            t.seen = true;
        if (!(nearestHere < tileFarthest))
            return true;
        const bool covered = t.Inside(tileX0, tileY0) && t.Inside(tileX1, tileY0) && t.Inside(tileX0, tileY1)
            && t.Inside(tileX1, tileY1);
        const int64_t x0 = std::max(tileX0, t.minX), x1 = std::min(tileX1, t.maxX);
        const int64_t y0 = std::max(tileY0, t.minY), y1 = std::min(tileY1, t.maxY);
        if (SpendOnFaces((x1 - x0 + 1) * (y1 - y0 + 1)))
            return false;
        bool wrote = false;
        for (int64_t y = y0; y <= y1; ++y) {
            const int64_t sx = STriangleFill::Centre(x0), sy = STriangleFill::Centre(y);
            int64_t w0 = t.e0.At(sx, sy, t.bx, t.by), w1 = t.e1.At(sx, sy, t.cx, t.cy), w2 = t.e2.At(sx, sy, t.ax, t.ay);
            const size_t row = static_cast<size_t>(y) * width;
            for (int64_t x = x0; x <= x1; ++x) {
                if (((w0 + t.e0.bias) | (w1 + t.e1.bias) | (w2 + t.e2.bias)) >= 0) {
                    const float depth = static_cast<float>(
                        (static_cast<double>(w0) * t.a.depth + static_cast<double>(w1) * t.b.depth
                            + static_cast<double>(w2) * t.c.depth)
                        * t.inverse);
                    const size_t index = row + static_cast<size_t>(x);
                    if (depth < m_depth[index]) {
                        m_depth[index] = depth;
                        m_image.m_pixels[index] = t.pixel;
                        if (!m_pieces.empty())
                            m_pieces[index] = t.piece;
                        wrote = true;
                    }
                }
                w0 += t.e0.stepX * 256, w1 += t.e1.stepX * 256, w2 += t.e2.stepX * 256;
            }
        }
        const float before = tileFarthest;
        if (covered)
            tileFarthest = std::min(tileFarthest, farthestHere);
        else if (wrote)
            tileFarthest = FarthestIn(tileX0, tileY0, tileX1, tileY1);
        if (tileFarthest != before)
            MarkStale(tx, ty);
        return true;
    }

    // The blocks and the region holding a tile whose farthest depth changed work theirs out
    // again when next asked.
    void MarkStale(int64_t tx, int64_t ty)
    {
        for (int level = 1; level < kLevels; ++level) {
            tx /= kCellsPerSide, ty /= kCellsPerSide;
            m_levels[level].m_stale[static_cast<size_t>(ty) * m_levels[level].m_across + tx] = 1;
        }
    }

    // The farthest depth drawn within a cell: infinite while any pixel of it is bare.
    float Farthest(int level, int64_t x, int64_t y)
    {
        SCellLevel& cells = m_levels[level];
        const size_t index = static_cast<size_t>(y) * cells.m_across + x;
        if (level > 0 && cells.m_stale[index]) {
            const SCellLevel& finer = m_levels[level - 1];
            float farthest = -std::numeric_limits<float>::infinity();
            for (int64_t cy = y * kCellsPerSide; cy < std::min<int64_t>((y + 1) * kCellsPerSide, finer.m_down); ++cy)
                for (int64_t cx = x * kCellsPerSide; cx < std::min<int64_t>((x + 1) * kCellsPerSide, finer.m_across); ++cx)
                    farthest = std::max(farthest, Farthest(level - 1, cx, cy));
            cells.m_farthest[index] = farthest;
            cells.m_stale[index] = 0;
        }
        return cells.m_farthest[index];
    }

    float FarthestIn(int64_t x0, int64_t y0, int64_t x1, int64_t y1)
    {
        SpendOnFaces((x1 - x0 + 1) * (y1 - y0 + 1));
        float farthest = -std::numeric_limits<float>::infinity();
        for (int64_t y = y0; y <= y1; ++y)
            for (int64_t x = x0; x <= x1; ++x)
                farthest = std::max(farthest, m_depth[static_cast<size_t>(y) * m_image.m_width + static_cast<size_t>(x)]);
        return farthest;
    }

    // Cuts a polygon to the guard band around the picture. A point where an edge crosses the
    // band is worked out from the edge's ends in one order, so that the two triangles sharing
    // the edge get the same point.
    static std::vector<SScreenPoint> ClipToGuardBand(std::vector<SScreenPoint> polygon)
    {
        for (int axis = 0; axis < 2; ++axis)
            for (const double limit : {-kGuardBand, kGuardBand}) {
                const auto coordinate = [axis](const SScreenPoint& p) { return axis == 0 ? p.x : p.y; };
                const auto keep = [&](const SScreenPoint& p) { return limit < 0 ? coordinate(p) >= limit : coordinate(p) <= limit; };
                std::vector<SScreenPoint> cut;
                for (size_t i = 0; i < polygon.size(); ++i) {
                    const SScreenPoint& p = polygon[i];
                    const SScreenPoint& q = polygon[(i + 1) % polygon.size()];
                    if (keep(p))
                        cut.push_back(p);
                    if (keep(p) != keep(q)) {
                        const bool ordered = std::tie(p.x, p.y) < std::tie(q.x, q.y);
                        const SScreenPoint& from = ordered ? p : q;
                        const SScreenPoint& to = ordered ? q : p;
                        const double t = (limit - coordinate(from)) / (coordinate(to) - coordinate(from));
                        SScreenPoint crossing {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t,
                            from.depth + (to.depth - from.depth) * t};
                        (axis == 0 ? crossing.x : crossing.y) = limit;
                        cut.push_back(crossing);
                    }
                }
                polygon = std::move(cut);
            }
        return polygon;
    }

    // Cuts a line to the picture and a pixel around it.
    bool ClipToPicture(SScreenPoint& a, SScreenPoint& b) const
    {
        double t0 = 0, t1 = 1;
        const double d[2] = {b.x - a.x, b.y - a.y};
        const double p[2] = {a.x, a.y};
        const double high[2] = {m_image.m_width + 1.0, m_image.m_height + 1.0};
        for (int axis = 0; axis < 2; ++axis) {
            if (d[axis] == 0) {
                if (p[axis] < -1 || p[axis] > high[axis])
                    return false;
                continue;
            }
            double ta = (-1 - p[axis]) / d[axis], tb = (high[axis] - p[axis]) / d[axis];
            if (ta > tb)
                std::swap(ta, tb);
            t0 = std::max(t0, ta);
            t1 = std::min(t1, tb);
        }
        if (t0 > t1)
            return false;
        const SScreenPoint from = a, to = b;
        const auto at = [&](double t) {
            return SScreenPoint {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t,
                from.depth + (to.depth - from.depth) * t};
        };
        if (t0 > 0)
            a = at(t0);
        if (t1 < 1)
            b = at(t1);
        return true;
    }

    SImage m_image;
    std::vector<float> m_depth;
    std::vector<int32_t> m_pieces;
    struct SCellLevel {
        int m_side = 0;
        int m_across = 0, m_down = 0;
        std::vector<float> m_farthest;
        std::vector<char> m_stale;
    };
    // Tiles, blocks and regions.
    SCellLevel m_levels[kLevels];
    double m_lineBias = 0;
    bool m_underOnly = false;
    int64_t m_work = 0;
    int64_t m_budget = 0;
    int64_t m_faceBudget = 0;
    int64_t m_cellLooks = 0;
    bool m_facesCut = false;
    bool m_allCut = false;
};

// Camera axes in world coordinates: right, up and the direction towards the eye.
struct SViewAxes {
    SPoint3 right, up, eye;

    explicit SViewAxes(const SCamera& camera)
    {
        const double yaw = camera.m_yaw * kPi / 180;
        const double pitch = std::clamp(camera.m_pitch, -90.0, 90.0) * kPi / 180;
        eye = {std::sin(yaw) * std::cos(pitch), -std::cos(yaw) * std::cos(pitch), std::sin(pitch)};
        right = {std::cos(yaw), std::sin(yaw), 0};
        up = Cross(eye, right);
    }
};

// Maps view coordinates to pixels so that the given extent fills the picture (with a margin),
// or at the camera's own scale, centred on the extent and moved by the camera's pan.
class CFit {
public:
    CFit(double minX, double maxX, double minY, double maxY, int width, int height, const SCamera& camera)
    {
        const double margin = 0.08;
        const double spanX = std::max(maxX - minX, 1e-9), spanY = std::max(maxY - minY, 1e-9);
        const double room = 1 - 2 * margin;
        m_scale = camera.m_scale > 0 ? camera.m_scale : std::min(width * room / spanX, height * room / spanY);
        if (camera.m_scale <= 0 && maxX - minX <= 0 && maxY - minY <= 0)
            m_scale = 1;
        m_scale *= camera.m_zoom > 0 ? camera.m_zoom : 1;
        m_centreX = (minX + maxX) / 2;
        m_centreY = (minY + maxY) / 2;
        m_originX = width / 2.0 + (std::isfinite(camera.m_panX) ? camera.m_panX : 0);
        m_originY = height / 2.0 + (std::isfinite(camera.m_panY) ? camera.m_panY : 0);
    }
    double X(double x) const { return m_originX + (x - m_centreX) * m_scale; }
    double Y(double y) const { return m_originY - (y - m_centreY) * m_scale; }
    double Scale() const { return m_scale; }

private:
    double m_scale = 1, m_centreX = 0, m_centreY = 0, m_originX = 0, m_originY = 0;
};

// The lines of the ground grid over an area of the ground, at the spacing, each handed on
// by its two ends.
template <class Line>
void ForEachGridLine(double minX, double maxX, double minY, double maxY, double spacing, Line line)
{
    if (!(spacing > 0) || !std::isfinite(minX) || !std::isfinite(maxX) || !std::isfinite(minY) || !std::isfinite(maxY))
        return;
    const double x0 = (std::floor(minX / spacing) - 1) * spacing, x1 = (std::ceil(maxX / spacing) + 1) * spacing;
    const double y0 = (std::floor(minY / spacing) - 1) * spacing, y1 = (std::ceil(maxY / spacing) + 1) * spacing;
    constexpr double kMostLines = 400;
    if ((x1 - x0) / spacing > kMostLines || (y1 - y0) / spacing > kMostLines)
        return;
    for (double x = x0; x <= x1 + spacing / 2; x += spacing)
        line(x, y0, x, y1);
    for (double y = y0; y <= y1 + spacing / 2; y += spacing)
        line(x0, y, x1, y);
}

struct SProjected {
    SScreenPoint a, b, c;
    float nearest;
    uint32_t pixel;
    uint32_t index;
};

void DrawMesh(CCanvas& canvas, const SMesh& mesh, const SCamera& camera, const SRenderStyle& style)
{
    const SViewAxes axes(camera);
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX, minY = minX, maxY = maxX;
    double minDepth = minX, maxDepth = maxX;
    const auto extend = [&](SPoint3 p) {
        const double x = Dot(p, axes.right), y = Dot(p, axes.up), depth = -Dot(p, axes.eye);
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        minDepth = std::min(minDepth, depth), maxDepth = std::max(maxDepth, depth);
    };
    for (const SMesh::STriangle& t : mesh.m_triangles)
        extend(t.a), extend(t.b), extend(t.c);
    for (const SMesh::SSegment& s : mesh.m_segments)
        extend(s.a), extend(s.b);
    const CFit fit(minX, maxX, minY, maxY, canvas.Width(), canvas.Height(), camera);
    canvas.SetPixelsPerUnit(fit.Scale());
    const auto project = [&](SPoint3 p) {
        return SScreenPoint {fit.X(Dot(p, axes.right)), fit.Y(Dot(p, axes.up)), -Dot(p, axes.eye)};
    };
    const auto shown = [&style](uint32_t pixel, int32_t piece) {
        return style.Dims(piece) ? Dimmed(pixel) : pixel;
    };
    // Lines on a face or a little in front of it are seen: two pixels' worth of depth.
    const double lineBias = 2 / std::max(fit.Scale(), 1e-12) + (maxDepth - minDepth) * 1e-4;
    canvas.SetLineBias(lineBias);

    const SPoint3 light = Normalized(axes.up * 0.6 - axes.right * 0.35 + axes.eye * 0.7);
    std::vector<SProjected> faces;
    faces.reserve(mesh.m_triangles.size());
    for (uint32_t i = 0; i < mesh.m_triangles.size(); ++i) {
        const SMesh::STriangle& t = mesh.m_triangles[i];
        const SPoint3 normal = Normalized(Cross(t.b - t.a, t.c - t.a));
        const double brightness = 0.45 + 0.55 * std::abs(Dot(normal, light));
        const SScreenPoint a = project(t.a), b = project(t.b), c = project(t.c);
        faces.push_back({a, b, c, static_cast<float>(std::min({a.depth, b.depth, c.depth})),
            shown(PixelOf(t.color, brightness), t.piece), i});
    }
    // Nearest first: what lies behind a covered place is then passed over whole, and a picture
    // cut short by its bound of work misses only what lies furthest back.
    std::stable_sort(faces.begin(), faces.end(),
        [](const SProjected& p, const SProjected& q) { return p.nearest < q.nearest; });
    std::vector<char> mayShow(mesh.m_triangles.size(), 0);
    for (const SProjected& f : faces)
        mayShow[f.index] = canvas.FillTriangle(f.a, f.b, f.c, f.pixel, mesh.m_triangles[f.index].piece);
    for (const SProjected& f : faces) {
        const uint8_t edges = mesh.m_triangles[f.index].edges;
        if (!edges || !mayShow[f.index])
            continue;
        const uint32_t ink = SImage::Pack(SImage::Red(f.pixel) * 11 / 20, SImage::Green(f.pixel) * 11 / 20,
            SImage::Blue(f.pixel) * 11 / 20);
        const int32_t piece = mesh.m_triangles[f.index].piece;
        if (edges & SMesh::kEdgeAB)
            canvas.DrawLine(f.a, f.b, ink, lineBias, false, piece);
        if (edges & SMesh::kEdgeBC)
            canvas.DrawLine(f.b, f.c, ink, lineBias, false, piece);
        if (edges & SMesh::kEdgeCA)
            canvas.DrawLine(f.c, f.a, ink, lineBias, false, piece);
    }
    for (const SMesh::SSegment& s : mesh.m_segments)
        canvas.DrawLine(project(s.a), project(s.b), shown(PixelOf(s.color, 1), s.piece), lineBias, false, s.piece);

    if (style.m_grid) {
        const SBounds bounds = BoundsOf(mesh);
        const double size = std::max(bounds.m_max.x - bounds.m_min.x, bounds.m_max.y - bounds.m_min.y);
        ForEachGridLine(bounds.m_min.x, bounds.m_max.x, bounds.m_min.y, bounds.m_max.y, GridSpacing(size, fit.Scale()),
            [&](double x0, double y0, double x1, double y1) {
                canvas.DrawUnderLine(project({x0, y0, bounds.m_min.z}), project({x1, y1, bounds.m_min.z}), kGridInk);
            });
    }
}

void DrawPlan(CCanvas& canvas, const SScene& scene, const SCamera& camera, const SRenderStyle& style)
{
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX, minY = minX, maxY = maxX;
    for (const SPlanPrimitive& primitive : scene.m_plan)
        for (const auto& [x, y] : scene.Points(primitive)) {
            const double r = primitive.m_kind == EPlanKind::Circle ? std::abs(primitive.m_radius) : 0;
            minX = std::min(minX, x - r), maxX = std::max(maxX, x + r);
            minY = std::min(minY, y - r), maxY = std::max(maxY, y + r);
        }
    const CFit fit(minX, maxX, minY, maxY, canvas.Width(), canvas.Height(), camera);
    canvas.SetPixelsPerUnit(fit.Scale());
    // Each record lies on top of those before it.
    double layer = 0;
    const auto at = [&](double x, double y) { return SScreenPoint {fit.X(x), fit.Y(y), layer}; };
    const uint32_t outline = kDarkInk;
    for (const SPlanPrimitive& p : scene.m_plan) {
        layer -= 1;
        const std::span<const SPlanPoint> points = scene.Points(p);
        switch (p.m_kind) {
        case EPlanKind::Rectangle: {
            const SScreenPoint a = at(points[0].first, points[0].second), c = at(points[1].first, points[1].second);
            const SScreenPoint b = {c.x, a.y, layer}, d = {a.x, c.y, layer};
            const uint32_t fill = PixelOf(p.m_color, 1);
            canvas.FillTriangle(a, b, c, fill);
            canvas.FillTriangle(a, c, d, fill);
            canvas.DrawLine(a, b, outline, 0, true), canvas.DrawLine(b, c, outline, 0, true);
            canvas.DrawLine(c, d, outline, 0, true), canvas.DrawLine(d, a, outline, 0, true);
            break;
        }
        case EPlanKind::Circle: {
            const SScreenPoint centre = at(points[0].first, points[0].second);
            const double radius = std::abs(p.m_radius) * fit.Scale();
            canvas.FillCircleBlended(centre.x, centre.y, radius, PixelOf(p.m_color, 1), 0.35);
            const int segments = 48;
            for (int i = 0; i < segments; ++i) {
                const double a0 = 2 * kPi * i / segments, a1 = 2 * kPi * (i + 1) / segments;
                canvas.DrawLine({centre.x + radius * std::cos(a0), centre.y + radius * std::sin(a0), layer},
                    {centre.x + radius * std::cos(a1), centre.y + radius * std::sin(a1), layer}, PixelOf(p.m_color, 0.8), 0);
            }
            break;
        }
        case EPlanKind::Fillpoint: {
            const SScreenPoint seed = at(points[0].first, points[0].second);
            canvas.FloodFill(seed.x, seed.y, PixelOf(p.m_color, 1));
            break;
        }
        default:
            for (size_t i = 0; i + 1 < points.size(); ++i)
                canvas.DrawLine(at(points[i].first, points[i].second), at(points[i + 1].first, points[i + 1].second),
                    outline, 0, true);
            if (p.m_kind == EPlanKind::Polygon && points.size() > 2)
                canvas.DrawLine(at(points.back().first, points.back().second), at(points[0].first, points[0].second),
                    outline, 0, true);
            break;
        }
    }
    if (style.m_grid)
        ForEachGridLine(minX, maxX, minY, maxY, GridSpacing(std::max(maxX - minX, maxY - minY), fit.Scale()),
            [&](double x0, double y0, double x1, double y1) { canvas.DrawUnderLine(at(x0, y0), at(x1, y1), kGridInk); });
}

} // namespace

SCamera SCamera::Standard(EView view)
{
    switch (view) {
    case EView::Front:
        return {view, 0, 0, 1};
    case EView::Side:
        return {view, 90, 0, 1};
    case EView::Top:
    case EView::Plan:
        return {view, 0, 90, 1};
    case EView::Iso:
        break;
    }
    return {};
}

void AppendPiece(SMesh& mesh, const SMesh& piece, int32_t number)
{
    for (SMesh::STriangle triangle : piece.m_triangles) {
        triangle.piece = number;
        mesh.m_triangles.push_back(triangle);
    }
    for (SMesh::SSegment segment : piece.m_segments) {
        segment.piece = number;
        mesh.m_segments.push_back(segment);
    }
}

SBounds BoundsOf(const SMesh& mesh)
{
    SBounds bounds;
    const auto extend = [&bounds](const SPoint3& p) {
        if (bounds.m_empty) {
            bounds.m_min = bounds.m_max = p;
            bounds.m_empty = false;
            return;
        }
        bounds.m_min = {std::min(bounds.m_min.x, p.x), std::min(bounds.m_min.y, p.y), std::min(bounds.m_min.z, p.z)};
        bounds.m_max = {std::max(bounds.m_max.x, p.x), std::max(bounds.m_max.y, p.y), std::max(bounds.m_max.z, p.z)};
    };
    for (const SMesh::STriangle& t : mesh.m_triangles)
        extend(t.a), extend(t.b), extend(t.c);
    for (const SMesh::SSegment& s : mesh.m_segments)
        extend(s.a), extend(s.b);
    return bounds;
}

double GridSpacing(double size, double pixelsPerUnit)
{
    // Lines closer than this many pixels make a grey blur rather than a grid.
    constexpr double kClosestLines = 8;
    double spacing = 1;
    if (std::isfinite(size) && size > 2)
        spacing = std::pow(10.0, std::floor(std::log10(size / 2)));
    if (std::isfinite(pixelsPerUnit) && pixelsPerUnit > 0)
        while (spacing * pixelsPerUnit < kClosestLines && spacing < 1e12)
            spacing *= 10;
    return spacing;
}

SImage RenderMesh(const SMesh& mesh, const SScene& scene, const SCamera& camera, int width, int height,
    const SRenderStyle& style)
{
    const bool outline = style.Outlines() && camera.m_view != EView::Plan;
    CCanvas canvas(width, height, outline);
    if (canvas.Width() > 0 && canvas.Height() > 0) {
        if (camera.m_view == EView::Plan)
            DrawPlan(canvas, scene, camera, style);
        else if (!mesh.IsEmpty())
            DrawMesh(canvas, mesh, camera, style);
        if (outline)
            canvas.OutlinePieces([&style](int32_t piece) { return style.Highlights(piece); }, style.m_outline,
                style.m_outlineWidth);
    }
    return canvas.Take();
}

SImage RenderScene(const SScene& scene, const SCamera& camera, int width, int height)
{
    return RenderMesh(BuildMesh(scene), scene, camera, width, height);
}

std::vector<int32_t> PiecesSeen(const SMesh& mesh, const SCamera& camera, int width, int height)
{
    CCanvas canvas(width, height, true);
    if (camera.m_view != EView::Plan && !mesh.IsEmpty() && canvas.Width() > 0 && canvas.Height() > 0)
        DrawMesh(canvas, mesh, camera, {});
    return canvas.TakePieces();
}

int32_t PieceAt(const SMesh& mesh, const SCamera& camera, int width, int height, int x, int y)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return -1;
    return PiecesSeen(mesh, camera, width, height)[static_cast<size_t>(y) * width + x];
}
