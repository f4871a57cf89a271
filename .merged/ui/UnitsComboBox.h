#pragma once

#include <QComboBox>

// The "Units" choice of every part: "mm" (index 0) or "inch" (index 1). Each entry carries
// the number of its text as item data.
class CUnitsComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CUnitsComboBox(QWidget* parent = nullptr);

    // Fills in the two entries and selects entry index when it is 0 or more.
    void Fill(int index);
    // The index of the selected entry; 0 when none is (the user typed into the edit field).
    int GetUnits() const;
};
