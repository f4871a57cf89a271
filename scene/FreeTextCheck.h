#pragma once

#include "scene/Scene.h"

#include <cstddef>
#include <string>
#include <vector>

class CObject;
class CPartsManager;

// A fault in the free text of a part or of one of a building's elements; the line counts from
// the free text's first line, as the dialog's free-text box shows it.
struct SFreeTextFault {
    size_t m_part = 0;         // index in the catalogue's list of parts
    std::string m_partName;    // UTF-8
    std::string m_elementName; // UTF-8; empty for the part's own free text
    SDiagnostic m_diagnostic;
};

// The faults of the catalogue's free texts: the first of them in a list, every one counted.
struct SFreeTextFaults {
    std::vector<SFreeTextFault> m_listed;
    SDiagnosticCount m_found;

    SDiagnosticCount Unlisted() const;
};

// The faults of every free text of the catalogue, in the order of the parts file, at most
// limit of them, so that a catalogue of broken texts still gives a readable list.
std::vector<SFreeTextFault> CheckFreeTexts(const CPartsManager& parts, size_t limit = 1000);
// The same list, and the count of every fault past it too.
SFreeTextFaults CountFreeTextFaults(const CPartsManager& parts, size_t limit = 1000);
// The same for one tree, platform or building (with its elements), given as part number index.
std::vector<SFreeTextFault> CheckFreeTextsOf(const CObject& part, size_t index = 0, size_t limit = 1000);
