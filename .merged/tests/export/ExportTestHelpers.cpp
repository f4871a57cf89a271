#include "export/ExportTestHelpers.h"

#include "export/PartsFileWriter.h"

#include <gtest/gtest.h>

std::string ExportLines(const CPartsManager& parts, const CProgramOptions& options)
{
    const std::string bytes = ExportToText(parts, options);
    std::string lines;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            lines += '\n';
            ++i;
        } else {
            if (bytes[i] == '\r' || bytes[i] == '\n')
                ADD_FAILURE() << "line end without CR LF at byte " << i;
            lines += bytes[i];
        }
    }
    return lines;
}

std::string ExportPartLines(const CPartsManager& parts, const CProgramOptions& options)
{
    const std::string lines = ExportLines(parts, options);
    const std::string headerEnd = "\nEndHeader\n\n";
    const size_t end = lines.find(headerEnd);
    EXPECT_NE(end, std::string::npos);
    return end == std::string::npos ? lines : lines.substr(end + headerEnd.size());
}

std::string LinesBetween(const std::string& text, const std::string& from, const std::string& to)
{
    size_t start = 0;
    while (start < text.size()) {
        const size_t lineEnd = text.find('\n', start);
        if (text.compare(start, lineEnd - start, from) == 0)
            break;
        start = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
    }
    if (start >= text.size())
        return {};
    for (size_t pos = start; pos < text.size();) {
        const size_t lineEnd = text.find('\n', pos);
        if (lineEnd == std::string::npos)
            break;
        if (text.compare(pos, lineEnd - pos, to) == 0 && pos > start)
            return text.substr(start, lineEnd + 1 - start);
        pos = lineEnd + 1;
    }
    return {};
}

CProgramOptions Options(int32_t language, int32_t winrailVersion, int32_t hexahedronBugfix)
{
    CProgramOptions options;
    options.m_language = language;
    options.m_winrailVersion = winrailVersion;
    options.m_hexahedronBugfix = hexahedronBugfix;
    return options;
}

std::unique_ptr<CPartsManager> CatalogueWith(std::unique_ptr<CNamedObject> part)
{
    auto parts = std::make_unique<CPartsManager>();
    parts->Add(std::move(part));
    return parts;
}

std::unique_ptr<CTree> MakeTree(const std::string& name)
{
    auto tree = std::make_unique<CTree>();
    tree->m_name = name;
    tree->m_catalogNo = " ";
    tree->m_price = "0";
    return tree;
}

std::unique_ptr<CPlatform> MakePlatform(const std::string& name)
{
    auto platform = std::make_unique<CPlatform>();
    platform->m_name = name;
    platform->m_catalogNo = " ";
    platform->m_price = "0";
    return platform;
}

std::unique_ptr<CBuilding> MakeBuilding(const std::string& name)
{
    auto building = std::make_unique<CBuilding>();
    building->m_name = name;
    building->m_catalogNo = " ";
    building->m_price = "0";
    return building;
}

CBuildingElement& AddElement(CBuilding& building, const std::string& name)
{
    auto element = std::make_unique<CBuildingElement>();
    element->m_name = name;
    CBuildingElement& added = *element;
    building.Add(std::move(element));
    return added;
}

CDecoration& AddDecoration(CBuildingElement& element, const std::string& name)
{
    auto decoration = std::make_unique<CDecoration>();
    decoration->m_name = name;
    CDecoration& added = *decoration;
    element.m_decorations->Add(std::move(decoration));
    return added;
}
