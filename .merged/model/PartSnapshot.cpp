#include "model/PartSnapshot.h"

#include "model/Archive.h"
#include "model/PartKind.h"

#include <algorithm>
#include <string_view>

namespace {

// Carried bytes: this tag, the nameless mark, then the unkept text and the part's document
// bytes, each after its length (four bytes, least significant first).
constexpr std::string_view kCarriedTag = "Modelwright part 1\n";

void AppendLength(std::vector<uint8_t>& out, size_t length)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(length >> shift));
}

// The next length-prefixed piece, or nothing when the bytes end before it does.
std::optional<std::span<const uint8_t>> TakePiece(std::span<const uint8_t>& bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    size_t length = 0;
    for (int index = 3; index >= 0; --index)
        length = length << 8 | bytes[size_t(index)];
    bytes = bytes.subspan(4);
    if (length > bytes.size())
        return std::nullopt;
    const std::span<const uint8_t> piece = bytes.first(length);
    bytes = bytes.subspan(length);
    return piece;
}

// A platform's free text, carried beside the part's bytes too: copies made by versions whose
// documents left it out carry it only there.
std::string* UnkeptText(CNamedObject& object)
{
    return VisitPart(object, Overloaded {
                                 [](CTree&) -> std::string* { return nullptr; },
                                 [](CBuilding&) -> std::string* { return nullptr; },
                                 [](CPlatform& platform) { return &platform.m_freeText; },
                             })
        .value_or(nullptr);
}

}

CPartSnapshot CPartSnapshot::Take(CNamedObject& object)
{
    CPartSnapshot snapshot;
    snapshot.m_nameless = object.m_name.empty();
    CArchive archive(CArchive::store, snapshot.m_bytes);
    ChooseStoredSchema(archive, object);
    archive.WriteObject(&object);
    if (snapshot.m_nameless)
        object.m_name.clear();
    snapshot.m_bytes.shrink_to_fit();
    if (const std::string* text = UnkeptText(object))
        snapshot.m_unkeptText = *text;
    return snapshot;
}

std::unique_ptr<CNamedObject> CPartSnapshot::Restore(std::span<const CRuntimeClass* const> accepted) const
{
    CArchive archive(CArchive::load, m_bytes);
    std::unique_ptr<CNamedObject> object(static_cast<CNamedObject*>(archive.ReadOwnedObject(accepted).release()));
    if (std::string* text = UnkeptText(*object))
        *text = m_unkeptText;
    if (m_nameless)
        object->m_name.clear();
    return object;
}

std::vector<uint8_t> CPartSnapshot::ToBytes() const
{
    std::vector<uint8_t> out(kCarriedTag.begin(), kCarriedTag.end());
    out.push_back(m_nameless ? 1 : 0);
    AppendLength(out, m_unkeptText.size());
    out.insert(out.end(), m_unkeptText.begin(), m_unkeptText.end());
    AppendLength(out, m_bytes.size());
    out.insert(out.end(), m_bytes.begin(), m_bytes.end());
    return out;
}

std::optional<CPartSnapshot> CPartSnapshot::FromBytes(std::span<const uint8_t> bytes)
{
    if (bytes.size() <= kCarriedTag.size() || !std::equal(kCarriedTag.begin(), kCarriedTag.end(), bytes.begin()))
        return std::nullopt;
    bytes = bytes.subspan(kCarriedTag.size());
    CPartSnapshot snapshot;
    if (bytes[0] > 1)
        return std::nullopt;
    snapshot.m_nameless = bytes[0] == 1;
    bytes = bytes.subspan(1);
    const auto text = TakePiece(bytes);
    const auto part = text ? TakePiece(bytes) : std::nullopt;
    if (!part || !bytes.empty())
        return std::nullopt;
    snapshot.m_unkeptText.assign(text->begin(), text->end());
    snapshot.m_bytes.assign(part->begin(), part->end());
    return snapshot;
}
