#pragma once

#include "scene/Tessellation.h"

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One part as it goes into a 3D model file: its name and triangles, and the length of its
// unit in metres (a millimetre or an inch, times the scale).
struct SMeshPart {
    std::string m_name; // UTF-8
    SMesh m_mesh;
    double m_metresPerUnit = 0.001;
};

// The part a parts-file structure describes, at its real size when scale is the model's
// scale number (87 for 1:87; 1 keeps the model's size).
SMeshPart MeshPartOf(const SScene& scene, double scale = 1);

class CObject;
class CPartsManager;
class CProgramOptions;

// The parts of a catalogue as its parts file says them, named as the catalogue names them:
// every part, or only the one given.
std::vector<SMeshPart> MeshPartsOfCatalogue(
    const CPartsManager& parts, const CProgramOptions& options, const CObject* only = nullptr, double scale = 1);

// Both formats hold metres with +Y up (the parts file's z), one object per part and one
// material per colour; several parts stand in rows along x, their fronts towards +Z, the
// rows one behind the other so that together they make about a square, with gaps between.
// No triangle without area and no line without length is written.

// glTF 2.0 binary: one node and one mesh per part, flat normals, lines as LINES primitives.
std::string EncodeGlb(std::span<const SMeshPart> parts);

struct SObjFiles {
    std::string m_obj;
    std::string m_mtl;
};
// Wavefront OBJ text naming its material library by mtlFileName (UTF-8), and that library.
SObjFiles EncodeObj(std::span<const SMeshPart> parts, const std::string& mtlFileName);

// Writes a .glb, or a .obj with its .mtl beside it, by the path's extension; the files
// replace the old ones only when both are complete, and together. Throws CException (also for any other extension).
void WriteMeshFile(std::span<const SMeshPart> parts, const std::filesystem::path& path);

// The same file written part by part: each part takes the file's form as it is added, so the
// triangles of a large catalogue never stand in memory all at once. Nothing is written
// before Commit.
class CMeshFileWriter {
public:
    // Throws CException for an extension WriteMeshFile does not take.
    explicit CMeshFileWriter(const std::filesystem::path& path);
    ~CMeshFileWriter();
    CMeshFileWriter(const CMeshFileWriter&) = delete;
    CMeshFileWriter& operator=(const CMeshFileWriter&) = delete;

    void Add(const SMeshPart& part);
    // The part a parts-file structure describes, as MeshPartOf gives it.
    void Add(const SScene& scene, double scale = 1);
    // The same under another name (UTF-8), such as the one the catalogue gives the part.
    void Add(const SScene& scene, std::string_view name, double scale);
    void Commit();

    // What a .glb or a .obj does with the parts.
    class CFormat;

private:
    std::filesystem::path m_path;
    std::unique_ptr<CFormat> m_format;
};

// The 3D model of a catalogue's parts (every part, or only the one given) as their parts
// file says them, one part at a time.
void WriteCatalogueMeshFile(const CPartsManager& parts, const CProgramOptions& options, const std::filesystem::path& path,
    const CObject* only = nullptr, double scale = 1);

// True for the extensions WriteMeshFile takes, in any case.
bool IsMeshFileName(const std::filesystem::path& path);
