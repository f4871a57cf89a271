#pragma once

#include "model/NamedObject.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

class CDocument;
class IObjectEditor;

// A named object that owns an ordered list of named objects and sets its document's
// modified flag when the list changes through it.
class CObjectManager : public CNamedObject {
    DECLARE_SERIAL(CObjectManager)
public:
    using List = std::vector<std::unique_ptr<CNamedObject>>;

    void Serialize(CArchive& archive) override;

    virtual bool ForEachListHook();
    virtual bool WriteNames(std::string& out) const;
    // Appends the object; false for none. Callers set the modified flag.
    virtual bool Add(std::unique_ptr<CNamedObject> object);
    virtual bool AttachAll();
    virtual void Init(const std::string& name, CDocument* document, IObjectEditor* editDialog = nullptr,
        IObjectEditor* viewDialog = nullptr);
    // Removes and destroys the object (found by identity) and marks the document modified.
    virtual bool Delete(const CNamedObject* object);
    virtual CNamedObject* FindById(int32_t id) const;
    // Runs the dialog on the object in place; OK marks the document modified.
    virtual bool EditObject(CNamedObject& object, IObjectEditor* dialog = nullptr);
    virtual bool ShowObject(IObjectEditor* dialog = nullptr);
    // Runs the dialog on a new object; on OK the object gets its default name, the list takes
    // it (object is then null) and the document is marked modified. Otherwise the caller
    // keeps it.
    virtual bool NewObject(std::unique_ptr<CNamedObject>& object, IObjectEditor* dialog = nullptr);

    void DeleteAll();

    const List& GetList() const { return m_list; }
    size_t GetCount() const { return m_list.size(); }
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* document) { m_pDocument = document; }
    bool IsInitialized() const { return m_initialized != 0; }

protected:
    // The classes this list holds; a document naming another class here is refused.
    virtual std::span<const CRuntimeClass* const> ElementClasses() const;
    void SetModified();

    IObjectEditor* m_pEditDialog = nullptr;
    IObjectEditor* m_pViewDialog = nullptr;
    List m_list;
    CDocument* m_pDocument = nullptr;
    int32_t m_initialized = 0;
};

// The elements of a list that holds one kind, as that kind.
template <class T>
T& ElementAs(const std::unique_ptr<CNamedObject>& element)
{
    return static_cast<T&>(*element);
}
