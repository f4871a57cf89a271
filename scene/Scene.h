#pragma once

#include "model/Color.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

// What a parts file says, one structure (part) at a time, as the reader found it. Every
// primitive keeps the number of the line it came from, so a picture can be traced back to
// the text.

struct SPoint3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

enum class EPlanKind { Line, Rectangle, Circle, Polygon, Curveline, Fillpoint };

using SPlanPoint = std::pair<double, double>;

// A record of the part's plan view: its points in plan coordinates (two corners for a
// rectangle, the centre for a circle), the radius of a circle and the colour when it has one.
// The points stand in the scene's list of plan points (SScene::Points).
struct SPlanPrimitive {
    EPlanKind m_kind = EPlanKind::Line;
    uint32_t m_firstPoint = 0;
    uint32_t m_pointCount = 0;
    double m_radius = 0;
    COLORREF m_color = 0;
    bool m_hasColor = false;
    int m_line = 0;
};

enum class EGroupKind { Hexahedron, Quads, Lines, Square };

// A vertex of a 3D group, as written. A plain point takes the colour of the last coloured
// point before it. Large files hold millions of these, so they keep the file's integers.
struct SVertex {
    int32_t m_x = 0;
    int32_t m_y = 0;
    int32_t m_z = 0;
    COLORREF m_color = 0;
    int m_line = 0;

    SPoint3 Position() const { return {double(m_x), double(m_y), double(m_z)}; }
};

// The group's points stand in the scene's list of points (SScene::Vertices).
struct SVertexGroup {
    EGroupKind m_kind = EGroupKind::Quads;
    int32_t m_first = 0;
    int32_t m_second = 0;
    uint32_t m_firstVertex = 0;
    uint32_t m_vertexCount = 0;
    int m_line = 0;
};

enum class ESolidKind { Cylinder, Disk, Ellipsoid, Ellipse };

// A solid: its numbers as written, placed by its Center line and turned by its Rotation line
// (degrees about x, then y, then z).
struct SSolid {
    static constexpr size_t kMaxNumbers = 7;

    ESolidKind m_kind = ESolidKind::Cylinder;
    std::array<int32_t, kMaxNumbers> m_numbers {};
    uint32_t m_numberCount = 0;
    SPoint3 m_center;
    COLORREF m_color = 0;
    double m_rotation[3] = {0, 0, 0};
    int m_line = 0;

    std::span<const int32_t> Numbers() const { return {m_numbers.data(), m_numberCount}; }
};

struct SScene {
    std::string m_catalogNo; // UTF-8
    std::string m_name;      // UTF-8
    std::string m_price;     // UTF-8
    int32_t m_partsPerPackage = 0;
    bool m_inches = false;
    int m_firstLine = 0;
    int m_lastLine = 0;
    std::vector<SPlanPrimitive> m_plan;
    std::vector<SVertexGroup> m_groups;
    std::vector<SSolid> m_solids;
    // The points of all plan records and of all groups, each record's or group's in one run:
    // a large file holds hundreds of thousands of groups, and one list per group made reading
    // it mostly a matter of allocating.
    std::vector<SPlanPoint> m_planPoints;
    std::vector<SVertex> m_vertices;

    bool IsEmpty() const { return m_plan.empty() && m_groups.empty() && m_solids.empty(); }
    std::span<const SPlanPoint> Points(const SPlanPrimitive& primitive) const
    {
        return {m_planPoints.data() + primitive.m_firstPoint, primitive.m_pointCount};
    }
    std::span<const SVertex> Vertices(const SVertexGroup& group) const
    {
        return {m_vertices.data() + group.m_firstVertex, group.m_vertexCount};
    }
};

enum class ESeverity { Warning, Error };

// What is wrong with a line; the window program words each kind in the user's language.
enum class EDiagnostic {
    UnknownKeyword,
    MissingNumbers,
    ExtraNumbers,
    NotANumber,
    NumberOutOfRange,
    BadColor,
    GroupWithoutEnd3D,
    IncompleteGroup,
    UncoloredGroup,
    SolidWithoutCenter,
    Misplaced,
    BadStructureLine,
    StructureWithoutEnd,
    TextOutsideStructure,
    HeaderWithoutEnd,
    ReadingStopped,
};

struct SDiagnostic {
    int m_line = 0;   // from 1
    int m_column = 0; // from 1, in bytes of the line
    ESeverity m_severity = ESeverity::Error;
    EDiagnostic m_kind = EDiagnostic::UnknownKeyword;
    std::string m_detail;  // the word concerned, UTF-8
    std::string m_message; // one English sentence
};

// How many errors and warnings were found, whether the list holds them or not.
struct SDiagnosticCount {
    size_t m_errors = 0;
    size_t m_warnings = 0;

    void Add(ESeverity severity) { ++(severity == ESeverity::Error ? m_errors : m_warnings); }
    size_t Total() const { return m_errors + m_warnings; }
};

struct SPartsFile {
    // The header block's key=value lines in their order (UTF-8).
    std::vector<std::pair<std::string, std::string>> m_header;
    std::vector<SScene> m_scenes;
    // The first diagnostics found (a damaged file of millions of lines still gives a readable
    // list); m_found counts every one, so a fault beyond the list still fails the file.
    std::vector<SDiagnostic> m_diagnostics;
    SDiagnosticCount m_found;

    bool HasErrors() const { return m_found.m_errors > 0; }

    // What was found and is not in the list.
    SDiagnosticCount Unlisted() const
    {
        SDiagnosticCount unlisted = m_found;
        for (const SDiagnostic& diagnostic : m_diagnostics)
            --(diagnostic.m_severity == ESeverity::Error ? unlisted.m_errors : unlisted.m_warnings);
        return unlisted;
    }
};
