#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <type_traits>

class CArchive;
class CObject;

// What the document file needs to know of a class: its stored name, its base, how to make
// an empty one, and its schema number (versionable classes hand any stored number to the
// object's own loader).
struct CRuntimeClass {
    const char* m_className;
    const CRuntimeClass* m_pBaseClass;
    uint16_t m_schema;
    bool m_versionable;
    std::unique_ptr<CObject> (*m_pfnCreateObject)();

    bool IsDerivedFrom(const CRuntimeClass* base) const;
    std::unique_ptr<CObject> CreateObject() const;

    // The classes a document file may name, matched exactly; null for any other name.
    static const CRuntimeClass* FromName(std::string_view name);
    static std::span<const CRuntimeClass* const> AllClasses();
};

class CObject {
public:
    static const CRuntimeClass classCObject;
    static const CRuntimeClass* ThisClass() { return &classCObject; }

    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& archive);

    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
};

// Passed to the constructor of a class that has one for an object the document file is about to
// fill, so that it makes nothing the file replaces at once.
struct ToBeLoaded {};

template <class T>
std::unique_ptr<CObject> MakeToBeLoaded()
{
    if constexpr (std::is_constructible_v<T, ToBeLoaded>)
        return std::make_unique<T>(ToBeLoaded{});
    else
        return std::make_unique<T>();
}

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_SERIAL(cls)                                                                        \
public:                                                                                            \
    static const CRuntimeClass class##cls;                                                         \
    static const CRuntimeClass* ThisClass() { return &class##cls; }                                \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_SERIAL_CLASS(cls, base, schema, versionable)                                     \
    const CRuntimeClass cls::class##cls = {#cls, &base::class##base, schema, versionable,          \
        &MakeToBeLoaded<cls>};                     \
    const CRuntimeClass* cls::GetRuntimeClass() const { return &class##cls; }

// A class whose stored schema must match exactly.
#define IMPLEMENT_SERIAL(cls, base, schema) IMPLEMENT_SERIAL_CLASS(cls, base, schema, false)
// A class that accepts every stored schema number and checks it in its own loader.
#define IMPLEMENT_SERIAL_VERSIONABLE(cls, base, schema) IMPLEMENT_SERIAL_CLASS(cls, base, schema, true)

template <class T>
T* DynamicDowncast(CObject* object)
{
    return object && object->IsKindOf(T::ThisClass()) ? static_cast<T*>(object) : nullptr;
}

template <class T>
const T* DynamicDowncast(const CObject* object)
{
    return object && object->IsKindOf(T::ThisClass()) ? static_cast<const T*>(object) : nullptr;
}
