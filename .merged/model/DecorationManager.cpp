#include "model/DecorationManager.h"

#include "model/Archive.h"

IMPLEMENT_SERIAL_VERSIONABLE(CDecorationManager, CObjectManager, 1)

std::span<const CRuntimeClass* const> CDecorationManager::ElementClasses() const
{
    static const CRuntimeClass* const classes[] = {RUNTIME_CLASS(CDecoration)};
    return classes;
}

void CDecorationManager::Serialize(CArchive& archive)
{
    // Every stored schema number is accepted.
    CObjectManager::Serialize(archive);
}
