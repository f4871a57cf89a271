#include "model/PartKind.h"

#include "model/Archive.h"

namespace {

std::optional<EPartKind> PartKindOfClass(const CRuntimeClass& cls)
{
    if (cls.IsDerivedFrom(RUNTIME_CLASS(CTree)))
        return EPartKind::tree;
    if (cls.IsDerivedFrom(RUNTIME_CLASS(CBuilding)))
        return EPartKind::building;
    if (cls.IsDerivedFrom(RUNTIME_CLASS(CPlatform)))
        return EPartKind::platform;
    return std::nullopt;
}

} // namespace

std::optional<EPartKind> PartKindOf(const CObject& object)
{
    return PartKindOfClass(*object.GetRuntimeClass());
}

std::optional<EPartKind> PartKindNamed(std::string_view className)
{
    const CRuntimeClass* cls = CRuntimeClass::FromName(className);
    return cls ? PartKindOfClass(*cls) : std::nullopt;
}

std::unique_ptr<CNamedObject> MakePart(EPartKind kind)
{
    switch (kind) {
    case EPartKind::tree:
        return std::make_unique<CTree>();
    case EPartKind::building:
        return std::make_unique<CBuilding>();
    case EPartKind::platform:
        break;
    }
    return std::make_unique<CPlatform>();
}

void ChooseStoredSchema(CArchive& archive, const CNamedObject& part)
{
    const auto keepFreeText = [&archive](const auto& kind, uint16_t schema) {
        if (!kind.m_freeText.empty())
            archive.StoreClassWithSchema(kind.ThisClass(), schema);
    };
    VisitPart(part, Overloaded {
                        [](const CTree&) { },
                        [&](const CBuilding& building) { keepFreeText(building, CBuilding::kSchemaWithFreeText); },
                        [&](const CPlatform& platform) { keepFreeText(platform, CPlatform::kSchemaWithFreeText); },
                    });
}
