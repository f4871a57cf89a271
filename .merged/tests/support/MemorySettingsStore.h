#pragma once

#include "settings/SettingsStore.h"

#include <map>
#include <string>
#include <variant>

// A settings store in memory that remembers whether each value is a 4-byte integer or text.
class CMemorySettingsStore : public ISettingsStore {
public:
    using Value = std::variant<int32_t, std::string>;

    std::optional<int32_t> ReadInt32(std::string_view name) override
    {
        const Value* value = Find(name);
        if (!value || !std::holds_alternative<int32_t>(*value))
            return std::nullopt;
        return std::get<int32_t>(*value);
    }

    bool WriteInt32(std::string_view name, int32_t value) override
    {
        if (m_refuseWrites)
            return false;
        m_values[std::string(name)] = value;
        return true;
    }

    std::optional<std::string> ReadText(std::string_view name) override
    {
        const Value* value = Find(name);
        if (!value || !std::holds_alternative<std::string>(*value))
            return std::nullopt;
        return std::get<std::string>(*value);
    }

    bool WriteText(std::string_view name, std::string_view text) override
    {
        if (m_refuseWrites)
            return false;
        m_values[std::string(name)] = std::string(text);
        return true;
    }

    void SetText(std::string_view name, std::string text) { m_values[std::string(name)] = std::move(text); }

    const Value* Find(std::string_view name) const
    {
        const auto found = m_values.find(name);
        return found == m_values.end() ? nullptr : &found->second;
    }

    std::map<std::string, Value, std::less<>> m_values;
    // Makes every write fail, as a store that cannot be written does.
    bool m_refuseWrites = false;
};
