#include "cli/Commands.h"

#include "cli/CatalogueJson.h"
#include "cli/CommandLine.h"
#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kToolName = "modelwright-cli";

// A failure that ends the run with exit status 1; the text is the one line the user sees.
struct CRunFailure {
    std::string m_message;
};

// Messages go out as one line, whatever a file or member name holds.
std::string OneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
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
        throw CRunFailure{error.what()};
    } catch (const CException& error) {
        throw CRunFailure{path + ": " + error.what()};
    } catch (const std::exception&) {
        throw CRunFailure{path + ": " + fallback};
    }
}

void LoadDocumentFile(const std::string& path, CModelwrightDoc& document)
{
    RunStep(path, kFailedToOpenDocument, [&] { document.OpenDocumentFile(PathFromUtf8(path)); });
}

void LoadJsonCatalogue(const std::string& path, CModelwrightDoc& document)
{
    RunStep(path, kFailedToOpenDocument, [&] {
        const std::vector<uint8_t> bytes = ReadWholeFile(PathFromUtf8(path));
        document.OnNewDocument();
        CatalogueFromJsonText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
            document.Parts());
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
    CModelwrightDoc document;
    LoadDocumentFile(request.m_input, document);
    WriteCatalogueJson(document.Parts(), out);
    out.flush();
    if (!out)
        throw CRunFailure{"Failed to write the JSON text to standard output."};
}

void RunBuild(const CCliRequest& request)
{
    CModelwrightDoc document;
    LoadJsonCatalogue(request.m_input, document);
    RunStep(request.m_output, kFailedToSaveDocument, [&] { document.SaveDocumentFile(PathFromUtf8(request.m_output)); });
}

void RunExport(const CCliRequest& request)
{
    CModelwrightDoc document;
    LoadCatalogue(request.m_input, document);
    RunStep(request.m_output, kFailedToSaveDocument,
        [&] { ExportToFile(document.Parts(), request.m_options, PathFromUtf8(request.m_output)); });
}

int ReportUsageError(const CUsageError& error, std::ostream& err)
{
    err << kToolName << ": " << OneLine(error.what()) << "\n" << UsageText();
    return kExitUsage;
}

} // namespace

int RunCommandLineTool(std::span<const std::string> args, std::ostream& out, std::ostream& err)
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
            RunBuild(request);
            break;
        case CCliRequest::Command::exportParts:
            RunExport(request);
            break;
        }
    } catch (const CRunFailure& failure) {
        err << kToolName << ": " << OneLine(failure.m_message) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}
