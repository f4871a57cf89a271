#include "ui/ControlIds.h"

#include "ui/NumericEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>

void SetControlId(QWidget& control, int id)
{
    control.setProperty(kControlIdProperty, id);
}

QWidget* FindControl(const QWidget& parent, int id)
{
    for (QWidget* child : parent.findChildren<QWidget*>())
        if (child->property(kControlIdProperty).toInt() == id)
            return child;
    return nullptr;
}

CNumericEdit* NewDigitsEdit(QWidget* parent, int id)
{
    auto* edit = new CNumericEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    SetDigitsOnly(*edit);
    SetControlId(*edit, id);
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
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QPushButton* NewListButton(QWidget* parent, int id)
{
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    SetControlId(*button, id);
    return button;
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
