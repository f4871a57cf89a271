#pragma once

#include <QString>

#include <initializer_list>

class CNumericEdit;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QWidget;

// Every control of the edit dialogs carries its number as the property "controlId", so
// that helpers and tests find a control by the number its choice is stored under.
inline constexpr const char* kControlIdProperty = "controlId";

void SetControlId(QWidget& control, int id);
// The control of parent carrying the number, or nullptr.
QWidget* FindControl(const QWidget& parent, int id);

// A right-aligned edit for a whole number that takes digits only.
CNumericEdit* NewDigitsEdit(QWidget* parent, int id);

// Checks the button with the id, or none of the group when no button has it.
void CheckButtonById(QButtonGroup& group, int id);
// The id of the checked button, or 0 when none is checked.
int CheckedIdOrZero(const QButtonGroup& group);

// A list button (New, Edit, Delete) that Enter in the dialog does not press.
QPushButton* NewListButton(QWidget* parent, int id);
// Lays out a group as a list with a column of buttons to its right.
void LayOutListWithButtons(QGroupBox& group, QWidget& list, std::initializer_list<QPushButton*> buttons);

// Makes the keyboard focus move through the controls in the given order.
void SetTabChain(std::initializer_list<QWidget*> controls);
