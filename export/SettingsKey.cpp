#include "export/SettingsKey.h"

bool CRegistryKey::Create(ISettingsKey& store)
{
    m_pStore = &store;
    return true;
}

bool CRegistryKey::ReadDword(std::string_view name, int32_t& value, int32_t defaultValue)
{
    if (!IsOpen())
        return false;
    CRegistryValue stored(*this, name);
    if (stored.GetDword(value))
        return true;
    value = defaultValue;
    return stored.SetDword(defaultValue);
}

bool CRegistryKey::ReadDwordNonNegative(std::string_view name, int32_t& value, int32_t defaultValue)
{
    if (!IsOpen())
        return false;
    const bool result = ReadDword(name, value, defaultValue);
    if (value < 0)
        value = 0;
    return result;
}

bool CRegistryKey::WriteDword(std::string_view name, int32_t value)
{
    if (!IsOpen())
        return false;
    return CRegistryValue(*this, name).SetDword(value);
}

bool CRegistryValue::Read()
{
    m_data.reset();
    if (!m_key.IsOpen())
        return false;
    m_data = m_key.m_pStore->ReadInt32(m_name);
    return m_data.has_value();
}

bool CRegistryValue::GetDword(int32_t& value)
{
    if (!Read())
        return false;
    value = *m_data;
    return true;
}

bool CRegistryValue::SetDword(int32_t value)
{
    if (!m_key.IsOpen())
        return false;
    m_data = value;
    return m_key.m_pStore->WriteInt32(m_name, value);
}

std::optional<int32_t> CMemorySettingsKey::ReadInt32(std::string_view name)
{
    const Value* value = Find(name);
    if (!value || !std::holds_alternative<int32_t>(*value))
        return std::nullopt;
    return std::get<int32_t>(*value);
}

bool CMemorySettingsKey::WriteInt32(std::string_view name, int32_t value)
{
    if (m_refuseWrites)
        return false;
    m_values[std::string(name)] = value;
    return true;
}

std::optional<std::string> CMemorySettingsKey::ReadText(std::string_view name)
{
    const Value* value = Find(name);
    if (!value || !std::holds_alternative<std::string>(*value))
        return std::nullopt;
    return std::get<std::string>(*value);
}

bool CMemorySettingsKey::WriteText(std::string_view name, std::string_view text)
{
    if (m_refuseWrites)
        return false;
    m_values[std::string(name)] = std::string(text);
    return true;
}

const CMemorySettingsKey::Value* CMemorySettingsKey::Find(std::string_view name) const
{
    const auto found = m_values.find(name);
    return found == m_values.end() ? nullptr : &found->second;
}
