#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where the program keeps its settings between runs: named values, each a 4-byte integer or
// something else. The window program keeps them in the desktop's settings store.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // The value when it exists and is a 4-byte integer; nothing when it is missing, of
    // another kind or cannot be read.
    virtual std::optional<int32_t> ReadInt32(std::string_view name) = 0;
    // Stores the value as a 4-byte integer; false when the store refuses it.
    virtual bool WriteInt32(std::string_view name, int32_t value) = 0;
    // The value when it exists and is text (UTF-8); a store without text reads nothing.
    virtual std::optional<std::string> ReadText(std::string_view) { return std::nullopt; }
    virtual bool WriteText(std::string_view, std::string_view) { return false; }
    // Puts what has been written where the next run finds it, even if this one ends abruptly.
    virtual void Flush() {}
};
