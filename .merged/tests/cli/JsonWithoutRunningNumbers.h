#pragma once

#include "cli/CatalogueJson.h"
#include "model/PartsManager.h"

#include <algorithm>
#include <string>

// The dumped JSON of a catalogue without the numbers objects take from the running counter
// (and the default names made of them), which differ from run to run.
inline std::string WithoutRunningNumbers(const CPartsManager& parts)
{
    std::string kept;
    const std::string text = CatalogueToJsonText(parts);
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start) + 1;
        std::string line = text.substr(start, end - start);
        start = end;
        if (line.find("\"id\": ") != std::string::npos)
            continue;
        if (line.find("\"name\": \"C") != std::string::npos)
            line.erase(std::remove_if(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }), line.end());
        kept += line;
    }
    return kept;
}
