#pragma once

#include "ui/ControlIds.h"

#include <QString>
#include <QWidget>

#include <string>

// Numbers of the controls every part dialog has.
inline constexpr int kDescriptionId = 1014;
inline constexpr int kCatalogNoId = 1026;
inline constexpr int kPriceId = 1027;
inline constexpr int kPartsPerPackageId = 1028;
inline constexpr int kUnitsId = 1029;
inline constexpr int kFreeTextId = 1036;

// What the part dialogs store for an empty "Catalog no" (a single blank) and an empty
// "Price" ("0").
std::string CatalogNoFromText(const QString& text);
std::string PriceFromText(const QString& text);

// Gives a dialog's control its name and its number, so that it can be found by either,
// and returns it.
template <typename Widget>
Widget* Named(Widget* widget, const char* name, int id)
{
    widget->setObjectName(QString::fromLatin1(name));
    SetControlId(*widget, id);
    return widget;
}
