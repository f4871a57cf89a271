#pragma once

#include <QString>

#include <string>

// What the part dialogs store for an empty "Catalog no" (a single blank) and an empty
// "Price" ("0").
std::string CatalogNoFromText(const QString& text);
std::string PriceFromText(const QString& text);

// Names a dialog's control, so that it can be found by name, and returns it.
template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
