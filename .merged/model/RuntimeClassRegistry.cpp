#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/Decoration.h"
#include "model/DecorationManager.h"
#include "model/Header.h"
#include "model/Manufacturer.h"
#include "model/Object.h"
#include "model/ObjectManager.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "model/SerializationManager.h"
#include "model/Tree.h"

#include <cstring>

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, 0xFFFF, false, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive&)
{
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass)
        if (cls == base)
            return true;
    return false;
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

std::span<const CRuntimeClass* const> CRuntimeClass::AllClasses()
{
    // Listed here, not by self-registration, so that no class is lost when a static library
    // drops an object file nobody refers to.
    static const CRuntimeClass* const classes[] = {
        RUNTIME_CLASS(CNamedObject),
        RUNTIME_CLASS(CObjectManager),
        RUNTIME_CLASS(CSerializationManager),
        RUNTIME_CLASS(CPartsManager),
        RUNTIME_CLASS(CHeader),
        RUNTIME_CLASS(CManufacturer),
        RUNTIME_CLASS(CTree),
        RUNTIME_CLASS(CPlatform),
        RUNTIME_CLASS(CBuilding),
        RUNTIME_CLASS(CBuildingElement),
        RUNTIME_CLASS(CDecorationManager),
        RUNTIME_CLASS(CDecoration),
    };
    return classes;
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name)
{
    for (const CRuntimeClass* cls : AllClasses())
        if (name == cls->m_className)
            return cls;
    return nullptr;
}
