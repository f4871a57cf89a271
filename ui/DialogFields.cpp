#include "ui/DialogFields.h"

#include "ui/NumericEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Catches Enter and Delete on a list before the dialog takes Enter for its OK button.
class CListKeys : public QObject {
public:
    CListKeys(QListWidget& list, std::function<void()> edit, std::function<void()> remove)
        : QObject(&list)
        , m_list(list)
        , m_edit(std::move(edit))
        , m_remove(std::move(remove))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || m_list.selectedItems().isEmpty())
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_edit();
            return true;
        case Qt::Key_Delete:
            m_remove();
            return true;
        default:
            return false;
        }
    }

private:
    QListWidget& m_list;
    std::function<void()> m_edit;
    std::function<void()> m_remove;
};

// What a one-line edit needs beside its text: frame and margins.
constexpr int kEditFrameWidth = 12;

} // namespace

std::string CatalogNoFromText(const QString& text)
{
    return text.isEmpty() ? std::string(" ") : text.toStdString();
}

std::string PriceFromText(const QString& text)
{
    if (text.isEmpty())
        return "0";
    QString price = text;
    return price.replace(u',', u'.').toStdString();
}

CNumericEdit* NewDigitsEdit(const char* name)
{
    auto* edit = Named(new CNumericEdit, name);
    edit->setAlignment(Qt::AlignRight);
    SetDigitsOnly(*edit);
    return edit;
}

QLineEdit* NewPriceEdit(const char* name)
{
    auto* edit = Named(new QLineEdit, name);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*([.,][0-9]*)?")), edit));
    // A price with decimals stays readable where the layout would squeeze the field.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + kEditFrameWidth);
    return edit;
}

namespace {

// A label's text as shown: an access key's '&' drops out, a doubled one shows once.
QString ShownText(const QString& text)
{
    QString shown;
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index] == u'&' && index + 1 < text.size())
            ++index;
        shown += text[index];
    }
    return shown;
}

} // namespace

void GiveLabelsTheirTextWidth(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            continue;
        const QString shown = ShownText(label->text());
        const QFontMetricsF metrics(label->font());
        // The ink may end past the last advance (the tail of a g), and the smoothing of the
        // glyphs' edges drawn at any density takes up to a pixel each side.
        const qreal ink = std::max(metrics.horizontalAdvance(shown), metrics.tightBoundingRect(shown).right()) + 2;
        const int frame = label->width() - label->contentsRect().width();
        label->setMinimumWidth(std::max(label->minimumWidth(),
            static_cast<int>(std::ceil(ink)) + 2 * label->margin() + std::max(label->indent(), 0) + frame));
    }
}

namespace {

// Takes the widget's item out of the layout or any layout within it; false when it is in none.
bool TakeOut(QLayout& layout, const QWidget& widget)
{
    for (int index = 0; index < layout.count(); ++index) {
        QLayoutItem* item = layout.itemAt(index);
        if (item->widget() == &widget) {
            std::unique_ptr<QLayoutItem>(layout.takeAt(index)).reset();
            return true;
        }
        if (item->layout() && TakeOut(*item->layout(), widget))
            return true;
    }
    return false;
}

class CScreenFitter : public QObject {
public:
    explicit CScreenFitter(QDialog& dialog) : QObject(&dialog), m_dialog(dialog) { dialog.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !m_scroll) {
            GiveLabelsTheirTextWidth(m_dialog);
            FitIfTooLarge();
        }
        return false;
    }

private:
    void FitIfTooLarge()
    {
        const QScreen* screen = m_dialog.screen();
        QLayout* layout = m_dialog.layout();
        if (!screen || !layout)
            return;
        // Room for the window frame, which the layout does not know.
        const QSize room = screen->availableSize() - QSize(16, 40);
        const QSize needed = m_dialog.minimumSizeHint();
        if (needed.width() <= room.width() && needed.height() <= room.height())
            return;
        // The buttons, the line beside them and the preview stay out of the scrolled pane.
        QList<QWidget*> kept;
        for (QDialogButtonBox* buttons : m_dialog.findChildren<QDialogButtonBox*>())
            kept << buttons;
        for (QLabel* hint : m_dialog.findChildren<QLabel*>(QStringLiteral("okHint")))
            kept << hint;
        QWidget* preview = nullptr;
        for (QWidget* child : m_dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->inherits("CPartPreview"))
                preview = child;
        for (QWidget* widget : kept + QList<QWidget*> {preview})
            if (widget)
                TakeOut(*layout, *widget);
        // Made in the dialog first, so that the fields stay in its window and keep their tab order.
        QWidget* const focused = m_dialog.focusWidget();
        auto* body = new QWidget(&m_dialog);
        body->setLayout(layout);
        m_scroll = new QScrollArea(&m_dialog);
        m_scroll->setObjectName(QStringLiteral("fieldsPane"));
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_scroll->setFocusPolicy(Qt::NoFocus);
        m_scroll->setWidgetResizable(true);
        m_scroll->setWidget(body);
        // Made while the dialog is being shown, after it showed its children.
        body->show();
        m_scroll->show();
        auto* outer = new QGridLayout(&m_dialog);
        auto* buttonRow = new QHBoxLayout;
        for (QWidget* widget : kept)
            buttonRow->addWidget(widget, widget->inherits("QLabel") ? 1 : 0);
        outer->addWidget(m_scroll, 0, 0);
        outer->addLayout(buttonRow, 1, 0);
        // The fields need the room more than the picture does.
        if (preview) {
            preview->setMaximumWidth(std::max(preview->minimumWidth(), preview->minimumSizeHint().width()));
            outer->addWidget(preview, 0, 1, 2, 1);
        }
        outer->setColumnStretch(0, 1);
        // The minimum the old layout set would hold the dialog at its old size.
        m_dialog.setMinimumSize(0, 0);
        outer->activate();
        // As large as the dialog wanted, with room for the scroll bars, where the screen has it.
        const QMargins margins = outer->contentsMargins();
        const int bar = m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + margins.left() + margins.right();
        m_dialog.resize((needed + QSize(bar, bar)).boundedTo(room).expandedTo(m_dialog.minimumSizeHint()));
        // A field moved into the pane has let go of the focus.
        if (focused)
            focused->setFocus();
    }

    QDialog& m_dialog;
    QScrollArea* m_scroll = nullptr;
};

}

void FitToScreen(QDialog& dialog)
{
    new CScreenFitter(dialog);
}

QLabel* NewOkHint()
{
    auto* hint = Named(new QLabel, "okHint");
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return hint;
}

void ShowOkState(QPushButton& ok, QLabel& hint, const QString& missing)
{
    ok.setEnabled(missing.isEmpty());
    hint.setText(missing);
}

void CheckButtonById(QButtonGroup& group, int id)
{
    QAbstractButton* button = id != 0 ? group.button(id) : nullptr;
    if (button) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps its checked button; it lets go only while not exclusive.
    const bool exclusive = group.exclusive();
    group.setExclusive(false);
    for (QAbstractButton* member : group.buttons())
        member->setChecked(false);
    group.setExclusive(exclusive);
}

int CheckedIdOrZero(const QButtonGroup& group)
{
    const int id = group.checkedId();
    return id == -1 ? 0 : id;
}

void SetTabChain(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    const auto follow = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    QList<QWidget*> containersEntered;
    for (QWidget* control : controls) {
        QWidget* container = control->parentWidget();
        if (containersEntered.contains(container)) {
            follow(control);
            continue;
        }
        containersEntered << container;
        // A group's title key leads to the first of its controls that follows it in the chain, so
        // the group goes just before them. Only controls that take the focus are linked: the
        // group takes it while it is.
        if (qobject_cast<QGroupBox*>(container)) {
            const Qt::FocusPolicy policy = container->focusPolicy();
            container->setFocusPolicy(Qt::TabFocus);
            follow(container);
            follow(control);
            container->setFocusPolicy(policy);
            continue;
        }
        // A button box hands the focus on to its first button: left where it was made, it would
        // send Tab from its last button back to its first, so it goes just before them.
        if (qobject_cast<QDialogButtonBox*>(container)) {
            container->setFocusPolicy(Qt::TabFocus);
            follow(container);
        }
        follow(control);
    }
}

QPushButton* NewListButton(const QString& text, const char* name)
{
    auto* button = Named(new QPushButton(text), name);
    button->setAutoDefault(true);
    return button;
}

void ConnectListKeys(QListWidget& list, std::function<void()> edit, std::function<void()> remove)
{
    QObject::connect(&list, &QListWidget::itemDoubleClicked, &list, [edit] { edit(); });
    list.installEventFilter(new CListKeys(list, std::move(edit), std::move(remove)));
}

void TabToCheckedButton(QButtonGroup& group)
{
    const QList<QAbstractButton*> buttons = group.buttons();
    for (qsizetype index = 1; index < buttons.size(); ++index)
        QWidget::setTabOrder(buttons[index - 1], buttons[index]);
    const auto letTabReachOnlyTheChecked = [&group] {
        const QList<QAbstractButton*> members = group.buttons();
        QAbstractButton* target = group.checkedButton();
        if (!target && !members.isEmpty())
            target = members.front();
        for (QAbstractButton* button : members)
            button->setFocusPolicy(button == target ? Qt::StrongFocus : Qt::ClickFocus);
    };
    letTabReachOnlyTheChecked();
    QObject::connect(&group, &QButtonGroup::buttonToggled, &group, letTabReachOnlyTheChecked);
}

void LayOutListWithButtons(QGroupBox& group, QWidget& list, std::initializer_list<QPushButton*> buttons)
{
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch(1);
    auto* layout = new QHBoxLayout(&group);
    layout->addWidget(&list, 1);
    layout->addLayout(column);
}
