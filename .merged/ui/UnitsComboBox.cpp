#include "ui/UnitsComboBox.h"

#include "model/ChoiceCodes.h"

#include <QLineEdit>

CUnitsComboBox::CUnitsComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void CUnitsComboBox::Fill(int index)
{
    clear();
    addItem(tr("mm"), kTextMm);
    addItem(tr("inch"), kTextInch);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    if (currentIndex() < 0)
        setEditText(QString());
}

int CUnitsComboBox::GetUnits() const
{
    const int index = currentIndex();
    // Typing into the edit field leaves no entry selected, whatever the index still says.
    if (index < 0 || itemText(index) != currentText())
        return 0;
    return index;
}
