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
    // counted: whether every fault is counted, or the check ends with the list full.
    CFaultCollector(SFreeTextFaults& faults, size_t limit, bool counted) : m_faults(faults), m_limit(limit), m_counted(counted) { }

    bool Done() const { return !m_counted && Full(); }

    void Check(size_t part, const std::string& partName, const std::string& elementName, const std::string& freeText)
    {
        if (freeText.empty() || Done())
            return;
        const SPartsFile& checked = DiagnosticsOf(freeText);
        m_faults.m_found.m_errors += checked.m_found.m_errors;
        m_faults.m_found.m_warnings += checked.m_found.m_warnings;
        for (const SDiagnostic& diagnostic : checked.m_diagnostics) {
            if (Full())
                return;
            m_faults.m_listed.push_back({part, partName, elementName, diagnostic});
        }
    }

private:
    bool Full() const { return m_faults.m_listed.size() >= m_limit; }

    // Parts of a catalogue often share their free texts: those of the last few are kept.
    const SPartsFile& DiagnosticsOf(const std::string& freeText)
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
        SPartsFile reading = ReadStructureBody(bytes);
        checked.diagnostics.m_diagnostics = std::move(reading.m_diagnostics);
        checked.diagnostics.m_found = reading.m_found;
        return checked.diagnostics;
    }

    SFreeTextFaults& m_faults;
    size_t m_limit;
    bool m_counted;
    struct SCheckedText {
        std::string text;
        SPartsFile diagnostics; // its diagnostics alone
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

SFreeTextFaults CheckCatalogue(const CPartsManager& parts, size_t limit, bool counted)
{
    SFreeTextFaults faults;
    CFaultCollector collector(faults, limit, counted);
    const CObjectManager::List& list = parts.GetList();
    for (size_t index = 0; index < list.size() && !collector.Done(); ++index)
        CheckPart(collector, *list[index], index);
    return faults;
}

} // namespace

SDiagnosticCount SFreeTextFaults::Unlisted() const
{
    SDiagnosticCount unlisted = m_found;
    for (const SFreeTextFault& fault : m_listed)
        --(fault.m_diagnostic.m_severity == ESeverity::Error ? unlisted.m_errors : unlisted.m_warnings);
    return unlisted;
}

std::vector<SFreeTextFault> CheckFreeTexts(const CPartsManager& parts, size_t limit)
{
    return CheckCatalogue(parts, limit, false).m_listed;
}

SFreeTextFaults CountFreeTextFaults(const CPartsManager& parts, size_t limit)
{
    return CheckCatalogue(parts, limit, true);
}

std::vector<SFreeTextFault> CheckFreeTextsOf(const CObject& part, size_t index, size_t limit)
{
    SFreeTextFaults faults;
    CFaultCollector collector(faults, limit, false);
    CheckPart(collector, part, index);
    return std::move(faults.m_listed);
}
