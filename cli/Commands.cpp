#include "cli/Commands.h"

#include "cli/CatalogueJson.h"
#include "cli/CommandLine.h"
#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"
#include "model/PartKind.h"
#include "model/PartsManager.h"
#include "scene/FreeTextCheck.h"
#include "scene/MeshWriter.h"
#include "scene/PartsReader.h"
#include "scene/Renderer.h"
#include "cli/NullDevice.h"
#include "cli/PngFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <istream>
#include <limits>
#include <memory>
#include <new>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr const char* kToolName = "modelwright-cli";
constexpr const char* kNotEnoughMemory = "There is not enough memory to finish.";

// A failure that ends the run with exit status 1: the line the user sees, and for a damaged
// document a second one saying where reading stopped.
struct CRunFailure {
    std::string m_message;
    std::string m_details;
};

// Messages go out as one line each, whatever a file or member name holds, and never carry
// control characters to the terminal.
std::string OneLine(const std::string& text)
{
    return EscapeForMessage(text);
}

std::string NameForMessage(const std::string& path)
{
    return EscapeForMessage(path);
}

bool HasJsonExtension(const std::string& path)
{
    std::string extension = PathToUtf8(PathFromUtf8(path).extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".json";
}

// Runs one step that reads or writes a file; a failure carries the file's name when the
// program's message does not name it already. Any other failure is told as fallback.
template <class Step>
void RunStep(const std::string& path, const char* fallback, Step step)
{
    try {
        step();
    } catch (const CFileException& error) {
        throw CRunFailure{error.what(), {}};
    } catch (const CArchiveException& error) {
        throw CRunFailure{NameForMessage(path) + ": " + error.what(), error.Details()};
    } catch (const CException& error) {
        throw CRunFailure{NameForMessage(path) + ": " + error.what(), {}};
    } catch (const std::bad_alloc&) {
        throw CRunFailure{NameForMessage(path) + ": " + kNotEnoughMemory, {}};
    } catch (const std::exception&) {
        throw CRunFailure{NameForMessage(path) + ": " + fallback, {}};
    }
}

bool s_leaveCataloguesToProcessEnd = false;
CModelwrightDoc* s_leftToProcessEnd = nullptr;

// The catalogue of one run. The tool's own process ends right after its run, and freeing a
// large catalogue piece by piece costs a good part of the time of reading it: there it is left
// for the system to take back with the process.
class CRunDocument {
public:
    CRunDocument() = default;
    CRunDocument(const CRunDocument&) = delete;
    CRunDocument& operator=(const CRunDocument&) = delete;
    ~CRunDocument()
    {
        if (s_leaveCataloguesToProcessEnd && !s_leftToProcessEnd)
            s_leftToProcessEnd = m_document.release();
    }

    CModelwrightDoc& Get() { return *m_document; }

private:
    std::unique_ptr<CModelwrightDoc> m_document = std::make_unique<CModelwrightDoc>();
};

void LoadDocumentFile(const std::string& path, CModelwrightDoc& document)
{
    RunStep(path, kFailedToOpenDocument, [&] { document.OpenDocumentFile(PathFromUtf8(path)); });
}

void LoadJsonCatalogue(const std::string& path, CModelwrightDoc& document)
{
    RunStep(path, kFailedToOpenDocument, [&] {
        const CFileBytes file(PathFromUtf8(path));
        const std::span<const uint8_t> bytes = file.Bytes();
        document.OnNewDocument();
        CatalogueFromJsonText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
            document.Parts());
    });
}

bool FromStandardInput(const CCliRequest& request)
{
    return request.m_input == kStandardStream;
}

// An output made whole in memory and then handed on: to standard output ("-"), or to nowhere
// (the null device), which is never replaced like a file. A failed run writes nothing there
// either.
bool OutputIsAStream(const CCliRequest& request)
{
    return request.m_output == kStandardStream || IsNullDevice(request.m_output);
}

std::string ReadStandardInput(std::istream& in)
{
    std::string text;
    char piece[1 << 16];
    while (in.read(piece, sizeof piece) || in.gcount() > 0)
        text.append(piece, static_cast<size_t>(in.gcount()));
    if (in.bad())
        throw CRunFailure{"Failed to read standard input.", {}};
    return text;
}

void DeliverToStream(const CCliRequest& request, std::string_view bytes, std::ostream& out)
{
    if (request.m_output != kStandardStream)
        return;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out)
        throw CRunFailure{"Failed to write to standard output.", {}};
}

std::string_view AsText(std::span<const uint8_t> bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The JSON catalogue of the run: the file named, or standard input for "-".
void LoadJsonInput(const CCliRequest& request, std::istream& in, CModelwrightDoc& document)
{
    if (!FromStandardInput(request)) {
        LoadJsonCatalogue(request.m_input, document);
        return;
    }
    const std::string text = ReadStandardInput(in);
    RunStep(request.m_input, kFailedToOpenDocument, [&] {
        document.OnNewDocument();
        CatalogueFromJsonText(text, document.Parts());
    });
}

void LoadCatalogue(const std::string& path, CModelwrightDoc& document)
{
    if (HasJsonExtension(path))
        LoadJsonCatalogue(path, document);
    else
        LoadDocumentFile(path, document);
}

void RunDump(const CCliRequest& request, std::ostream& out)
{
    CRunDocument run;
    CModelwrightDoc& document = run.Get();
    LoadDocumentFile(request.m_input, document);
    WriteCatalogueJson(document.Parts(), out);
    out.flush();
    if (!out)
        throw CRunFailure{"Failed to write the JSON text to standard output.", {}};
}

// Writing a file over the one being read would lose the input whenever the run fails.
void RefuseOutputOverInput(const CCliRequest& request)
{
    if (FromStandardInput(request) || OutputIsAStream(request))
        return;
    const auto input = PathFromUtf8(request.m_input);
    const auto output = PathFromUtf8(request.m_output);
    std::error_code error;
    std::error_code inputError;
    std::error_code outputError;
    const fs::path inputName = fs::weakly_canonical(input, inputError);
    const fs::path outputName = fs::weakly_canonical(output, outputError);
    const bool sameName = !inputError && !outputError && inputName == outputName;
    if (fs::equivalent(input, output, error) || sameName)
        throw CRunFailure{NameForMessage(request.m_output) + ": the output file is the input file; please name another.", {}};
}

void RunBuild(const CCliRequest& request, std::istream& in, std::ostream& out)
{
    RefuseOutputOverInput(request);
    CRunDocument run;
    CModelwrightDoc& document = run.Get();
    LoadJsonInput(request, in, document);
    if (OutputIsAStream(request)) {
        std::vector<uint8_t> bytes;
        RunStep(request.m_output, kFailedToSaveDocument, [&] { bytes = document.SaveToBytes(); });
        DeliverToStream(request, AsText(bytes), out);
        return;
    }
    RunStep(request.m_output, kFailedToSaveDocument, [&] { document.SaveDocumentFile(PathFromUtf8(request.m_output)); });
}

// Free texts go into the parts file as typed; what is wrong in them is said, as the window
// program says it after an export, without refusing the export.
void ReportFreeTextFaults(const CCliRequest& request, const CPartsManager& parts, std::ostream& err)
{
    // Told in one piece: the error stream hands on every piece it is given at once.
    std::string told;
    const std::string input = NameForMessage(request.m_input);
    const SFreeTextFaults faults = CountFreeTextFaults(parts);
    for (const SFreeTextFault& fault : faults.m_listed) {
        told += input + ": \"" + OneLine(fault.m_partName) + "\"";
        if (!fault.m_elementName.empty())
            told += ", element \"" + OneLine(fault.m_elementName) + "\"";
        told += ", free text " + OneLine(FormatDiagnostic(fault.m_diagnostic)) + "\n";
    }
    if (const std::string unlisted = FormatUnlisted(faults.Unlisted()); !unlisted.empty())
        told += input + ": " + unlisted + "\n";
    err << told;
}

void RunExport(const CCliRequest& request, std::ostream& out, std::ostream& err)
{
    RefuseOutputOverInput(request);
    CRunDocument run;
    CModelwrightDoc& document = run.Get();
    LoadCatalogue(request.m_input, document);
    if (OutputIsAStream(request)) {
        std::string text;
        RunStep(request.m_output, kFailedToSaveDocument, [&] { text = ExportToText(document.Parts(), request.m_options); });
        DeliverToStream(request, text, out);
    } else {
        RunStep(request.m_output, kFailedToSaveDocument,
            [&] { ExportToFile(document.Parts(), request.m_options, PathFromUtf8(request.m_output)); });
    }
    ReportFreeTextFaults(request, document.Parts(), err);
}

bool HasPartsFileExtension(const std::string& path)
{
    std::string extension = PathToUtf8(PathFromUtf8(path).extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bdf";
}

std::string PartNotFound(const CCliRequest& request, size_t parts)
{
    if (parts == 0)
        return request.m_input + ": the file holds no parts.";
    if (!request.m_partName.empty())
        return request.m_input + ": no part is named \"" + request.m_partName + "\".";
    return request.m_input + ": there is no part " + std::to_string(request.m_partIndex) + "; the file holds "
        + std::to_string(parts) + ".";
}

// A parts file read as the file says, without holding the file and what it says whole at once.
SPartsFile ReadPartsFileNamed(const std::string& path)
{
    std::unique_ptr<CFileBytes> bytes;
    RunStep(path, kFailedToOpenDocument, [&] { bytes = std::make_unique<CFileBytes>(PathFromUtf8(path)); });
    return ReadPartsFile(*bytes);
}

// A picture or a model of a damaged file shows only what could be read; the reader's faults
// are told as check tells them, the first few of them and how many more there are.
constexpr size_t kFaultsTold = 5;

void TellReadFaults(const std::string& input, const SPartsFile& file, std::ostream& err)
{
    std::string told;
    const std::string name = NameForMessage(input);
    const std::vector<SDiagnostic>& faults = file.m_diagnostics;
    for (size_t i = 0; i < std::min(faults.size(), kFaultsTold); ++i)
        told += name + ":" + OneLine(FormatDiagnostic(faults[i])) + "\n";
    if (faults.size() > kFaultsTold) {
        const auto errors = static_cast<size_t>(std::count_if(faults.begin() + kFaultsTold, faults.end(),
            [](const SDiagnostic& fault) { return fault.m_severity == ESeverity::Error; }));
        told += name + ": ... and " + std::to_string(faults.size() - kFaultsTold) + " more: " + std::to_string(errors)
            + (errors == 1 ? " error, " : " errors, ") + std::to_string(faults.size() - kFaultsTold - errors)
            + (faults.size() - kFaultsTold - errors == 1 ? " warning\n" : " warnings\n");
    }
    err << told;
}

// True when an error of the reader lies within the part; a part without an end (the file
// ends, or reading stopped, within it) reaches to the end of the file.
bool IsCutShort(const SScene& scene, const SPartsFile& file)
{
    const int last = scene.m_lastLine >= scene.m_firstLine ? scene.m_lastLine : std::numeric_limits<int>::max();
    for (const SDiagnostic& fault : file.m_diagnostics)
        if (fault.m_severity == ESeverity::Error && fault.m_line >= scene.m_firstLine && fault.m_line <= last)
            return true;
    return false;
}

// Tells the reader's faults and fails, leaving the output as it was, when a part to be shown
// could not be read whole.
void RefusePartsCutShort(const CCliRequest& request, const SPartsFile& file, std::span<const SScene> chosen, std::ostream& err)
{
    TellReadFaults(request.m_input, file, err);
    for (const SScene& scene : chosen)
        if (IsCutShort(scene, file))
            throw CRunFailure{request.m_input + ": the part \"" + scene.m_name
                    + "\" could not be read whole; nothing was written. See the faults above, or run check.",
                {}};
}

// The chosen part of a parts file, read as the file says.
SScene ScenePartOfPartsFile(const CCliRequest& request, std::ostream& err)
{
    SPartsFile file = ReadPartsFileNamed(request.m_input);
    for (size_t i = 0; i < file.m_scenes.size(); ++i) {
        const bool chosen = request.m_partName.empty() ? i + 1 == static_cast<size_t>(std::max(request.m_partIndex, 1))
                                                       : file.m_scenes[i].m_name == request.m_partName;
        if (chosen) {
            RefusePartsCutShort(request, file, {&file.m_scenes[i], 1}, err);
            return std::move(file.m_scenes[i]);
        }
    }
    TellReadFaults(request.m_input, file, err);
    throw CRunFailure{PartNotFound(request, file.m_scenes.size()), {}};
}

// The chosen part of a catalogue, exported alone and read back, as the window program shows it.
SScene ScenePartOfCatalogue(const CCliRequest& request)
{
    CRunDocument run;
    CModelwrightDoc& document = run.Get();
    LoadCatalogue(request.m_input, document);
    size_t position = 0;
    for (const auto& part : document.Parts().GetList()) {
        if (!PartKindOf(*part))
            continue;
        ++position;
        const bool chosen = request.m_partName.empty() ? position == static_cast<size_t>(std::max(request.m_partIndex, 1))
                                                       : part->m_name == request.m_partName;
        if (!chosen)
            continue;
        SPartsFile file = ReadPartsText(ExportPartToText(*part, request.m_options));
        if (file.m_scenes.empty())
            break;
        // The catalogue's name, in UTF-8; the parts file holds what its code page can of it.
        file.m_scenes.front().m_name = part->m_name;
        return std::move(file.m_scenes.front());
    }
    throw CRunFailure{PartNotFound(request, position), {}};
}

EView ViewNamed(const std::string& name)
{
    if (name == "front")
        return EView::Front;
    if (name == "side")
        return EView::Side;
    if (name == "top")
        return EView::Top;
    if (name == "plan")
        return EView::Plan;
    return EView::Iso;
}

void RunRender(const CCliRequest& request, std::ostream& out, std::ostream& err)
{
    RefuseOutputOverInput(request);
    const SScene scene
        = HasPartsFileExtension(request.m_input) ? ScenePartOfPartsFile(request, err) : ScenePartOfCatalogue(request);
    SCamera camera = SCamera::Standard(ViewNamed(request.m_view));
    if (request.m_yaw)
        camera.m_yaw = *request.m_yaw;
    if (request.m_pitch)
        camera.m_pitch = *request.m_pitch;
    const SImage image = RenderScene(scene, camera, request.m_width, request.m_height);
    if (OutputIsAStream(request)) {
        std::vector<uint8_t> png;
        RunStep(request.m_output, "Failed to make the picture.", [&] { png = EncodePng(image); });
        DeliverToStream(request, AsText(png), out);
    } else {
        RunStep(request.m_output, "Failed to write the picture.",
            [&] { WriteFileAtomically(PathFromUtf8(request.m_output), EncodePng(image)); });
    }
    if (image.m_incomplete)
        err << kToolName << ": " << NameForMessage(request.m_output)
            << ": the part is too complex to draw whole; what lies furthest back is left out.\n";
}

CRunFailure NoMeshParts(const CCliRequest& request)
{
    return CRunFailure{request.m_input + ": the file holds no parts.", {}};
}

// Every part of a parts file into the model, each given back once it is in.
void WriteMeshOfWholePartsFile(const CCliRequest& request, std::ostream& err)
{
    SPartsFile file = ReadPartsFileNamed(request.m_input);
    if (file.m_scenes.empty()) {
        TellReadFaults(request.m_input, file, err);
        throw NoMeshParts(request);
    }
    RefusePartsCutShort(request, file, file.m_scenes, err);
    RunStep(request.m_output, "Failed to write the 3D model.", [&] {
        CMeshFileWriter writer(PathFromUtf8(request.m_output));
        for (SScene& scene : file.m_scenes) {
            writer.Add(scene, request.m_scale);
            scene = SScene();
        }
        writer.Commit();
    });
}

// A 3D model that goes to standard output or nowhere is a .glb: an OBJ needs a second file.
void RunMeshToStream(const CCliRequest& request, std::ostream& out, std::ostream& err)
{
    std::vector<SMeshPart> parts;
    const bool partsFile = HasPartsFileExtension(request.m_input);
    if (request.m_allParts && partsFile) {
        SPartsFile file = ReadPartsFileNamed(request.m_input);
        if (file.m_scenes.empty()) {
            TellReadFaults(request.m_input, file, err);
            throw NoMeshParts(request);
        }
        RefusePartsCutShort(request, file, file.m_scenes, err);
        for (SScene& scene : file.m_scenes) {
            parts.push_back(MeshPartOf(scene, request.m_scale));
            scene = SScene();
        }
    } else if (request.m_allParts) {
        CRunDocument run;
        CModelwrightDoc& document = run.Get();
        LoadCatalogue(request.m_input, document);
        RunStep(request.m_input, kFailedToOpenDocument,
            [&] { parts = MeshPartsOfCatalogue(document.Parts(), request.m_options, nullptr, request.m_scale); });
        if (parts.empty())
            throw NoMeshParts(request);
    } else {
        parts.push_back(
            MeshPartOf(partsFile ? ScenePartOfPartsFile(request, err) : ScenePartOfCatalogue(request), request.m_scale));
    }
    std::string model;
    RunStep(request.m_output, "Failed to write the 3D model.", [&] { model = EncodeGlb(parts); });
    DeliverToStream(request, model, out);
}

void RunMesh(const CCliRequest& request, std::ostream& out, std::ostream& err)
{
    if (OutputIsAStream(request)) {
        RunMeshToStream(request, out, err);
        return;
    }
    RefuseOutputOverInput(request);
    // An OBJ file brings its material library beside it, which must not replace the input either.
    CCliRequest library = request;
    library.m_output = PathToUtf8(PathFromUtf8(request.m_output).replace_extension(".mtl"));
    RefuseOutputOverInput(library);
    const std::filesystem::path output = PathFromUtf8(request.m_output);
    const bool partsFile = HasPartsFileExtension(request.m_input);
    if (request.m_allParts && partsFile) {
        WriteMeshOfWholePartsFile(request, err);
        return;
    }
    if (request.m_allParts) {
        // All parts of a catalogue go into the model one at a time.
        CModelwrightDoc document;
        LoadCatalogue(request.m_input, document);
        if (document.Parts().GetCount() == 0)
            throw NoMeshParts(request);
        RunStep(request.m_output, "Failed to write the 3D model.", [&] {
            WriteCatalogueMeshFile(document.Parts(), request.m_options, output, nullptr, request.m_scale);
        });
        return;
    }
    const SMeshPart part
        = MeshPartOf(partsFile ? ScenePartOfPartsFile(request, err) : ScenePartOfCatalogue(request), request.m_scale);
    RunStep(request.m_output, "Failed to write the 3D model.", [&] { WriteMeshFile({&part, 1}, output); });
}

int RunCheck(const CCliRequest& request, std::istream& in, std::ostream& out)
{
    const SPartsFile file = FromStandardInput(request) ? ReadPartsText(ReadStandardInput(in)) : ReadPartsFileNamed(request.m_input);
    for (const SDiagnostic& diagnostic : file.m_diagnostics)
        out << NameForMessage(request.m_input) << ":" << OneLine(FormatDiagnostic(diagnostic)) << "\n";
    // The list is cut short on a badly damaged file; what it leaves out still counts.
    if (const std::string unlisted = FormatUnlisted(file.Unlisted()); !unlisted.empty())
        out << NameForMessage(request.m_input) << ": " << unlisted << "\n";
    out.flush();
    return file.HasErrors() ? kExitFailure : kExitSuccess;
}

int ReportUsageError(const CUsageError& error, std::ostream& err)
{
    err << kToolName << ": " << OneLine(error.what()) << "\n" << UsageText();
    return kExitUsage;
}

} // namespace

void LeaveCataloguesToProcessEnd()
{
    s_leaveCataloguesToProcessEnd = true;
}

int RunCommandLineTool(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    CCliRequest request;
    try {
        request = ParseCommandLine(args);
    } catch (const CUsageError& error) {
        return ReportUsageError(error, err);
    }
    try {
        switch (request.m_command) {
        case CCliRequest::Command::help:
            out << UsageText();
            break;
        case CCliRequest::Command::version:
            out << kToolName << " " << MW_VERSION << "\n";
            break;
        case CCliRequest::Command::dump:
            RunDump(request, out);
            break;
        case CCliRequest::Command::build:
            RunBuild(request, in, out);
            break;
        case CCliRequest::Command::exportParts:
            RunExport(request, out, err);
            break;
        case CCliRequest::Command::render:
            RunRender(request, out, err);
            break;
        case CCliRequest::Command::mesh:
            RunMesh(request, out, err);
            break;
        case CCliRequest::Command::check:
            return RunCheck(request, in, out);
        }
    } catch (const CRunFailure& failure) {
        err << kToolName << ": " << OneLine(failure.m_message) << "\n";
        if (!failure.m_details.empty())
            err << OneLine(failure.m_details) << "\n";
        return kExitFailure;
    } catch (const std::bad_alloc&) {
        err << kToolName << ": " << NameForMessage(request.m_input) << ": " << kNotEnoughMemory << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}
