#pragma once

#include <QString>

#include <optional>
#include <string>

class QCollator;

// A text's place in the collator's order as bytes compared one by one, where the system gives
// such keys and Qt's own do not compare right: Windows' keys are bytes, which Qt keeps as
// 16-bit units and so misorders (CollationKey_win.cpp). Elsewhere Qt's keys are right and
// this gives none (CollationKey_unix.cpp).
std::optional<std::string> CollationBytes(const QCollator& collator, const QString& text);
