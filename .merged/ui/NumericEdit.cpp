#include "ui/NumericEdit.h"

#include <QRegularExpressionValidator>

#include <limits>

void SetDigitsOnly(QLineEdit& edit)
{
    edit.setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &edit));
}

CNumericEdit::CNumericEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void CNumericEdit::SetValue(int value)
{
    const QString formatted = QString::number(value);
    if (text() != formatted)
        setText(formatted);
}

int CNumericEdit::GetValue() const
{
    return LeadingInteger(text());
}

int LeadingInteger(const QString& text)
{
    qsizetype position = 0;
    while (position < text.size() && text[position].isSpace())
        ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == u'-' || text[position] == u'+')) {
        negative = text[position] == u'-';
        ++position;
    }
    // Accumulate with a ceiling so that a long run of digits saturates instead of overflowing.
    constexpr long long kCeiling = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (; position < text.size() && text[position] >= u'0' && text[position] <= u'9'; ++position)
        magnitude = std::min(kCeiling, magnitude * 10 + (text[position].unicode() - u'0'));
    if (negative)
        return static_cast<int>(-magnitude);
    return static_cast<int>(std::min(magnitude, kCeiling - 1));
}
