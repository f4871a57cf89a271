#include "scene/FreeTextCheck.h"

#include "model/BuildingElement.h"
#include "model/PartKind.h"
#include "model/PartsManager.h"
#include "model/TextCodec.h"
#include "scene/PartsReader.h"

#include <array>

namespace {

class CFaultCollector {
public:
    CFaultCollector(std::vector<SFreeTextFault>& faults, size_t limit) : m_faults(faults), m_limit(limit) { }

    bool Full() const { return m_faults.size() >= m_limit; }

    void Check(size_t part, const std::string& partName, const std::string& elementName, const std::string& freeText)
    {
        if (freeText.empty() || Full())
            return;
        for (const SDiagnostic& diagnostic : DiagnosticsOf(freeText)) {
            if (Full())
                return;
            m_faults.push_back({part, partName, elementName, diagnostic});
        }
    }

private:
    // Parts of a catalogue often share their free texts: those of the last few are kept.
    const std::vector<SDiagnostic>& DiagnosticsOf(const std::string& freeText)
    {
        for (const SCheckedText& checked : m_recent)
            if (checked.text == freeText)
                return checked.diagnostics;
        // The reader sees the bytes the parts file gets.
        std::string bytes;
        AppendCp1252Lossy(freeText, bytes);
        SCheckedText& checked = m_recent[m_nextRecent];
        m_nextRecent = (m_nextRecent + 1) % m_recent.size();
        checked.text = freeText;
        checked.diagnostics = ReadStructureBody(bytes).m_diagnostics;
        return checked.diagnostics;
    }

    std::vector<SFreeTextFault>& m_faults;
    size_t m_limit;
    struct SCheckedText {
        std::string text;
        std::vector<SDiagnostic> diagnostics;
    };
    std::array<SCheckedText, 4> m_recent;
    size_t m_nextRecent = 0;
};

void CheckPart(CFaultCollector& collector, const CObject& part, size_t index)
{
    VisitPart(part, Overloaded {
                        [&](const CTree& tree) { collector.Check(index, tree.m_name, {}, tree.m_freeText); },
                        [&](const CPlatform& platform) { collector.Check(index, platform.m_name, {}, platform.m_freeText); },
                        [&](const CBuilding& building) {
                            // In the order of the parts file: the elements first, the building's own text last.
                            for (const auto& element : building.GetList()) {
                                const auto& buildingElement = ElementAs<CBuildingElement>(element);
                                collector.Check(index, building.m_name, buildingElement.m_name, buildingElement.m_freeText);
                            }
                            collector.Check(index, building.m_name, {}, building.m_freeText);
                        },
                    });
}

} // namespace

std::vector<SFreeTextFault> CheckFreeTexts(const CPartsManager& parts, size_t limit)
{
    std::vector<SFreeTextFault> faults;
    CFaultCollector collector(faults, limit);
    const CObjectManager::List& list = parts.GetList();
    for (size_t index = 0; index < list.size() && !collector.Full(); ++index)
        CheckPart(collector, *list[index], index);
    return faults;
}

std::vector<SFreeTextFault> CheckFreeTextsOf(const CObject& part, size_t index, size_t limit)
{
    std::vector<SFreeTextFault> faults;
    CFaultCollector collector(faults, limit);
    CheckPart(collector, part, index);
    return faults;
}
