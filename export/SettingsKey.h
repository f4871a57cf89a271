#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The program's settings key as the export options need it: named values that are either
// 4-byte integers or something else. The window program keeps them in its settings store.
class ISettingsKey {
public:
    virtual ~ISettingsKey() = default;

    // The value when it exists and is a 4-byte integer; nothing when it is missing, of
    // another size or cannot be read.
    virtual std::optional<int32_t> ReadInt32(std::string_view name) = 0;
    // Stores the value as a 4-byte integer; false when the store refuses it.
    virtual bool WriteInt32(std::string_view name, int32_t value) = 0;
    // The value when it exists and is text (UTF-8); a store without text reads nothing.
    virtual std::optional<std::string> ReadText(std::string_view) { return std::nullopt; }
    virtual bool WriteText(std::string_view, std::string_view) { return false; }
};

// An opened settings key. A key that could not be opened reads nothing and writes nothing.
class CRegistryKey {
public:
    CRegistryKey() = default;
    explicit CRegistryKey(ISettingsKey& store) : m_pStore(&store) {}

    bool Create(ISettingsKey& store);
    bool IsOpen() const { return m_pStore != nullptr; }

    // Reads a 4-byte integer into value. A missing or malformed value is replaced by the
    // default at once, so that every setting exists after the first start; the result is
    // then whether that write succeeded.
    bool ReadDword(std::string_view name, int32_t& value, int32_t defaultValue);
    // As ReadDword; a negative number reads as 0.
    bool ReadDwordNonNegative(std::string_view name, int32_t& value, int32_t defaultValue);
    bool WriteDword(std::string_view name, int32_t value);

private:
    friend class CRegistryValue;

    ISettingsKey* m_pStore = nullptr;
};

// One named value of a key, made for one access.
class CRegistryValue {
public:
    CRegistryValue(CRegistryKey& key, std::string_view name) : m_key(key), m_name(name) {}

    bool Read();
    // Reads the value; true only when it is a 4-byte integer.
    bool GetDword(int32_t& value);
    // Stores the value as a 4-byte integer and writes it at once.
    bool SetDword(int32_t value);

private:
    CRegistryKey& m_key;
    std::string m_name;
    std::optional<int32_t> m_data;
};

// A settings key in memory that remembers whether each value is a 4-byte integer or text.
class CMemorySettingsKey : public ISettingsKey {
public:
    using Value = std::variant<int32_t, std::string>;

    std::optional<int32_t> ReadInt32(std::string_view name) override;
    bool WriteInt32(std::string_view name, int32_t value) override;
    std::optional<std::string> ReadText(std::string_view name) override;
    bool WriteText(std::string_view name, std::string_view text) override;

    void SetText(std::string_view name, std::string text) { m_values[std::string(name)] = std::move(text); }
    const Value* Find(std::string_view name) const;

    std::map<std::string, Value, std::less<>> m_values;
    // Makes every write fail, as a store that cannot be written does.
    bool m_refuseWrites = false;
};
