#pragma once

#include "model/Object.h"

#include <cstdint>
#include <string>

// Base of every thing the user defines: a name shown in lists ("Description" in the
// dialogs) and a number from a process-wide running counter.
class CNamedObject : public CObject {
    DECLARE_SERIAL(CNamedObject)
public:
    CNamedObject();

    void Serialize(CArchive& archive) override;

    // Gives a nameless object the name "<class> <number>"; true when it did.
    virtual bool SetDefaultName();
    // Gives the object the next number, as a new object gets: a copy is told from its original.
    void TakeNewNumber() { m_id = TakeNextId(); }

    // The number the next object will take; the counter is never reset.
    static int32_t PeekNextId();

    std::string m_name;
    int32_t m_id;

protected:
    // For an object that is never stored: it takes no number, so the parts made after it are
    // numbered as they would be without it.
    struct SUnnumbered {};
    explicit CNamedObject(SUnnumbered) : m_id(0) {}

    static int32_t TakeNextId();
};
