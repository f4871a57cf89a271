#pragma once

#include "scene/Scene.h"

class CFileBytes;

#include <string_view>

// Reads parts-file text (Windows-1252, LF, CR LF or CR line ends) in any of the six keyword
// columns. Nothing in the text is trusted: every fault becomes a diagnostic and reading goes
// on with the next line, so a damaged file still shows what can be shown.
SPartsFile ReadPartsText(std::string_view bytes);
// The same for a whole file, whose memory is given back as it is read, so that the file and
// what is read from it are never both held whole.
SPartsFile ReadPartsFile(CFileBytes& file);

// Reads text that stands inside a structure block, such as a part's free text: line numbers
// count from the text's first line; no structure line or End line is expected.
SPartsFile ReadStructureBody(std::string_view bytes);

// "LINE:COLUMN: error: message", the form compilers use.
std::string FormatDiagnostic(const SDiagnostic& diagnostic);
// "... and 5,123 more: 3 errors, 5,120 warnings", the line that ends a list cut short; empty
// when the list is whole.
std::string FormatUnlisted(const SDiagnosticCount& unlisted);
