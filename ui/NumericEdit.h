#pragma once

#include <QLineEdit>

// Lets only digits be typed into edit, as the size fields that take no sign do.
void SetDigitsOnly(QLineEdit& edit);

// A one-line edit holding a whole number.
class CNumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CNumericEdit(QWidget* parent = nullptr);

    // Shows value in decimal; leaves the text alone when it already reads the same.
    void SetValue(int value);
    // The whole number at the start of the text: blanks skipped, an optional sign, digits;
    // 0 when there are none. A number too large for an int gives the nearest int.
    int GetValue() const;

private:
    // The width that shows the widest whole number the field holds.
    int WidestNumberWidth() const;
};

// Parses text as CNumericEdit::GetValue does.
int LeadingInteger(const QString& text);
