#include "ui/ObjectListBox.h"

#include "model/NamedObject.h"
#include "model/ObjectManager.h"

#include <QEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kObjectRole = Qt::UserRole;
// Space between the entry's edge and its text, and the width of the focus frame.
constexpr int kEntryInset = 3;

QString NameOf(const CNamedObject& object)
{
    return QString::fromStdString(object.m_name);
}

// Draws an entry as the list box wants it, whatever the widget style would do.
class CEntryDelegate : public QStyledItemDelegate {
public:
    explicit CEntryDelegate(CItemListBox& listBox)
        : QStyledItemDelegate(&listBox)
        , m_listBox(listBox)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!index.isValid())
            return;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
        painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        const QRect textRect = option.rect.adjusted(kEntryInset, kEntryInset, -kEntryInset, -kEntryInset);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus)
            DrawFocusFrame(*painter, option.rect, palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_listBox.TextHeight() + 2 * kEntryInset};
    }

private:
    // Three dotted rectangles, one inside the other, make a frame three pixels wide.
    static void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& color)
    {
        painter.setPen(QPen(color, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        for (int shrink = 0; shrink < kEntryInset; ++shrink)
            painter.drawRect(rect.adjusted(shrink, shrink, -shrink - 1, -shrink - 1));
    }

    CItemListBox& m_listBox;
};

} // namespace

CItemListBox::CItemListBox(QWidget* parent)
    : QListWidget(parent)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new CEntryDelegate(*this));
}

int CItemListBox::SortedInsertPosition(const QString& text) const
{
    // After every entry that sorts before or equal to the text, so equal names keep their
    // order of adding.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_collator.compare(item(middle)->text(), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int CItemListBox::AddEntry(const QString& text)
{
    const int row = SortedInsertPosition(text);
    auto entry = std::make_unique<QListWidgetItem>(text);
    entry->setData(kObjectRole, QVariant::fromValue<void*>(nullptr));
    insertItem(row, entry.release());
    return row;
}

bool CItemListBox::DeleteEntry(int index)
{
    if (index == -1)
        index = GetSelectedIndex();
    if (index < 0 || index >= count())
        return false;
    const bool wasSelected = item(index)->isSelected();
    std::unique_ptr<QListWidgetItem> entry(takeItem(index));
    // The view would otherwise move the current entry to a neighbour.
    if (wasSelected)
        SelectIndex(-1);
    return true;
}

void CItemListBox::ClearEntries()
{
    clear();
}

CNamedObject* CItemListBox::GetEntryObject(int index) const
{
    if (index == -1)
        index = GetSelectedIndex();
    if (index < 0 || index >= count())
        return nullptr;
    return static_cast<CNamedObject*>(item(index)->data(kObjectRole).value<void*>());
}

bool CItemListBox::SetEntryObject(int index, CNamedObject* object)
{
    if (index == -1)
        index = GetSelectedIndex();
    if (index < 0 || index >= count())
        return false;
    item(index)->setData(kObjectRole, QVariant::fromValue<void*>(object));
    return true;
}

int CItemListBox::GetSelectedIndex() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void CItemListBox::SelectIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
}

int CItemListBox::TextHeight() const
{
    if (m_textHeight == 0)
        m_textHeight = fontMetrics().boundingRect(QRect(), Qt::TextSingleLine, QStringLiteral("M")).height();
    return m_textHeight;
}

void CItemListBox::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        m_textHeight = 0;
        doItemsLayout();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        // New system colours show at once, not at the next incidental repaint.
        viewport()->repaint();
        break;
    default:
        break;
    }
}

CObjectListBox::CObjectListBox(QWidget* parent)
    : CItemListBox(parent)
{
}

void CObjectListBox::FillFromList(const CObjectManager& list, const CNamedObject* select)
{
    ClearEntries();
    SelectIndex(-1);
    for (const auto& element : list.GetList()) {
        if (!element)
            continue;
        const int row = AddEntry(NameOf(*element));
        SetEntryObject(row, element.get());
    }
    if (select)
        SelectObject(select);
}

bool CObjectListBox::RefreshSelected()
{
    CNamedObject* object = GetSelectedObject();
    if (!object)
        return false;
    DeleteSelected();
    return AddAndSelect(object);
}

bool CObjectListBox::AddAndSelect(CNamedObject* object)
{
    if (!object)
        return false;
    const int row = AddEntry(NameOf(*object));
    SetEntryObject(row, object);
    SelectIndex(row);
    return true;
}

CNamedObject* CObjectListBox::GetSelectedObject() const
{
    return GetEntryObject(GetSelectedIndex());
}

bool CObjectListBox::DeleteSelected()
{
    const int row = GetSelectedIndex();
    return row >= 0 && DeleteEntry(row);
}

int CObjectListBox::FindObject(const CNamedObject* object) const
{
    if (!object)
        return -1;
    for (int row = 0; row < count(); ++row)
        if (GetEntryObject(row) == object)
            return row;
    return -1;
}

bool CObjectListBox::SelectObject(const CNamedObject* object)
{
    const int row = FindObject(object);
    SelectIndex(row);
    return row >= 0;
}

bool CObjectListBox::RefreshObject(const CNamedObject* object)
{
    const int row = FindObject(object);
    if (row < 0)
        return false;
    CNamedObject* entryObject = GetEntryObject(row);
    const bool wasSelected = item(row)->isSelected();
    DeleteEntry(row);
    const int newRow = AddEntry(NameOf(*entryObject));
    SetEntryObject(newRow, entryObject);
    if (wasSelected)
        SelectIndex(newRow);
    return true;
}

bool CObjectListBox::DeleteObject(const CNamedObject* object)
{
    const int row = FindObject(object);
    return row >= 0 && DeleteEntry(row);
}
