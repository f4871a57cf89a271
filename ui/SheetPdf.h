#pragma once

#include "ui/CatalogueSheet.h"

#include <QByteArray>
#include <QPageLayout>

#include <filesystem>

// Writes the sheet as a PDF file on the page given, with the catalogue's name as its title and
// the catalogue's author as its author, fonts embedded. The file is replaced only when whole;
// false when stopped (nothing written). File errors are CExceptions.
bool WriteCatalogueSheetPdf(const std::filesystem::path& path, const SSheetContent& content, const QPageLayout& page,
    const CCatalogueSheet::Progress& progress = {});

// The PDF's bytes with the author added to its document information, as an update appended to
// the file; the bytes as they were when they hold no information to extend.
QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author);
