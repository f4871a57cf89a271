#pragma once

#include <QString>

class CException;

// The text the user sees for a failure of the core: its message in the language chosen, the
// names of files as the system writes paths (control characters as \xHH). A text without a
// name of its own stays as the core wrote it.
QString ErrorText(const CException& error);
