#include "ui/PartsTable.h"

#include "ui/CollationKey.h"
#include "model/ObjectManager.h"

#include <QHeaderView>
#include <QStyle>
#include <QKeyEvent>

#include <algorithm>
#include <functional>

namespace {

QString Text(const std::string* text)
{
    return text ? QString::fromStdString(*text) : QString();
}

// The collator ignores case only in a real locale; in the C locale its keys are the bytes.
QString CaseFolded(const QString& text)
{
    return text.toCaseFolded();
}

bool IsAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What case folding makes of ASCII text: capitals become small letters.
std::string AsciiCaseFolded(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

// Catalogue numbers and prices hold numbers: "T-9" comes before "T-10", "9.50" before "12.00".
// Every run of digits is widened with zeros, which no locale's collator does by itself.
QString NumbersWidened(const QString& text)
{
    constexpr qsizetype kWidth = 20;
    QString widened;
    widened.reserve(text.size() + kWidth);
    for (qsizetype at = 0; at < text.size();) {
        if (!text[at].isDigit()) {
            widened += text[at++];
            continue;
        }
        qsizetype end = at;
        while (end < text.size() && text[end].isDigit())
            ++end;
        widened += QString(std::max<qsizetype>(0, kWidth - (end - at)), u'0');
        widened += QStringView(text).mid(at, end - at);
        at = end;
    }
    return CaseFolded(widened);
}

} // namespace

std::optional<SPartFields> PartFieldsOf(const CNamedObject& part)
{
    return VisitPart(part, [&part](const auto& kindOfPart) {
        return SPartFields {*PartKindOf(part), &kindOfPart.m_catalogNo, &kindOfPart.m_price, kindOfPart.m_partsPerPackage};
    });
}

// A text's place in the order: the collator's key in a real locale; in the C locale, where
// the collator orders by the bytes of the text, those bytes themselves, which need no key
// object of their own; the system's key bytes where it has them.
class CPartsTableModel::CSortKey {
public:
    CSortKey(const QCollator& collator, bool bytewise, const QString& text)
    {
        if (bytewise)
            m_bytes = text.toStdString();
        else if (std::optional<std::string> bytes = CollationBytes(collator, text))
            m_bytes = std::move(*bytes);
        else
            m_collated = collator.sortKey(text);
    }
    explicit CSortKey(std::string bytes) : m_bytes(std::move(bytes)) {}

    int Compare(const CSortKey& other) const
    {
        return m_collated ? m_collated->compare(*other.m_collated) : m_bytes.compare(other.m_bytes);
    }

private:
    std::string m_bytes;
    std::optional<QCollatorSortKey> m_collated;
};

struct CPartsTableModel::SRow {
    CNamedObject* part = nullptr;
    SPartFields fields;
    // The place of the part in the order of adding: equal values keep that order.
    int sequence = 0;
    std::optional<CSortKey> nameKey;
    std::optional<CSortKey> catalogNoKey;
    std::optional<CSortKey> priceKey;
};

CPartsTableModel::CPartsTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    // Names sort as the catalogue always listed them: alphabetically, ignoring case.
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_bytewise = m_collator.locale().language() == QLocale::C;
}

CPartsTableModel::~CPartsTableModel() = default;

QIcon CPartsTableModel::KindIcon(EPartKind kind)
{
    // Registered once, with the icons: every painted row asks for its icon.
    static const std::array<QIcon, 3> icons = [] {
        Q_INIT_RESOURCE(parts);
        return std::array<QIcon, 3> {QIcon(QStringLiteral(":/parts/tree.svg")),
            QIcon(QStringLiteral(":/parts/building.svg")), QIcon(QStringLiteral(":/parts/platform.svg"))};
    }();
    return icons[size_t(kind)];
}

QString CPartsTableModel::KindName(EPartKind kind)
{
    switch (kind) {
    case EPartKind::tree:
        return tr("Tree");
    case EPartKind::building:
        return tr("Building");
    case EPartKind::platform:
        return tr("Platform");
    }
    return {};
}

int CPartsTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_filter.isEmpty() ? m_rows.size() : m_shown.size());
}

int CPartsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columnTotal);
}

const CPartsTableModel::SRow& CPartsTableModel::ShownRow(int row) const
{
    return m_rows[size_t(m_filter.isEmpty() ? row : m_shown[size_t(row)])];
}

QVariant CPartsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SRow& row = ShownRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case description:
            return QString::fromStdString(row.part->m_name);
        case kind:
            return KindName(row.fields.kind);
        case catalogNo:
            return Text(row.fields.catalogNo);
        case price:
            return Text(row.fields.price);
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == kind)
            return KindIcon(row.fields.kind);
        break;
    default:
        break;
    }
    return {};
}

QVariant CPartsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case description:
        return tr("Description");
    case kind:
        return tr("Kind");
    case catalogNo:
        return tr("Catalogue no");
    case price:
        return tr("Price");
    }
    return {};
}

CPartsTableModel::SRow CPartsTableModel::MakeRow(CNamedObject* part)
{
    SRow row;
    row.part = part;
    row.fields = PartFieldsOf(*part).value_or(SPartFields {});
    row.sequence = m_nextSequence++;
    return row;
}

void CPartsTableModel::MakeKey(SRow& row, int column) const
{
    switch (column) {
    case catalogNo:
        if (!row.catalogNoKey)
            row.catalogNoKey.emplace(m_collator, m_bytewise, NumbersWidened(Text(row.fields.catalogNo)));
        break;
    case price:
        if (!row.priceKey)
            row.priceKey.emplace(m_collator, m_bytewise, NumbersWidened(Text(row.fields.price)));
        break;
    default:
        if (!row.nameKey) {
            if (m_bytewise && IsAscii(row.part->m_name))
                row.nameKey.emplace(AsciiCaseFolded(row.part->m_name));
            else
                row.nameKey.emplace(m_collator, m_bytewise, CaseFolded(QString::fromStdString(row.part->m_name)));
        }
        break;
    }
}

bool CPartsTableModel::Less(const SRow& left, const SRow& right) const
{
    int order = 0;
    switch (m_sortColumn) {
    case kind:
        order = KindName(left.fields.kind).localeAwareCompare(KindName(right.fields.kind));
        break;
    case catalogNo:
        order = left.catalogNoKey->Compare(*right.catalogNoKey);
        break;
    case price:
        order = left.priceKey->Compare(*right.priceKey);
        break;
    default:
        order = left.nameKey->Compare(*right.nameKey);
        break;
    }
    if (m_sortOrder == Qt::DescendingOrder)
        order = -order;
    if (order == 0 && m_sortColumn != description)
        order = left.nameKey->Compare(*right.nameKey);
    if (order != 0)
        return order < 0;
    return left.sequence < right.sequence;
}

void CPartsTableModel::SortRows()
{
    for (SRow& row : m_rows) {
        MakeKey(row, description);
        MakeKey(row, m_sortColumn);
    }
    std::sort(m_rows.begin(), m_rows.end(), [this](const SRow& left, const SRow& right) { return Less(left, right); });
}

bool CPartsTableModel::Matches(const SRow& row) const
{
    return QString::fromStdString(row.part->m_name).contains(m_filter, Qt::CaseInsensitive)
        || Text(row.fields.catalogNo).contains(m_filter, Qt::CaseInsensitive);
}

void CPartsTableModel::ApplyFilter()
{
    m_shown.clear();
    if (m_filter.isEmpty())
        return;
    for (size_t index = 0; index < m_rows.size(); ++index)
        if (Matches(m_rows[index]))
            m_shown.push_back(int(index));
}

void CPartsTableModel::Fill(const CObjectManager& list)
{
    beginResetModel();
    m_rows.clear();
    m_nextSequence = 0;
    m_rows.reserve(list.GetList().size());
    for (const auto& part : list.GetList())
        if (part)
            m_rows.push_back(MakeRow(part.get()));
    SortRows();
    ApplyFilter();
    endResetModel();
}

void CPartsTableModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_shown.clear();
    m_nextSequence = 0;
    endResetModel();
}

void CPartsTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnTotal)
        return;
    // Selected and current rows stay with their parts.
    const QModelIndexList before = persistentIndexList();
    std::vector<const CNamedObject*> parts;
    parts.reserve(size_t(before.size()));
    for (const QModelIndex& index : before)
        parts.push_back(PartAt(index.row()));
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_sortColumn = column;
    m_sortOrder = order;
    SortRows();
    ApplyFilter();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype at = 0; at < before.size(); ++at) {
        const int row = RowOf(parts[size_t(at)]);
        after << (row < 0 ? QModelIndex() : index(row, before[at].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CPartsTableModel::SetFilter(const QString& text)
{
    if (text == m_filter)
        return;
    beginResetModel();
    m_filter = text;
    ApplyFilter();
    endResetModel();
}

int CPartsTableModel::IndexOf(const CNamedObject* part) const
{
    if (!part)
        return -1;
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [part](const SRow& row) { return row.part == part; });
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

int CPartsTableModel::RowOf(const CNamedObject* part) const
{
    const int index = IndexOf(part);
    if (index < 0 || m_filter.isEmpty())
        return index;
    const auto shown = std::lower_bound(m_shown.begin(), m_shown.end(), index);
    return shown != m_shown.end() && *shown == index ? int(shown - m_shown.begin()) : -1;
}

CNamedObject* CPartsTableModel::PartAt(int row) const
{
    return row >= 0 && row < rowCount() ? ShownRow(row).part : nullptr;
}

int CPartsTableModel::Add(CNamedObject* part)
{
    if (!part)
        return -1;
    SRow row = MakeRow(part);
    MakeKey(row, description);
    MakeKey(row, m_sortColumn);
    const int index = int(std::upper_bound(m_rows.begin(), m_rows.end(), row,
                              [this](const SRow& left, const SRow& right) { return Less(left, right); })
        - m_rows.begin());
    if (m_filter.isEmpty()) {
        beginInsertRows({}, index, index);
        m_rows.insert(m_rows.begin() + index, std::move(row));
        endInsertRows();
        return index;
    }
    const bool shown = Matches(row);
    const auto place = std::lower_bound(m_shown.begin(), m_shown.end(), index);
    const int shownRow = int(place - m_shown.begin());
    if (shown)
        beginInsertRows({}, shownRow, shownRow);
    m_rows.insert(m_rows.begin() + index, std::move(row));
    for (auto later = place; later != m_shown.end(); ++later)
        ++*later;
    if (shown) {
        m_shown.insert(m_shown.begin() + shownRow, index);
        endInsertRows();
    }
    return shown ? shownRow : -1;
}

bool CPartsTableModel::Remove(const CNamedObject* part)
{
    const int index = IndexOf(part);
    if (index < 0)
        return false;
    const int shownRow = RowOf(part);
    if (shownRow >= 0)
        beginRemoveRows({}, shownRow, shownRow);
    m_rows.erase(m_rows.begin() + index);
    if (!m_filter.isEmpty()) {
        auto place = std::lower_bound(m_shown.begin(), m_shown.end(), index);
        if (shownRow >= 0)
            place = m_shown.erase(place);
        for (; place != m_shown.end(); ++place)
            --*place;
    }
    if (shownRow >= 0)
        endRemoveRows();
    return true;
}

int CPartsTableModel::Refresh(const CNamedObject* part)
{
    const int index = IndexOf(part);
    if (index < 0)
        return -1;
    const int sequence = m_rows[size_t(index)].sequence;
    CNamedObject* changed = m_rows[size_t(index)].part;
    Remove(part);
    // The part keeps its place among equal values.
    const int nextSequence = m_nextSequence;
    m_nextSequence = sequence;
    const int row = Add(changed);
    m_nextSequence = nextSequence;
    return row;
}

CPartsTable::CPartsTable(QWidget* parent)
    : QTableView(parent)
    , m_model(new CPartsTableModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    setAlternatingRowColors(true);
    setTabKeyNavigation(false);
    // Every row is one line high: the view never measures rows one by one.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setSortIndicator(CPartsTableModel::description, Qt::AscendingOrder);
    header->resizeSection(CPartsTableModel::kind, 100);
    header->resizeSection(CPartsTableModel::catalogNo, 120);
    header->resizeSection(CPartsTableModel::price, 80);
    SetColumnModes();
    setSortingEnabled(true);
    for (int column = 0; column < CPartsTableModel::columnTotal; ++column)
        m_wantedWidths[size_t(column)] = header->sectionSize(column);
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!m_fitting)
            m_wantedWidths[size_t(column)] = width;
    });

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CPartsTable::selectedPartChanged);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit editRequested();
    });
}

// The name takes the width the other columns leave, so a narrow table still shows every
// column; the others keep the widths they are given.
void CPartsTable::SetColumnModes()
{
    QHeaderView* header = horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(CPartsTableModel::description, QHeaderView::Stretch);
}

void CPartsTable::RestoreColumns(const QByteArray& state)
{
    // Nothing saved (the first start) keeps the wanted widths: the ones shown may have been
    // squeezed into a table not yet laid out.
    const bool restored = horizontalHeader()->restoreState(state);
    SetColumnModes();
    // Restoring tells nobody of the widths it sets.
    if (restored)
        for (int column = 0; column < CPartsTableModel::columnTotal; ++column)
            m_wantedWidths[size_t(column)] = horizontalHeader()->sectionSize(column);
    FitColumns();
}

QByteArray CPartsTable::SavedColumns()
{
    ShowWidths(m_wantedWidths);
    const QByteArray state = horizontalHeader()->saveState();
    FitColumns();
    return state;
}

void CPartsTable::ShowWidths(const std::array<int, CPartsTableModel::columnTotal>& widths)
{
    m_fitting = true;
    for (int column = CPartsTableModel::kind; column < CPartsTableModel::columnTotal; ++column)
        horizontalHeader()->resizeSection(column, widths[size_t(column)]);
    m_fitting = false;
}

void CPartsTable::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    FitColumns();
}

std::array<int, CPartsTableModel::columnTotal> CPartsTable::ReadableWidths() const
{
    const QFontMetrics metrics = fontMetrics();
    // A cell's text stands between small margins; the kind's picture stands before its name.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    int kindName = 0;
    for (const EPartKind kind : {EPartKind::tree, EPartKind::building, EPartKind::platform})
        kindName = std::max(kindName, metrics.horizontalAdvance(CPartsTableModel::KindName(kind)));
    std::array<int, CPartsTableModel::columnTotal> widths {};
    // A name's letters are mostly small ones; an "n" is about their mean width with capitals and spaces.
    widths[CPartsTableModel::description] = metrics.horizontalAdvance(QString(kReadableNameLength, u'n')) + margins;
    const int picture = iconSize().isValid() ? iconSize().width() : style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    widths[CPartsTableModel::kind] = picture + 4 + kindName + margins;
    // Catalogue numbers of ten characters, prices as the dialogs show them.
    widths[CPartsTableModel::catalogNo] = metrics.horizontalAdvance(QStringLiteral("0000000000")) + margins;
    widths[CPartsTableModel::price] = metrics.horizontalAdvance(QStringLiteral("00000.00")) + margins;
    return widths;
}

int CPartsTable::ReadableWidth() const
{
    const std::array<int, CPartsTableModel::columnTotal> widths = ReadableWidths();
    int total = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (const int width : widths)
        total += width;
    return total;
}

void CPartsTable::FitColumns()
{
    const std::array<int, CPartsTableModel::columnTotal> readable = ReadableWidths();
    const int room = viewport()->width() - readable[CPartsTableModel::description];
    int others = 0;
    int leastOthers = 0;
    std::array<int, CPartsTableModel::columnTotal> least {};
    for (int column = CPartsTableModel::kind; column < CPartsTableModel::columnTotal; ++column) {
        // A column the user made narrower than its texts stays so.
        least[size_t(column)] = std::min(readable[size_t(column)], m_wantedWidths[size_t(column)]);
        others += m_wantedWidths[size_t(column)];
        leastOthers += least[size_t(column)];
    }
    std::array<int, CPartsTableModel::columnTotal> shown = m_wantedWidths;
    if (others > room && others > leastOthers && room >= leastOthers) {
        // Each gives up what it has beyond its texts' width, in proportion.
        for (int column = CPartsTableModel::kind; column < CPartsTableModel::columnTotal; ++column)
            shown[size_t(column)] = least[size_t(column)]
                + (m_wantedWidths[size_t(column)] - least[size_t(column)]) * (room - leastOthers) / (others - leastOthers);
    } else if (others > room && others > 0) {
        // Narrower still: every column shrinks alike, the name keeps a few characters.
        const int left = viewport()->width() - fontMetrics().averageCharWidth() * 8;
        for (int column = CPartsTableModel::kind; column < CPartsTableModel::columnTotal; ++column)
            shown[size_t(column)]
                = std::max(horizontalHeader()->minimumSectionSize(), least[size_t(column)] * std::max(left, 0) / std::max(leastOthers, 1));
    }
    ShowWidths(shown);
}

void CPartsTable::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    // The kinds' names, and with them the widths they need, follow the language and the font.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitColumns();
}

void CPartsTable::FillFromList(const CObjectManager& list)
{
    m_model->Fill(list);
    SelectIndex(-1);
}

void CPartsTable::ClearEntries()
{
    m_model->Clear();
}

bool CPartsTable::AddAndSelect(CNamedObject* part)
{
    if (!part)
        return false;
    // A new part the filter would hide: the user sees what was made.
    SelectRevealing(part, m_model->Add(part));
    return true;
}

bool CPartsTable::RefreshSelected()
{
    CNamedObject* part = GetSelectedObject();
    if (!part)
        return false;
    SelectRevealing(part, m_model->Refresh(part));
    return true;
}

void CPartsTable::Reveal(const CNamedObject* part)
{
    SelectRevealing(part, FindObject(part));
}

void CPartsTable::SelectRevealing(const CNamedObject* part, int row)
{
    if (row < 0) {
        m_model->SetFilter(QString());
        row = m_model->RowOf(part);
    }
    SelectIndex(row);
}

bool CPartsTable::DeleteSelected()
{
    const CNamedObject* part = GetSelectedObject();
    if (!part)
        return false;
    m_model->Remove(part);
    SelectIndex(-1);
    return true;
}

QString CPartsTable::EntryText(int row) const
{
    return m_model->data(m_model->index(row, CPartsTableModel::description)).toString();
}

CNamedObject* CPartsTable::GetSelectedObject() const
{
    return m_model->PartAt(GetSelectedIndex());
}

int CPartsTable::GetSelectedIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void CPartsTable::SelectIndex(int row)
{
    if (row < 0 || row >= count()) {
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex index = m_model->index(row, CPartsTableModel::description);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

bool CPartsTable::SelectObject(const CNamedObject* part)
{
    const int row = FindObject(part);
    SelectIndex(row);
    return row >= 0;
}

void CPartsTable::SetFilter(const QString& text)
{
    CNamedObject* selected = GetSelectedObject();
    m_model->SetFilter(text);
    SelectObject(selected);
    emit selectedPartChanged();
}

void CPartsTable::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (GetSelectedObject()) {
            emit editRequested();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (GetSelectedObject()) {
            emit deleteRequested();
            return;
        }
        break;
    // The rows are the table's items: Home and End go to the first and the last part.
    case Qt::Key_Home:
    case Qt::Key_End:
        if (event->modifiers() == Qt::NoModifier && count() > 0) {
            SelectIndex(event->key() == Qt::Key_Home ? 0 : count() - 1);
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}
