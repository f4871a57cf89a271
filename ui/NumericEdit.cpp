#include "ui/NumericEdit.h"

#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>


#include <limits>

void SetDigitsOnly(QLineEdit& edit)
{
    edit.setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &edit));
}

CNumericEdit::CNumericEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // A hard minimum, which every layout keeps, even one squeezed into a small screen.
    setMinimumWidth(WidestNumberWidth());
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

int CNumericEdit::WidestNumberWidth() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    // The edit keeps two pixels each side of its text.
    const int text = fontMetrics().horizontalAdvance(QString::number(std::numeric_limits<int>::max())) + 4
        + margins.left() + margins.right();
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, sizeHint().height()), this).width();
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
