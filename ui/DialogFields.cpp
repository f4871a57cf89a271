#include "ui/DialogFields.h"

#include "ui/NumericEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

std::string CatalogNoFromText(const QString& text)
{
    return text.isEmpty() ? std::string(" ") : text.toStdString();
}

std::string PriceFromText(const QString& text)
{
    return text.isEmpty() ? std::string("0") : text.toStdString();
}

CNumericEdit* NewDigitsEdit(const char* name)
{
    auto* edit = Named(new CNumericEdit, name);
    edit->setAlignment(Qt::AlignRight);
    SetDigitsOnly(*edit);
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

QPushButton* NewListButton(const QString& text, const char* name)
{
    auto* button = Named(new QPushButton(text), name);
    button->setAutoDefault(false);
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
