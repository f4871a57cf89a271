#pragma once

#include "export/PartsFileWriter.h"
#include "model/Building.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "settings/ProgramOptions.h"

#include <memory>
#include <string>

// The parts file of the catalogue with CR LF shown as "\n"; a bare CR or LF fails the test.
std::string ExportLines(const CPartsManager& parts, const CProgramOptions& options = {});
// The same without the header block.
std::string ExportPartLines(const CPartsManager& parts, const CProgramOptions& options = {});
// The lines from the first line equal to `from` up to and including the next line equal to
// `to`; empty when there are none.
std::string LinesBetween(const std::string& text, const std::string& from, const std::string& to);

CProgramOptions Options(int32_t language, int32_t winrailVersion = 157, int32_t hexahedronBugfix = 1);

// A catalogue of the one part.
std::unique_ptr<CPartsManager> CatalogueWith(std::unique_ptr<CNamedObject> part);

// Parts as a newly accepted dialog leaves them.
std::unique_ptr<CTree> MakeTree(const std::string& name);
std::unique_ptr<CPlatform> MakePlatform(const std::string& name);
std::unique_ptr<CBuilding> MakeBuilding(const std::string& name);
CBuildingElement& AddElement(CBuilding& building, const std::string& name);
CDecoration& AddDecoration(CBuildingElement& element, const std::string& name);
