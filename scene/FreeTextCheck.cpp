#include "scene/FreeTextCheck.h"

#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "model/TextCodec.h"
#include "model/Tree.h"
#include "scene/PartsReader.h"

namespace {

class CFaultCollector {
public:
    CFaultCollector(std::vector<SFreeTextFault>& faults, size_t limit) : m_faults(faults), m_limit(limit) { }

    bool Full() const { return m_faults.size() >= m_limit; }

    void Check(size_t part, const std::string& partName, const std::string& elementName, const std::string& freeText)
    {
        if (freeText.empty() || Full())
            return;
        // The reader sees the bytes the parts file gets.
        std::string bytes;
        AppendCp1252Lossy(freeText, bytes);
        for (SDiagnostic& diagnostic : ReadStructureBody(bytes).m_diagnostics) {
            if (Full())
                return;
            m_faults.push_back({part, partName, elementName, std::move(diagnostic)});
        }
    }

private:
    std::vector<SFreeTextFault>& m_faults;
    size_t m_limit;
};

void CheckPart(CFaultCollector& collector, const CObject& part, size_t index)
{
    if (const auto* tree = dynamic_cast<const CTree*>(&part)) {
        collector.Check(index, tree->m_name, {}, tree->m_freeText);
    } else if (const auto* platform = dynamic_cast<const CPlatform*>(&part)) {
        collector.Check(index, platform->m_name, {}, platform->m_freeText);
    } else if (const auto* building = dynamic_cast<const CBuilding*>(&part)) {
        // In the order of the parts file: the elements first, the building's own text last.
        for (const auto& element : building->GetList()) {
            const auto& buildingElement = ElementAs<CBuildingElement>(element);
            collector.Check(index, building->m_name, buildingElement.m_name, buildingElement.m_freeText);
        }
        collector.Check(index, building->m_name, {}, building->m_freeText);
    }
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
