#pragma once

#include "settings/ProgramOptions.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class CHeader;
class CNamedObject;
class QPagedPaintDevice;

// What the illustrated catalogue sheet shows: the catalogue's header and its parts in the
// order given, each as a card with its pictures drawn from its parts-file text.
struct SSheetContent {
    // The document's name, for a catalogue without a description.
    QString m_name;
    const CHeader* m_header = nullptr;
    std::vector<const CNamedObject*> m_parts;
    // The model scale's denominator (87 for 1:87); 0 shows no real sizes.
    double m_modelScale = 0;
    CProgramOptions m_exportOptions;
    // Pictures are drawn at this many dots an inch; a preview on the screen needs fewer.
    int m_pictureDpi = 300;
};

// The catalogue's description, or the document's name without one: the sheet's title, the
// PDF's title and the page headers'.
QString SheetTitle(const SSheetContent& content);

// The denominator of a model scale typed as "1:87", "1 : 87" or "87"; 0 for an empty text
// (no scale); nothing for anything else.
std::optional<double> ParseModelScale(const QString& text);
// The scale as the sheet and the options show it: "1:87".
QString ModelScaleText(double denominator);

// The sheet on paper, in a preview or in a PDF: a title block, a card per part (never split
// across pages), a page header and footer with the catalogue's name and "page N of M", and an
// index of catalogue numbers when there is more than one page. Texts are in the program's
// current language.
class CCatalogueSheet {
    Q_DECLARE_TR_FUNCTIONS(CCatalogueSheet)
public:
    // Told after each card the parts done and all of them; false stops the drawing.
    using Progress = std::function<bool(int done, int total)>;

    explicit CCatalogueSheet(SSheetContent content);
    ~CCatalogueSheet();
    CCatalogueSheet(const CCatalogueSheet&) = delete;
    CCatalogueSheet& operator=(const CCatalogueSheet&) = delete;

    // Draws every page on the device, which starts on its first page; false when stopped.
    bool Draw(QPagedPaintDevice& device, const Progress& progress = {});
    // The pages of the last drawing.
    int PageCount() const { return m_pageCount; }

private:
    struct SLayout;
    class CPainterPass;

    SSheetContent m_content;
    int m_pageCount = 0;
};
