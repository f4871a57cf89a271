#include "ui/CatalogueSteps.h"

#include "model/ModelwrightDoc.h"

CPartStep::CPartStep(const QString& text, CModelwrightDoc& document, size_t index, SharedSnapshot before,
    SharedSnapshot after, Shown shown)
    : QUndoCommand(text)
    , m_document(document)
    , m_index(index)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_shown(std::move(shown))
{
}

void CPartStep::redo()
{
    // The first redo is the push of a change the user has just made.
    if (std::exchange(m_made, false))
        return;
    Put(m_before, m_after);
}

void CPartStep::Put(const SharedSnapshot& present, const SharedSnapshot& wanted)
{
    m_document.AboutToChange();
    CObjectManager& parts = m_document.Parts();
    // Made first, so the list is never left half changed.
    std::unique_ptr<CNamedObject> part = wanted ? wanted->Restore(parts.ElementClasses()) : nullptr;
    CNamedObject* shown = part.get();
    if (present && m_index < parts.GetCount())
        parts.TakeAt(m_index);
    if (part)
        parts.InsertAt(m_index, std::move(part));
    if (m_shown)
        m_shown(shown);
}

CHeaderStep::CHeaderStep(const QString& text, CModelwrightDoc& document, SharedSnapshot before, SharedSnapshot after)
    : QUndoCommand(text)
    , m_document(document)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void CHeaderStep::redo()
{
    if (std::exchange(m_made, false))
        return;
    Put(*m_after);
}

void CHeaderStep::Put(const CPartSnapshot& wanted)
{
    m_document.AboutToChange();
    m_document.Parts().m_pHeader = wanted.Restore<CHeader>();
}
