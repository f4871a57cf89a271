#include "model/HeldLock.h"

#include <fstream>
#include <iterator>

CHeldLock::CHeldLock(std::filesystem::path path, std::intptr_t handle)
    : m_path(std::move(path))
    , m_handle(handle)
{
}

CHeldLock::~CHeldLock()
{
    Close();
}

std::string ReadLockText(const std::filesystem::path& path)
{
    // A lock names its holder in a line or two.
    constexpr std::streamsize kLongest = 4096;
    std::ifstream file(path, std::ios::binary);
    std::string text(static_cast<size_t>(kLongest), '\0');
    file.read(text.data(), kLongest);
    text.resize(static_cast<size_t>(file.gcount()));
    return text;
}
