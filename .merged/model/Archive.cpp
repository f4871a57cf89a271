#include "model/Archive.h"

#include "model/Exceptions.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t kNullTag = 0x0000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint32_t kBigClassTag = 0x80000000;
constexpr uint16_t kUnicodeMarker = 0xFFFE;
constexpr size_t kMaxClassNameLength = 63;
// The bytes a streamed load holds at a time: small enough to stay in the processor's cache.
constexpr size_t kWindowSize = size_t(64) << 10;
// How much storing gathers before handing it on.
constexpr size_t kPassOnStep = size_t(1) << 20;
// The length prefix value that stands for the 16-bit string form.
constexpr size_t kUnicodeLength = static_cast<size_t>(-1);

[[noreturn]] void Fail(CArchiveException::Cause cause)
{
    throw CArchiveException(cause);
}

} // namespace

CArchive::CArchive(StoreMode, std::vector<uint8_t>& out)
    : m_out(&out)
{
}

CArchive::CArchive(LoadMode, std::span<const uint8_t> bytes)
    : m_in(bytes)
    , m_size(bytes.size())
{
}

CArchive::CArchive(LoadMode, uint64_t size, ReadFunction read)
    : m_size(size)
    , m_read(std::move(read))
{
}

void CArchive::WriteBytes(const void* data, size_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(data);
    m_out->insert(m_out->end(), bytes, bytes + size);
}

void CArchive::WriteUInt16(uint16_t value)
{
    const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    WriteBytes(bytes, 2);
}

void CArchive::WriteUInt32(uint32_t value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    WriteBytes(bytes, 4);
}

void CArchive::WriteInt32(int32_t value)
{
    WriteUInt32(static_cast<uint32_t>(value));
}

void CArchive::WriteLengthPrefix(size_t length)
{
    if (length < 0xFF) {
        m_out->push_back(static_cast<uint8_t>(length));
    } else if (length < 0xFFFE) {
        m_out->push_back(0xFF);
        WriteUInt16(static_cast<uint16_t>(length));
    } else {
        m_out->push_back(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<uint32_t>(length));
    }
}

void CArchive::WriteString(std::string_view utf8)
{
    if (IsAscii(utf8)) {
        WriteLengthPrefix(utf8.size());
        WriteBytes(utf8.data(), utf8.size());
        return;
    }
    std::string bytes;
    if (TryCp1252FromUtf8(utf8, bytes)) {
        WriteLengthPrefix(bytes.size());
        WriteBytes(bytes.data(), bytes.size());
        return;
    }
    // Text the 8-bit code page cannot hold is kept whole in the 16-bit form.
    const std::u16string wide = Utf16FromUtf8(utf8);
    m_out->push_back(0xFF);
    WriteUInt16(kUnicodeMarker);
    WriteLengthPrefix(wide.size());
    for (const char16_t unit : wide)
        WriteUInt16(unit);
}

uint32_t CArchive::TakeStoreIndex()
{
    if (m_mapCount >= kMaxMapCount)
        Fail(CArchiveException::badIndex);
    return m_mapCount++;
}

void CArchive::WriteClassReference(const CRuntimeClass* cls)
{
    const auto known = std::find_if(m_storedClasses.begin(), m_storedClasses.end(),
        [cls](const StoredClass& stored) { return stored.cls == cls; });
    if (known != m_storedClasses.end()) {
        if (known->index < kBigObjectTag) {
            WriteUInt16(static_cast<uint16_t>(kClassTag | known->index));
        } else {
            WriteUInt16(kBigObjectTag);
            WriteUInt32(kBigClassTag | known->index);
        }
        return;
    }
    WriteUInt16(kNewClassTag);
    WriteUInt16(SchemaToStore(cls));
    const size_t nameLength = std::strlen(cls->m_className);
    WriteUInt16(static_cast<uint16_t>(nameLength));
    WriteBytes(cls->m_className, nameLength);
    m_storedClasses.push_back({cls, TakeStoreIndex()});
}

void CArchive::StoreClassWithSchema(const CRuntimeClass* cls, uint16_t schema)
{
    for (ChosenSchema& chosen : m_chosenSchemas)
        if (chosen.cls == cls) {
            chosen.schema = schema;
            return;
        }
    m_chosenSchemas.push_back({cls, schema});
}

uint16_t CArchive::SchemaToStore(const CRuntimeClass* cls) const
{
    for (const ChosenSchema& chosen : m_chosenSchemas)
        if (chosen.cls == cls)
            return chosen.schema;
    return cls->m_schema;
}

void CArchive::WriteObject(const CObject* object)
{
    if (!object) {
        WriteUInt16(kNullTag);
        return;
    }
    if (m_passOn && m_out->size() >= kPassOnStep)
        PassOnRest();
    WriteClassReference(object->GetRuntimeClass());
    TakeStoreIndex();
    // Serialize is not const in the archive's model: storing only reads the object.
    const_cast<CObject*>(object)->Serialize(*this);
}

void CArchive::PassOnRest()
{
    if (!m_passOn || m_out->empty())
        return;
    m_passOn(*m_out);
    m_out->clear();
}

void CArchive::FailAtEnd()
{
    Fail(CArchiveException::endOfFile);
}

void CArchive::Fill(size_t n)
{
    // A length is checked against the bytes that are left before memory is taken for it.
    if (!m_read || n > BytesLeft())
        FailAtEnd();
    const size_t kept = m_in.size() - m_pos;
    if (m_windowSize < n || !m_window) {
        auto larger = std::make_unique_for_overwrite<uint8_t[]>(std::max(n, kWindowSize));
        std::copy(m_in.begin() + static_cast<std::ptrdiff_t>(m_pos), m_in.end(), larger.get());
        m_window = std::move(larger);
        m_windowSize = std::max(n, kWindowSize);
    } else {
        std::memmove(m_window.get(), m_in.data() + m_pos, kept);
    }
    m_windowStart += m_pos;
    m_pos = 0;
    // Never beyond the size the document had when it was opened.
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>(m_windowSize, m_size - m_windowStart));
    size_t filled = kept;
    while (filled < n) {
        const size_t got = m_read(m_window.get() + filled, wanted - filled);
        if (got == 0)
            break;
        filled += got;
    }
    m_in = std::span<const uint8_t>(m_window.get(), filled);
    if (filled < n)
        FailAtEnd();
}

const uint8_t* CArchive::ReadBytes(size_t size)
{
    if (m_in.size() - m_pos < size)
        Fill(size);
    const uint8_t* start = m_in.data() + m_pos;
    m_pos += size;
    return start;
}

uint8_t CArchive::ReadUInt8()
{
    return *ReadBytes(1);
}

uint16_t CArchive::ReadUInt16()
{
    const uint8_t* b = ReadBytes(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

size_t CArchive::ReadLengthPrefix()
{
    const uint8_t first = ReadUInt8();
    if (first < 0xFF)
        return first;
    const uint16_t word = ReadUInt16();
    if (word == kUnicodeMarker)
        return kUnicodeLength;
    if (word < 0xFFFF)
        return word;
    return ReadUInt32();
}

std::string CArchive::ReadString()
{
    std::string text;
    ReadString(text);
    return text;
}

void CArchive::ReadString(std::string& text)
{
    size_t length = ReadLengthPrefix();
    if (length != kUnicodeLength) {
        const auto* bytes = reinterpret_cast<const char*>(ReadBytes(length));
        AssignUtf8FromCp1252(std::string_view(bytes, length), text);
        return;
    }
    length = ReadLengthPrefix();
    if (length == kUnicodeLength || length > BytesLeft() / 2)
        Fail(CArchiveException::endOfFile);
    text = Utf8FromUtf16Le(ReadBytes(length * 2), length);
}

uint32_t CArchive::TakeLoadIndex()
{
    if (m_mapCount >= kMaxMapCount)
        Fail(CArchiveException::badIndex);
    return m_mapCount++;
}

const CRuntimeClass* CArchive::ReadClassRecord(uint32_t& storedSchema)
{
    storedSchema = ReadUInt16();
    const uint16_t nameLength = ReadUInt16();
    if (nameLength > kMaxClassNameLength)
        Fail(CArchiveException::badClass);
    const auto* name = reinterpret_cast<const char*>(ReadBytes(nameLength));
    const CRuntimeClass* cls = CRuntimeClass::FromName(std::string_view(name, nameLength));
    if (!cls)
        Fail(CArchiveException::badClass);
    if (!cls->m_versionable && storedSchema != cls->m_schema)
        Fail(CArchiveException::badSchema);
    const uint32_t index = TakeLoadIndex();
    m_loadedClasses.push_back({index, cls, storedSchema});
    if (index < m_loadedClassAt.size() && m_loadedClasses.size() <= 0xFF)
        m_loadedClassAt[index] = static_cast<uint8_t>(m_loadedClasses.size());
    return cls;
}

const CArchive::LoadedClass* CArchive::FindLoadedClass(uint32_t index) const
{
    if (index < m_loadedClassAt.size()) {
        const uint8_t at = m_loadedClassAt[index];
        if (at)
            return &m_loadedClasses[at - 1u];
    }
    const auto found = std::lower_bound(m_loadedClasses.begin(), m_loadedClasses.end(), index,
        [](const LoadedClass& loaded, uint32_t wanted) { return loaded.index < wanted; });
    return found != m_loadedClasses.end() && found->index == index ? &*found : nullptr;
}

std::unique_ptr<CObject> CArchive::ReadOwnedObject(std::span<const CRuntimeClass* const> accepted)
{
    const uint16_t tag = ReadUInt16();
    const CRuntimeClass* cls = nullptr;
    uint32_t storedSchema = 0;
    if (tag == kNewClassTag) {
        cls = ReadClassRecord(storedSchema);
    } else {
        const uint32_t value = tag == kBigObjectTag ? ReadUInt32() : ((tag & 0x7FFFu) | ((tag & 0x8000u) << 16));
        if (!(value & kBigClassTag)) {
            // A null or a reference to an earlier object: never an owned object.
            if (value >= m_mapCount)
                Fail(CArchiveException::badIndex);
            Fail(CArchiveException::badClass);
        }
        const LoadedClass* known = FindLoadedClass(value & ~kBigClassTag);
        if (!known)
            Fail(CArchiveException::badIndex);
        cls = known->cls;
        storedSchema = known->schema;
    }

    bool isAccepted = false;
    for (const CRuntimeClass* base : accepted)
        isAccepted = isAccepted || cls->IsDerivedFrom(base);
    if (!isAccepted || !cls->m_pfnCreateObject)
        Fail(CArchiveException::badClass);

    std::unique_ptr<CObject> object = cls->CreateObject();
    TakeLoadIndex();
    const uint32_t enclosingSchema = m_pendingSchema;
    m_pendingSchema = storedSchema;
    object->Serialize(*this);
    m_pendingSchema = enclosingSchema;
    return object;
}
