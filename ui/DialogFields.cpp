#include "ui/DialogFields.h"

#include "ui/NumericEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

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
    QList<QGroupBox*> groupsEntered;
    for (QWidget* control : controls) {
        // A group's title key leads to the group's first control in the chain.
        if (auto* group = qobject_cast<QGroupBox*>(control->parentWidget()); group && !groupsEntered.contains(group)) {
            groupsEntered << group;
            follow(group);
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
