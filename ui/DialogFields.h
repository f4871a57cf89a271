#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>

class CNumericEdit;
class QButtonGroup;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// What the part dialogs store for an empty "Catalogue no" (a single blank) and an empty
// "Price" ("0"); a price's decimal comma is stored as a point.
std::string CatalogNoFromText(const QString& text);
std::string PriceFromText(const QString& text);

// Gives a dialog's control its name, by which help and tests find it, and returns it.
template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A right-aligned edit for a whole number that takes digits only.
CNumericEdit* NewDigitsEdit(const char* name);
// A right-aligned edit for a price: digits with at most one decimal point or comma.
QLineEdit* NewPriceEdit(const char* name);

// The short line beside a dialog's buttons that names what OK still waits for.
QLabel* NewOkHint();
// OK is available when nothing is missing; otherwise the hint names what is.
void ShowOkState(QPushButton& ok, QLabel& hint, const QString& missing);

// Every one-line label of the window gets room for its whole text as drawn, which a glyph's ink
// may reach past its measure, by a pixel or so at double size. Part dialogs do it when shown
// (FitToScreen); other windows call it once their labels are made.
void GiveLabelsTheirTextWidth(QWidget& window);

// A dialog larger than the screen it opens on shows its fields in a scrolled pane, with its
// buttons and its preview kept in sight beside it; on a screen large enough it is unchanged.
void FitToScreen(QDialog& dialog);

// Checks the button with the id, or none of the group when no button has it.
void CheckButtonById(QButtonGroup& group, int id);
// The id of the checked button, or 0 when none is checked.
int CheckedIdOrZero(const QButtonGroup& group);

// A list button (New, Edit, Delete): Enter presses it while it has the focus, and the
// dialog's OK otherwise.
QPushButton* NewListButton(const QString& text, const char* name);
// Double-click and Enter on the list's selected entry run edit; the Delete key runs remove.
void ConnectListKeys(QListWidget& list, std::function<void()> edit, std::function<void()> remove);
// Tab enters the group on its checked button (the first when none is checked) and leaves it
// from there; the arrow keys move within it. Call after the dialog's tab chain is set.
void TabToCheckedButton(QButtonGroup& group);
// Lays out a group as a list with a column of buttons to its right.
void LayOutListWithButtons(QGroupBox& group, QWidget& list, std::initializer_list<QPushButton*> buttons);

// Makes the keyboard focus move through the controls in the given order; the key of a group's
// title leads to the first of them in the group.
void SetTabChain(std::initializer_list<QWidget*> controls);
