#pragma once

#include "model/NamedObject.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

class IObjectEditor;

// A named object that owns an ordered list of named objects. It is a plain container: whoever
// runs a command on it decides whether the document changed.
class CObjectManager : public CNamedObject {
    DECLARE_SERIAL(CObjectManager)
public:
    using List = std::vector<std::unique_ptr<CNamedObject>>;

    void Serialize(CArchive& archive) override;

    // Appends the object; false for none. Callers set the modified flag.
    virtual bool Add(std::unique_ptr<CNamedObject> object);
    // Gives the list its name.
    void Init(const std::string& name);
    // Removes and destroys the object (found by identity).
    virtual bool Delete(const CNamedObject* object);
    // Runs the editor on the object in place; true for OK.
    virtual bool EditObject(CNamedObject& object, IObjectEditor& editor);
    // Runs the editor on a new object; on OK the object gets its default name and the list
    // takes it (object is then null). Otherwise the caller keeps it.
    virtual bool NewObject(std::unique_ptr<CNamedObject>& object, IObjectEditor& editor);

    // The object at index taken out of the list, and an object put in at index: what a history
    // step does to bring a list back to an earlier state.
    std::unique_ptr<CNamedObject> TakeAt(size_t index);
    void InsertAt(size_t index, std::unique_ptr<CNamedObject> object);
    // The classes this list holds; a document naming another class here is refused.
    virtual std::span<const CRuntimeClass* const> ElementClasses() const;

    const List& GetList() const { return m_list; }
    size_t GetCount() const { return m_list.size(); }

    // The name for a copy of an object named original: the name itself while no element has
    // it, else its stem with the next number no element has, "Goods shed (2)"; a copy of
    // "Goods shed (2)" is "Goods shed (3)".
    std::string CopyName(const std::string& original) const;

protected:
    List m_list;
};

// The elements of a list that holds one kind, as that kind.
template <class T>
T& ElementAs(const std::unique_ptr<CNamedObject>& element)
{
    return static_cast<T&>(*element);
}
