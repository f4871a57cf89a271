#include "ui/SheetPdf.h"

#include "model/FileIO.h"
#include "model/Header.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>

namespace {

// A PDF text string that holds any character: UTF-16 with its byte-order mark, in hex.
QByteArray PdfTextString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar character : text)
        hex += QByteArray::number(character.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

}

QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author)
{
    if (author.isEmpty())
        return pdf;
    const qsizetype startXref = pdf.lastIndexOf("startxref");
    const qsizetype trailer = pdf.lastIndexOf("trailer", startXref);
    if (startXref < 0 || trailer < 0)
        return pdf;
    const QString trailerText = QString::fromLatin1(pdf.mid(trailer, startXref - trailer));
    const QRegularExpressionMatch info = QRegularExpression(QStringLiteral("/Info\\s+(\\d+)\\s+(\\d+)\\s+R")).match(trailerText);
    const QRegularExpressionMatch previous =
        QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(QString::fromLatin1(pdf.mid(startXref, 40)));
    const qsizetype trailerOpen = trailerText.indexOf(QLatin1String("<<"));
    const qsizetype trailerClose = trailerText.lastIndexOf(QLatin1String(">>"));
    if (!info.hasMatch() || !previous.hasMatch() || trailerOpen < 0 || trailerClose < trailerOpen)
        return pdf;
    // The information's own dictionary, which keeps its title, creator and dates.
    const QByteArray objectStart = '\n' + info.captured(1).toLatin1() + ' ' + info.captured(2).toLatin1() + " obj";
    const qsizetype object = pdf.lastIndexOf(objectStart, trailer);
    const qsizetype objectEnd = object < 0 ? -1 : pdf.indexOf("endobj", object);
    const qsizetype dictionaryOpen = object < 0 ? -1 : pdf.indexOf("<<", object);
    const qsizetype dictionaryClose = objectEnd < 0 ? -1 : pdf.lastIndexOf(">>", objectEnd);
    if (dictionaryOpen < 0 || dictionaryClose < dictionaryOpen || dictionaryClose > objectEnd)
        return pdf;

    // An update appended to the file replaces the information; what was written stays as it was.
    QByteArray updated = pdf;
    if (!updated.endsWith('\n'))
        updated += '\n';
    const qsizetype objectOffset = updated.size();
    updated += info.captured(1).toLatin1() + ' ' + info.captured(2).toLatin1() + " obj\n";
    updated += pdf.mid(dictionaryOpen, dictionaryClose - dictionaryOpen) + "/Author " + PdfTextString(author) + "\n>>\nendobj\n";
    const qsizetype xrefOffset = updated.size();
    updated += "xref\n" + info.captured(1).toLatin1() + " 1\n";
    updated += QByteArray::number(objectOffset).rightJustified(10, '0') + ' '
        + info.captured(2).toLatin1().rightJustified(5, '0') + " n \n";
    QString dictionary = trailerText.mid(trailerOpen + 2, trailerClose - trailerOpen - 2);
    dictionary.remove(QRegularExpression(QStringLiteral("/Prev\\s+\\d+")));
    updated += "trailer\n<<" + dictionary.toLatin1() + " /Prev " + previous.captured(1).toLatin1() + " >>\n";
    updated += "startxref\n" + QByteArray::number(xrefOffset) + "\n%%EOF\n";
    return updated;
}

bool WriteCatalogueSheetPdf(const std::filesystem::path& path, const SSheetContent& content, const QPageLayout& page,
    const CCatalogueSheet::Progress& progress)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setPageLayout(page);
        writer.setTitle(SheetTitle(content));
        writer.setCreator(QStringLiteral("Modelwright"));
        CCatalogueSheet sheet(content);
        if (!sheet.Draw(writer, progress))
            return false;
    }
    const QString author = content.m_header ? QString::fromStdString(content.m_header->m_author) : QString();
    const QByteArray pdf = WithPdfAuthor(bytes.data(), author);
    WriteFileAtomically(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    return true;
}
