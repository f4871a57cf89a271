#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Builds expected document bytes piece by piece, in the words of the file format.
class ByteBuilder {
public:
    ByteBuilder& Bytes(std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            m_bytes.push_back(static_cast<uint8_t>(b));
        return *this;
    }
    ByteBuilder& Int32(int32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
        return *this;
    }
    ByteBuilder& UInt16(uint16_t value) { return Bytes({value & 0xFF, value >> 8}); }
    ByteBuilder& Raw(std::string_view text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    // A short string: one length byte and the characters.
    ByteBuilder& String(std::string_view text)
    {
        m_bytes.push_back(static_cast<uint8_t>(text.size()));
        return Raw(text);
    }
    ByteBuilder& NewClass(std::string_view name, uint16_t schema)
    {
        return UInt16(0xFFFF).UInt16(schema).UInt16(static_cast<uint16_t>(name.size())).Raw(name);
    }
    ByteBuilder& ClassRef(uint16_t index) { return UInt16(static_cast<uint16_t>(0x8000 | index)); }
    ByteBuilder& NamedObject(int32_t id, std::string_view name) { return Int32(1).Int32(id).String(name); }
    // An empty list part: format word, name and a count.
    ByteBuilder& ListPart(std::string_view name, int32_t count) { return Int32(1).String(name).Int32(count); }

    const std::vector<uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};
