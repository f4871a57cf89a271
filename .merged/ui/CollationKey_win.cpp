#include "ui/CollationKey.h"

#include <QCollator>

#include <windows.h>

std::optional<std::string> CollationBytes(const QCollator& collator, const QString& text)
{
    // The flags with which Qt's collator compares, so that keys and comparisons agree.
    DWORD flags = LCMAP_SORTKEY;
    if (collator.caseSensitivity() == Qt::CaseInsensitive)
        flags |= NORM_IGNORECASE;
    if (collator.numericMode())
        flags |= SORT_DIGITSASNUMBERS;
    if (collator.ignorePunctuation())
        flags |= NORM_IGNORESYMBOLS;
    // Windows makes no key of an empty text; it comes before every other.
    if (text.isEmpty())
        return std::string();
    const std::wstring locale = collator.locale().bcp47Name().toStdWString();
    const std::wstring source = text.toStdWString();
    const int size = LCMapStringEx(locale.c_str(), flags, source.c_str(), int(source.size()), nullptr, 0, nullptr, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    // With LCMAP_SORTKEY the destination is bytes, counted in bytes.
    std::string key(size_t(size), '\0');
    LCMapStringEx(locale.c_str(), flags, source.c_str(), int(source.size()), reinterpret_cast<LPWSTR>(key.data()), size,
        nullptr, nullptr, 0);
    return key;
}
