#pragma once

#include "model/Object.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CNamedObject;

// A named object's whole state, kept as the document file's own bytes for it (with everything
// it owns) plus a platform's free text, which earlier files did not keep. A history step keeps
// these to put a part back exactly as it was; a copy made from them has the same number and name.
class CPartSnapshot {
public:
    static CPartSnapshot Take(CNamedObject& object);

    // A new object like the one taken; accepted names the classes it may be of.
    std::unique_ptr<CNamedObject> Restore(std::span<const CRuntimeClass* const> accepted) const;
    template <class T>
    std::unique_ptr<T> Restore() const
    {
        const CRuntimeClass* accepted[] = {T::ThisClass()};
        return std::unique_ptr<T>(static_cast<T*>(Restore(accepted).release()));
    }

    // The snapshot as bytes that carry a part from one window to another (the clipboard), and
    // back; nothing for bytes not written so. The part's own bytes are checked on Restore.
    std::vector<uint8_t> ToBytes() const;
    static std::optional<CPartSnapshot> FromBytes(std::span<const uint8_t> bytes);

    // The memory the snapshot holds.
    size_t Size() const { return m_bytes.capacity() + m_unkeptText.capacity() + sizeof(*this); }
    bool operator==(const CPartSnapshot&) const = default;

private:
    std::vector<uint8_t> m_bytes;
    // A platform's free text (also in the bytes), as copies made by earlier versions carry it.
    std::string m_unkeptText;
    // Writing gives a nameless object its default name; the copy is nameless again.
    bool m_nameless = false;
};
