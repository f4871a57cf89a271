#pragma once

#include "model/Object.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The document file's archive stream, over memory or over a file read in pieces: little-endian
// integers, length-prefixed strings and object references with class records, one index
// counter for classes and objects, and the escape tag for large indices. Reading checks every
// length against the bytes that are left before it takes memory for it.
class CArchive {
public:
    enum StoreMode { store };
    enum LoadMode { load };

    // Stores into out (appending).
    CArchive(StoreMode, std::vector<uint8_t>& out);
    // Loads from bytes, which must outlive the archive.
    CArchive(LoadMode, std::span<const uint8_t> bytes);
    // Loads size bytes that read hands over in pieces: it fills the buffer it is given as far
    // as it can and returns how much it filled, less only at the end. Only a window of them is
    // held at a time.
    using ReadFunction = std::function<size_t(uint8_t* into, size_t size)>;
    CArchive(LoadMode, uint64_t size, ReadFunction read);

    bool IsStoring() const { return m_out != nullptr; }
    bool IsLoading() const { return m_out == nullptr; }

    void WriteInt32(int32_t value);
    void WriteUInt32(uint32_t value);
    void WriteString(std::string_view utf8);
    // Writes an object reference: null, or the object's class reference and its data.
    // Every object has one owner, so no object is ever written twice.
    void WriteObject(const CObject* object);

    int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
    uint32_t ReadUInt32()
    {
        // Every field passes here: the common case stays inline.
        if (m_in.size() - m_pos < 4)
            Fill(4);
        const uint8_t* b = m_in.data() + m_pos;
        m_pos += 4;
        return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16)
            | (static_cast<uint32_t>(b[3]) << 24);
    }
    std::string ReadString();
    // The same into text, without a string of its own in between.
    void ReadString(std::string& text);
    // Reads an object reference that must bring a new object of one of the accepted
    // classes (or a class derived from one); a null or a back-reference is refused.
    std::unique_ptr<CObject> ReadOwnedObject(std::span<const CRuntimeClass* const> accepted);
    template <class T>
    std::unique_ptr<T> ReadOwned()
    {
        const CRuntimeClass* accepted[] = {T::ThisClass()};
        return std::unique_ptr<T>(static_cast<T*>(ReadOwnedObject(accepted).release()));
    }

    // The stored schema number of the object being loaded; 0xFFFFFFFF outside a load.
    uint32_t GetObjectSchema() const { return m_pendingSchema; }
    // While storing: the class is written with this schema number instead of its own. The
    // class record is written once, so this is chosen before the first object of the class.
    void StoreClassWithSchema(const CRuntimeClass* cls, uint16_t schema);
    // The schema number the class is written with.
    uint16_t SchemaToStore(const CRuntimeClass* cls) const;

    uint64_t BytesLeft() const { return m_size - Position(); }
    // How many bytes have been read.
    uint64_t Position() const { return m_windowStart + m_pos; }
    // While storing, hands on what has been written whenever it has grown past a step, between
    // two objects; the archive then starts its buffer afresh. The callback may throw to end the
    // store.
    void SetPassOn(std::function<void(std::span<const uint8_t>)> passOn) { m_passOn = std::move(passOn); }
    // Hands on what is still in the buffer.
    void PassOnRest();

    static constexpr uint32_t kMaxMapCount = 0x3FFFFFFE;

private:
    void WriteUInt16(uint16_t value);
    void WriteBytes(const void* data, size_t size);
    void WriteLengthPrefix(size_t length);
    void WriteClassReference(const CRuntimeClass* cls);
    uint32_t TakeStoreIndex();

    [[noreturn]] static void FailAtEnd();
    // Makes the window hold at least n bytes from the position on, or fails at the end.
    void Fill(size_t n);
    uint8_t ReadUInt8();
    uint16_t ReadUInt16();
    const uint8_t* ReadBytes(size_t size);
    size_t ReadLengthPrefix();
    const CRuntimeClass* ReadClassRecord(uint32_t& storedSchema);
    uint32_t TakeLoadIndex();

    std::vector<uint8_t>* m_out = nullptr;
    // While loading: the bytes at hand, from m_windowStart of all m_size on; m_pos is in them.
    std::span<const uint8_t> m_in;
    size_t m_pos = 0;
    uint64_t m_windowStart = 0;
    uint64_t m_size = 0;
    ReadFunction m_read;
    std::unique_ptr<uint8_t[]> m_window;
    size_t m_windowSize = 0;
    uint32_t m_mapCount = 1;
    uint32_t m_pendingSchema = 0xFFFFFFFF;
    // Classes met so far: the writer's indices by class (a program has few classes), the
    // reader's classes by index (with the schema stored for each), in the rising order the
    // indices are taken, so that a search needs no hashing per object.
    struct StoredClass {
        const CRuntimeClass* cls;
        uint32_t index;
    };
    std::vector<StoredClass> m_storedClasses;
    struct ChosenSchema {
        const CRuntimeClass* cls;
        uint16_t schema;
    };
    std::vector<ChosenSchema> m_chosenSchemas;
    struct LoadedClass {
        uint32_t index;
        const CRuntimeClass* cls;
        uint32_t schema;
    };
    std::vector<LoadedClass> m_loadedClasses;
    // Where in m_loadedClasses, counted from 1, the classes of the first indexes are: every
    // object names its class, and a document's classes come early.
    std::array<uint8_t, 256> m_loadedClassAt {};
    const LoadedClass* FindLoadedClass(uint32_t index) const;
    std::function<void(std::span<const uint8_t>)> m_passOn;
};
