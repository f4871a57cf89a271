#pragma once

#include "model/PartSnapshot.h"

#include <QUndoCommand>

#include <functional>
#include <memory>

class CModelwrightDoc;
class CNamedObject;

using SharedSnapshot = std::shared_ptr<const CPartSnapshot>;

// One undoable change to a part of the catalogue, kept as the part before and after it at
// its place in the parts list: nothing before is a new part, nothing after a deleted one. The
// change is made when the step is pushed; undo and redo put the part back from its snapshot.
class CPartStep : public QUndoCommand {
public:
    // Told of the part a step put in place (null when it took the part out).
    using Shown = std::function<void(CNamedObject* part)>;

    CPartStep(const QString& text, CModelwrightDoc& document, size_t index, SharedSnapshot before,
        SharedSnapshot after, Shown shown);

    void undo() override { Put(m_after, m_before); }
    void redo() override;

    size_t Index() const { return m_index; }
    const SharedSnapshot& After() const { return m_after; }

private:
    void Put(const SharedSnapshot& present, const SharedSnapshot& wanted);

    CModelwrightDoc& m_document;
    size_t m_index;
    SharedSnapshot m_before;
    SharedSnapshot m_after;
    Shown m_shown;
    bool m_made = true;
};

// One undoable change to the catalogue's header (its own fields or an address record).
class CHeaderStep : public QUndoCommand {
public:
    CHeaderStep(const QString& text, CModelwrightDoc& document, SharedSnapshot before, SharedSnapshot after);

    void undo() override { Put(*m_before); }
    void redo() override;

private:
    void Put(const CPartSnapshot& wanted);

    CModelwrightDoc& m_document;
    SharedSnapshot m_before;
    SharedSnapshot m_after;
    bool m_made = true;
};
