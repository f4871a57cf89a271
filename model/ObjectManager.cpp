#include "model/ObjectManager.h"

#include "model/Archive.h"
#include "model/Exceptions.h"
#include "model/ObjectEditor.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

IMPLEMENT_SERIAL(CObjectManager, CNamedObject, 1)

namespace {
// The smallest object reference: a 2-byte class tag.
constexpr size_t kMinReferenceSize = 2;
}

std::span<const CRuntimeClass* const> CObjectManager::ElementClasses() const
{
    static const CRuntimeClass* const classes[] = {RUNTIME_CLASS(CNamedObject)};
    return classes;
}

void CObjectManager::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        archive.WriteInt32(1);
        archive.WriteString(m_name);
        archive.WriteInt32(static_cast<int32_t>(m_list.size()));
        for (const auto& element : m_list)
            archive.WriteObject(element.get());
        return;
    }
    if (archive.ReadInt32() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    m_list.clear();
    archive.ReadString(m_name);
    const int32_t count = archive.ReadInt32();
    if (count < 0 || static_cast<size_t>(count) > archive.BytesLeft() / kMinReferenceSize)
        throw CArchiveException(CArchiveException::endOfFile);
    m_list.reserve(static_cast<size_t>(count));
    const auto accepted = ElementClasses();
    for (int32_t i = 0; i < count; ++i) {
        auto object = archive.ReadOwnedObject(accepted);
        m_list.emplace_back(static_cast<CNamedObject*>(object.release()));
    }
}

bool CObjectManager::Add(std::unique_ptr<CNamedObject> object)
{
    if (!object)
        return false;
    m_list.push_back(std::move(object));
    return true;
}

void CObjectManager::Init(const std::string& name)
{
    m_name = name;
}

bool CObjectManager::Delete(const CNamedObject* object)
{
    const auto found = std::find_if(
        m_list.begin(), m_list.end(), [object](const auto& element) { return element.get() == object; });
    if (!object || found == m_list.end())
        return false;
    m_list.erase(found);
    return true;
}

bool CObjectManager::EditObject(CNamedObject& object, IObjectEditor& editor)
{
    return editor.Edit(object, *this);
}

bool CObjectManager::NewObject(std::unique_ptr<CNamedObject>& object, IObjectEditor& editor)
{
    if (!object || !editor.Edit(*object, *this))
        return false;
    object->SetDefaultName();
    m_list.push_back(std::move(object));
    return true;
}

std::unique_ptr<CNamedObject> CObjectManager::TakeAt(size_t index)
{
    std::unique_ptr<CNamedObject> object = std::move(m_list.at(index));
    m_list.erase(m_list.begin() + static_cast<std::ptrdiff_t>(index));
    return object;
}

void CObjectManager::InsertAt(size_t index, std::unique_ptr<CNamedObject> object)
{
    m_list.insert(m_list.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_list.size())), std::move(object));
}

namespace {

// The name without a copy's " (N)" at its end.
std::string CopyStem(const std::string& name)
{
    if (name.size() < 4 || name.back() != ')')
        return name;
    const size_t open = name.rfind(" (");
    if (open == std::string::npos || open + 3 > name.size() - 1)
        return name;
    const std::string_view digits(name.data() + open + 2, name.size() - open - 3);
    const bool number = std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    return number && digits.front() != '0' ? name.substr(0, open) : name;
}

}

std::string CObjectManager::CopyName(const std::string& original) const
{
    std::unordered_set<std::string_view> taken;
    for (const auto& element : m_list)
        taken.insert(element->m_name);
    if (!taken.contains(original))
        return original;
    const std::string stem = CopyStem(original);
    // A list holds fewer names than this, so a free number is always found.
    for (size_t number = 2;; ++number) {
        std::string name = stem + " (" + std::to_string(number) + ')';
        if (!taken.contains(name))
            return name;
    }
}
