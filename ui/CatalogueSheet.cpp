#include "ui/CatalogueSheet.h"

#include "ui/PartsTable.h"
#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/Header.h"
#include "scene/PartsReader.h"
#include "scene/Renderer.h"

#include <QCollator>
#include <QDate>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <future>

namespace {

constexpr double kCardMinimumWidth = 75;   // mm
constexpr double kGap = 4;                 // mm between cards
constexpr double kPadding = 2.5;           // mm inside a card
constexpr double kPictureHeight = 32;      // mm
constexpr double kBandHeight = 8;          // mm of the page header and of the footer
constexpr const char* kTimes = "\u00D7";

QColor Ink() { return QColor(0x20, 0x24, 0x2A); }
QColor Quiet() { return QColor(0x5A, 0x62, 0x6E); }
QColor Rule() { return QColor(0xB8, 0xBE, 0xC8); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A part without a number keeps a single blank for it.
QString CatalogueNumber(const CNamedObject& part)
{
    return Text(*PartFieldsOf(part)->catalogNo).trimmed();
}

// A part's pictures and size, drawn from its parts-file text exactly as exported.
struct SCardPictures {
    QImage m_view;
    QImage m_plan;
    SBounds m_bounds;
    bool m_inches = false;
    bool m_drawn = false;
};

QImage ImageOf(SImage&& picture)
{
    if (picture.m_width <= 0 || picture.m_height <= 0)
        return {};
    // The pixels are opaque: a picture without alpha is stored smaller in a PDF.
    QImage wrapped(reinterpret_cast<const uchar*>(picture.m_pixels.data()), picture.m_width, picture.m_height,
        picture.m_width * 4, QImage::Format_RGBX8888);
    return wrapped.copy();
}

SCardPictures DrawPictures(const CNamedObject& part, const CProgramOptions& options, QSize viewSize, QSize planSize)
{
    SCardPictures pictures;
    SPartsFile file;
    try {
        file = ReadPartsText(ExportPartToText(part, options));
    } catch (const CException&) {
        // Too large to export: the card says so instead of showing pictures.
        return pictures;
    }
    if (file.m_scenes.empty())
        return pictures;
    const SScene& scene = file.m_scenes.front();
    const SMesh mesh = BuildMesh(scene);
    pictures.m_bounds = BoundsOf(mesh);
    pictures.m_inches = scene.m_inches;
    pictures.m_view = ImageOf(RenderMesh(mesh, scene, SCamera::Standard(EView::Iso), viewSize.width(), viewSize.height()));
    pictures.m_plan = ImageOf(RenderMesh(mesh, scene, SCamera::Standard(EView::Plan), planSize.width(), planSize.height()));
    pictures.m_drawn = true;
    return pictures;
}

QString AddressBlock(const CManufacturer& address)
{
    QStringList lines;
    const auto add = [&lines](const QString& line) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    };
    add(Text(address.m_companyName));
    add(Text(address.m_street));
    add(Text(address.m_zipCode) + QLatin1Char(' ') + Text(address.m_town));
    add(Text(address.m_country));
    if (!address.m_phone.empty())
        add(CCatalogueSheet::tr("Phone: %1").arg(Text(address.m_phone)));
    if (!address.m_fax.empty())
        add(CCatalogueSheet::tr("Fax: %1").arg(Text(address.m_fax)));
    add(Text(address.m_mail));
    return lines.join(QLatin1Char('\n'));
}

}

QString SheetTitle(const SSheetContent& content)
{
    const QString description = content.m_header ? Text(content.m_header->m_name) : QString();
    return description.isEmpty() ? content.m_name : description;
}

std::optional<double> ParseModelScale(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    static const QRegularExpression scale(QStringLiteral("^(?:1\\s*:\\s*)?(\\d+(?:[.,]\\d+)?)$"));
    const QRegularExpressionMatch match = scale.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double denominator = match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || denominator <= 0 || denominator > 100000)
        return std::nullopt;
    return denominator;
}

QString ModelScaleText(double denominator)
{
    return QStringLiteral("1:") + QString::number(denominator, 'g', 8);
}

// Where everything stands: worked out once from the text's sizes on the device, before
// anything is drawn, so that the footer knows the number of pages.
struct CCatalogueSheet::SLayout {
    struct SPlace {
        int m_page = 0;
        QRectF m_rect;
        size_t m_part = 0;
    };
    double m_mm = 1;
    QRectF m_page;
    QRectF m_area;
    QRectF m_title;
    std::vector<SPlace> m_cards;
    std::vector<SPlace> m_index;
    int m_indexFirstPage = -1;
    int m_pages = 1;
};

// Draws the sheet with one painter, page by page.
class CCatalogueSheet::CPainterPass {
public:
    CPainterPass(const SSheetContent& content, QPagedPaintDevice& device)
        : m_content(content)
        , m_device(device)
        , m_locale(tr("en_GB", "the locale whose numbers and dates the sheet shows"))
    {
        const QFont base = QGuiApplication::font();
        m_titleFont = base;
        m_titleFont.setPointSizeF(18);
        m_titleFont.setBold(true);
        m_headingFont = base;
        m_headingFont.setPointSizeF(10);
        m_headingFont.setBold(true);
        m_nameFont = base;
        m_nameFont.setPointSizeF(10);
        m_nameFont.setBold(true);
        m_fieldFont = base;
        m_fieldFont.setPointSizeF(8.5);
        m_bandFont = base;
        m_bandFont.setPointSizeF(8);
        m_layout.m_mm = device.logicalDpiY() / 25.4;
        Lay();
    }

    int Pages() const { return m_layout.m_pages; }

    bool Draw(const Progress& progress)
    {
        QPainter painter;
        if (!painter.begin(&m_device))
            return false;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const int total = static_cast<int>(m_layout.m_cards.size());
        // The next card's pictures are drawn while this card goes onto the page.
        std::future<SCardPictures> next;
        if (total > 0)
            next = StartPictures(0);
        int page = 0;
        DrawPageFrame(painter, page);
        DrawTitle(painter);
        for (int card = 0; card < total; ++card) {
            const SLayout::SPlace& place = m_layout.m_cards[static_cast<size_t>(card)];
            SCardPictures pictures = next.get();
            if (card + 1 < total)
                next = StartPictures(static_cast<size_t>(card + 1));
            while (page < place.m_page)
                NewPage(painter, ++page);
            DrawCard(painter, place, pictures);
            if (progress && !progress(card + 1, total)) {
                if (next.valid())
                    next.wait();
                // A printer told before the end sends nothing; a PDF's bytes are thrown away.
                if (auto* printer = dynamic_cast<QPrinter*>(&m_device))
                    printer->abort();
                painter.end();
                return false;
            }
        }
        for (const SLayout::SPlace& entry : m_layout.m_index) {
            while (page < entry.m_page)
                NewPage(painter, ++page);
            if (page == m_layout.m_indexFirstPage && &entry == &m_layout.m_index.front())
                DrawIndexHeading(painter);
            DrawIndexEntry(painter, entry);
        }
        return painter.end();
    }

private:
    double Mm(double millimetres) const { return millimetres * m_layout.m_mm; }
    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &m_device); }
    double WrappedHeight(const QFont& font, double width, const QString& text) const
    {
        return Metrics(font).boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
    }
    int PictureDots(double millimetres) const
    {
        return std::max(1, static_cast<int>(std::ceil(millimetres / 25.4 * m_content.m_pictureDpi)));
    }

    // Each card's two pictures side by side over its texts.
    QRectF ViewRect(const QRectF& card) const
    {
        const double width = (card.width() - Mm(2 * kPadding) - Mm(2)) / 2;
        return {card.left() + Mm(kPadding), card.top() + Mm(kPadding), width, Mm(kPictureHeight)};
    }
    QRectF PlanRect(const QRectF& card) const
    {
        const QRectF view = ViewRect(card);
        return view.translated(view.width() + Mm(2), 0);
    }

    QString PriceText(const CNamedObject& part) const
    {
        const std::optional<SPartFields> fields = PartFieldsOf(part);
        const QString price = Text(*fields->price);
        const QString currency = Text(m_content.m_header ? m_content.m_header->m_currency : std::string());
        return currency.isEmpty() ? price : tr("%1 %2", "price and currency").arg(price, currency);
    }

    // The card's lines under its name; the sizes are known only once the part is drawn.
    QStringList FieldLines(const CNamedObject& part, const SCardPictures* pictures) const
    {
        const std::optional<SPartFields> fields = PartFieldsOf(part);
        QStringList lines;
        lines << tr("Kind: %1").arg(CPartsTableModel::KindName(fields->kind));
        const QString number = CatalogueNumber(part);
        lines << tr("Catalogue number: %1").arg(number.isEmpty() ? QStringLiteral("\u2014") : number);
        lines << tr("Price: %1").arg(PriceText(part));
        lines << tr("Parts per package: %1").arg(fields->partsPerPackage);
        lines << tr("Size (W %1 D %1 H): %2").arg(QString::fromUtf8(kTimes), pictures ? SizeText(*pictures) : SizeSample());
        if (m_content.m_modelScale > 0)
            lines << tr("Real size at %1: %2")
                         .arg(ModelScaleText(m_content.m_modelScale), pictures ? RealSizeText(*pictures) : RealSizeSample());
        return lines;
    }

    static double Extent(const SBounds& bounds, int axis)
    {
        const double low[] = {bounds.m_min.x, bounds.m_min.y, bounds.m_min.z};
        const double high[] = {bounds.m_max.x, bounds.m_max.y, bounds.m_max.z};
        return high[axis] - low[axis];
    }
    QString Number(double value, int decimals) const { return m_locale.toString(value, 'f', decimals); }
    QString Triple(const SBounds& bounds, double factor, int decimals) const
    {
        const QString times = QStringLiteral(" %1 ").arg(QString::fromUtf8(kTimes));
        return Number(Extent(bounds, 0) * factor, decimals) + times + Number(Extent(bounds, 1) * factor, decimals) + times
            + Number(Extent(bounds, 2) * factor, decimals);
    }
    QString SizeText(const SCardPictures& pictures) const
    {
        if (pictures.m_bounds.m_empty)
            return QStringLiteral("\u2014");
        // Sizes are whole units in the parts file; a round body's facets fall a hair short.
        return Triple(pictures.m_bounds, 1, pictures.m_inches ? 1 : 0) + (pictures.m_inches ? tr(" in") : tr(" mm"));
    }
    QString RealSizeText(const SCardPictures& pictures) const
    {
        if (pictures.m_bounds.m_empty)
            return QStringLiteral("\u2014");
        const double metresAUnit = (pictures.m_inches ? 0.0254 : 0.001) * m_content.m_modelScale;
        return Triple(pictures.m_bounds, metresAUnit, 2) + tr(" m");
    }
    // The widest size text a card may need, for the layout made before the parts are drawn.
    QString SizeSample() const { return QStringLiteral("99999 %1 99999 %1 99999").arg(QString::fromUtf8(kTimes)) + tr(" mm"); }
    QString RealSizeSample() const { return QStringLiteral("9999.99 %1 9999.99 %1 9999.99").arg(QString::fromUtf8(kTimes)) + tr(" m"); }

    double TextWidth(const QRectF& card) const { return card.width() - Mm(2 * kPadding); }
    double CardHeight(const CNamedObject& part, double width) const
    {
        const double textWidth = width - Mm(2 * kPadding);
        double height = Mm(kPadding + kPictureHeight + 2) + WrappedHeight(m_nameFont, textWidth, Text(part.m_name)) + Mm(1);
        for (const QString& line : FieldLines(part, nullptr))
            height += WrappedHeight(m_fieldFont, textWidth, line);
        return height + Mm(kPadding);
    }

    QString TitleText() const { return SheetTitle(m_content); }
    QString TitleDetails() const
    {
        QStringList details;
        if (const CHeader* header = m_content.m_header) {
            details << tr("Version %1").arg(header->m_version);
            if (!header->m_author.empty())
                details << tr("Author: %1").arg(Text(header->m_author));
        }
        details << tr("Date: %1").arg(m_locale.toString(QDate::currentDate(), QLocale::ShortFormat));
        if (m_content.m_header && !m_content.m_header->m_currency.empty())
            details << tr("Prices in %1").arg(Text(m_content.m_header->m_currency));
        if (m_content.m_modelScale > 0)
            details << tr("Model scale %1").arg(ModelScaleText(m_content.m_modelScale));
        return details.join(QStringLiteral("  \u00B7  "));
    }
    // The address blocks that are filled in, each with its heading.
    std::vector<std::pair<QString, QString>> Addresses() const
    {
        std::vector<std::pair<QString, QString>> blocks;
        if (!m_content.m_header)
            return blocks;
        if (m_content.m_header->m_pManufacturer)
            if (const QString block = AddressBlock(*m_content.m_header->m_pManufacturer); !block.isEmpty())
                blocks.emplace_back(tr("Manufacturer"), block);
        if (m_content.m_header->m_pRepresentative)
            if (const QString block = AddressBlock(*m_content.m_header->m_pRepresentative); !block.isEmpty())
                blocks.emplace_back(tr("Representative"), block);
        return blocks;
    }
    double AddressesHeight(double width) const
    {
        double height = 0;
        for (const auto& [heading, block] : Addresses())
            height = std::max(height, Metrics(m_headingFont).height() + WrappedHeight(m_fieldFont, width, block));
        return height;
    }

    // The part of the paint area the sheet uses: the page set up may leave less margin than a
    // sheet looks well in (a PDF has no printer's edge at all), so it keeps 15 mm at least.
    QRectF PageRect() const
    {
        constexpr double kMargin = 15;
        const QMarginsF set = m_device.pageLayout().margins(QPageLayout::Millimeter);
        const auto more = [this](double margin) { return Mm(std::max(0.0, kMargin - margin)); };
        return QRectF(0, 0, m_device.width(), m_device.height())
            .adjusted(more(set.left()), more(set.top()), -more(set.right()), -more(set.bottom()));
    }

    void Lay()
    {
        SLayout& layout = m_layout;
        layout.m_page = PageRect();
        const QRectF sheet = layout.m_page;
        layout.m_area = QRectF(sheet.left(), sheet.top() + Mm(kBandHeight), sheet.width(), sheet.height() - Mm(2 * kBandHeight));
        const QRectF area = layout.m_area;
        const double titleHeight = Metrics(m_titleFont).height() + Mm(1)
            + WrappedHeight(m_fieldFont, area.width(), TitleDetails()) + Mm(3) + AddressesHeight(area.width() / 2 - Mm(kGap))
            + Mm(kGap);
        layout.m_title = QRectF(area.left(), area.top(), area.width(), titleHeight);
        m_columns = std::max(1, static_cast<int>((area.width() + Mm(kGap)) / Mm(kCardMinimumWidth + kGap)));
        const double cardWidth = (area.width() - Mm(kGap) * (m_columns - 1)) / m_columns;
        double top = layout.m_title.bottom();
        int page = 0;
        const size_t count = m_content.m_parts.size();
        for (size_t first = 0; first < count; first += static_cast<size_t>(m_columns)) {
            const size_t last = std::min(count, first + static_cast<size_t>(m_columns));
            double rowHeight = 0;
            for (size_t part = first; part < last; ++part)
                rowHeight = std::max(rowHeight, CardHeight(*m_content.m_parts[part], cardWidth));
            // A card is never split: a row that does not fit goes to the next page.
            if (top + rowHeight > area.bottom() && top > area.top()) {
                ++page;
                top = area.top();
            }
            for (size_t part = first; part < last; ++part) {
                const double left = area.left() + static_cast<double>(part - first) * (cardWidth + Mm(kGap));
                layout.m_cards.push_back({page, QRectF(left, top, cardWidth, rowHeight), part});
            }
            top += rowHeight + Mm(kGap);
        }
        layout.m_pages = page + 1;
        if (layout.m_pages > 1)
            LayIndex(cardWidth);
    }

    void LayIndex(double columnWidth)
    {
        SLayout& layout = m_layout;
        std::vector<size_t> numbered;
        for (const SLayout::SPlace& card : layout.m_cards)
            if (!CatalogueNumber(*m_content.m_parts[card.m_part]).isEmpty())
                numbered.push_back(card.m_part);
        if (numbered.empty())
            return;
        // Catalogue numbers in the order people read them: "T-9" before "T-10".
        QCollator collator(m_locale);
        collator.setNumericMode(true);
        std::stable_sort(numbered.begin(), numbered.end(), [&](size_t left, size_t right) {
            return collator.compare(CatalogueNumber(*m_content.m_parts[left]), CatalogueNumber(*m_content.m_parts[right])) < 0;
        });
        const QRectF area = layout.m_area;
        const double lineHeight = Metrics(m_fieldFont).lineSpacing();
        const double headingHeight = Metrics(m_titleFont).height() + Mm(3);
        int page = layout.m_pages;
        layout.m_indexFirstPage = page;
        double top = area.top() + headingHeight;
        int column = 0;
        for (size_t part : numbered) {
            if (top + lineHeight > area.bottom()) {
                top = layout.m_indexFirstPage == page ? area.top() + headingHeight : area.top();
                if (++column == m_columns) {
                    column = 0;
                    top = area.top();
                    ++page;
                }
            }
            const double left = area.left() + column * (columnWidth + Mm(kGap));
            layout.m_index.push_back({page, QRectF(left, top, columnWidth, lineHeight), part});
            top += lineHeight;
        }
        layout.m_pages = page + 1;
    }

    std::future<SCardPictures> StartPictures(size_t card)
    {
        const SLayout::SPlace& place = m_layout.m_cards[card];
        const CNamedObject* part = m_content.m_parts[place.m_part];
        const QRectF view = ViewRect(place.m_rect);
        const QRectF plan = PlanRect(place.m_rect);
        const QSize viewDots(PictureDots(view.width() / m_layout.m_mm), PictureDots(view.height() / m_layout.m_mm));
        const QSize planDots(PictureDots(plan.width() / m_layout.m_mm), PictureDots(plan.height() / m_layout.m_mm));
        const CProgramOptions& options = m_content.m_exportOptions;
        return std::async(std::launch::async,
            [part, &options, viewDots, planDots] { return DrawPictures(*part, options, viewDots, planDots); });
    }

    void NewPage(QPainter& painter, int page)
    {
        m_device.newPage();
        DrawPageFrame(painter, page);
    }

    void DrawPageFrame(QPainter& painter, int page)
    {
        const QRectF sheet = m_layout.m_page;
        const double width = sheet.width();
        const double left = sheet.left();
        const double top = sheet.top();
        const double bottom = sheet.bottom();
        painter.setFont(m_bandFont);
        painter.setPen(Quiet());
        const QRectF header(left, top, width, Mm(kBandHeight - 2));
        painter.drawText(header, Qt::AlignLeft | Qt::AlignBottom, Metrics(m_bandFont).elidedText(TitleText(), Qt::ElideRight, width * 0.7));
        painter.drawText(header, Qt::AlignRight | Qt::AlignBottom, m_content.m_name == TitleText() ? QString() : m_content.m_name);
        const QRectF footer(left, bottom - Mm(kBandHeight - 2), width, Mm(kBandHeight - 2));
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignTop, tr("Page %1 of %2").arg(page + 1).arg(m_layout.m_pages));
        painter.setPen(QPen(Rule(), Mm(0.2)));
        painter.drawLine(QPointF(left, top + Mm(kBandHeight - 1)), QPointF(sheet.right(), top + Mm(kBandHeight - 1)));
        painter.drawLine(QPointF(left, bottom - Mm(kBandHeight - 1)), QPointF(sheet.right(), bottom - Mm(kBandHeight - 1)));
    }

    void DrawTitle(QPainter& painter)
    {
        const QRectF title = m_layout.m_title;
        double top = title.top();
        painter.setPen(Ink());
        painter.setFont(m_titleFont);
        const double titleHeight = Metrics(m_titleFont).height();
        painter.drawText(QRectF(title.left(), top, title.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
            Metrics(m_titleFont).elidedText(TitleText(), Qt::ElideRight, title.width()));
        top += titleHeight + Mm(1);
        painter.setFont(m_fieldFont);
        painter.setPen(Quiet());
        const QString details = TitleDetails();
        const double detailsHeight = WrappedHeight(m_fieldFont, title.width(), details);
        painter.drawText(QRectF(title.left(), top, title.width(), detailsHeight), Qt::TextWordWrap, details);
        top += detailsHeight + Mm(3);
        const double blockWidth = title.width() / 2 - Mm(kGap);
        double left = title.left();
        for (const auto& [heading, block] : Addresses()) {
            painter.setPen(Ink());
            painter.setFont(m_headingFont);
            painter.drawText(QRectF(left, top, blockWidth, Metrics(m_headingFont).height()), Qt::AlignLeft, heading);
            painter.setFont(m_fieldFont);
            const double blockTop = top + Metrics(m_headingFont).height();
            painter.drawText(QRectF(left, blockTop, blockWidth, WrappedHeight(m_fieldFont, blockWidth, block)), Qt::TextWordWrap, block);
            left += title.width() / 2;
        }
    }

    void DrawPicture(QPainter& painter, const QRectF& rect, const QImage& picture)
    {
        if (picture.isNull()) {
            painter.fillRect(rect, QColor(0xF4, 0xF5, 0xF7));
            painter.setPen(Quiet());
            painter.setFont(m_fieldFont);
            painter.drawText(rect.adjusted(Mm(1), Mm(1), -Mm(1), -Mm(1)), Qt::AlignCenter | Qt::TextWordWrap,
                tr("The part is too large to draw."));
            return;
        }
        painter.drawImage(rect, picture);
    }

    void DrawCard(QPainter& painter, const SLayout::SPlace& place, const SCardPictures& pictures)
    {
        const CNamedObject& part = *m_content.m_parts[place.m_part];
        const QRectF card = place.m_rect;
        painter.setPen(QPen(Rule(), Mm(0.25)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(card, Mm(1.5), Mm(1.5));
        DrawPicture(painter, ViewRect(card), pictures.m_view);
        DrawPicture(painter, PlanRect(card), pictures.m_plan);
        const double width = TextWidth(card);
        double top = ViewRect(card).bottom() + Mm(2);
        const double left = card.left() + Mm(kPadding);
        painter.setPen(Ink());
        painter.setFont(m_nameFont);
        const double nameHeight = WrappedHeight(m_nameFont, width, Text(part.m_name));
        painter.drawText(QRectF(left, top, width, nameHeight), Qt::TextWordWrap, Text(part.m_name));
        top += nameHeight + Mm(1);
        painter.setFont(m_fieldFont);
        for (const QString& line : FieldLines(part, &pictures)) {
            const double height = WrappedHeight(m_fieldFont, width, line);
            painter.drawText(QRectF(left, top, width, height), Qt::TextWordWrap, line);
            top += height;
        }
    }

    void DrawIndexHeading(QPainter& painter)
    {
        painter.setPen(Ink());
        painter.setFont(m_titleFont);
        painter.drawText(QRectF(m_layout.m_area.left(), m_layout.m_area.top(), m_layout.m_area.width(), Metrics(m_titleFont).height()),
            Qt::AlignLeft | Qt::AlignVCenter, tr("Index of catalogue numbers"));
    }

    void DrawIndexEntry(QPainter& painter, const SLayout::SPlace& entry)
    {
        const CNamedObject& part = *m_content.m_parts[entry.m_part];
        const int cardPage = m_layout.m_cards[CardOf(entry.m_part)].m_page;
        const QRectF line = entry.m_rect;
        const QString page = QString::number(cardPage + 1);
        const QFontMetricsF metrics = Metrics(m_fieldFont);
        const double numberWidth = line.width() * 0.3;
        const double pageWidth = metrics.horizontalAdvance(QStringLiteral("0000"));
        painter.setFont(m_fieldFont);
        painter.setPen(Ink());
        painter.drawText(QRectF(line.left(), line.top(), numberWidth, line.height()), Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(CatalogueNumber(part), Qt::ElideRight, numberWidth - Mm(1)));
        const double nameWidth = line.width() - numberWidth - pageWidth - Mm(1);
        painter.setPen(Quiet());
        painter.drawText(QRectF(line.left() + numberWidth, line.top(), nameWidth, line.height()), Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(Text(part.m_name), Qt::ElideRight, nameWidth));
        painter.setPen(Ink());
        painter.drawText(QRectF(line.right() - pageWidth, line.top(), pageWidth, line.height()), Qt::AlignRight | Qt::AlignVCenter, page);
    }

    size_t CardOf(size_t part) const
    {
        // Cards are laid out in the parts' order, one each.
        return part;
    }

    const SSheetContent& m_content;
    QPagedPaintDevice& m_device;
    QLocale m_locale;
    QFont m_titleFont, m_headingFont, m_nameFont, m_fieldFont, m_bandFont;
    SLayout m_layout;
    int m_columns = 1;
};

CCatalogueSheet::CCatalogueSheet(SSheetContent content)
    : m_content(std::move(content))
{
}

CCatalogueSheet::~CCatalogueSheet() = default;

bool CCatalogueSheet::Draw(QPagedPaintDevice& device, const Progress& progress)
{
    CPainterPass pass(m_content, device);
    m_pageCount = pass.Pages();
    return pass.Draw(progress);
}
