#include "ui/DialogFields.h"

std::string CatalogNoFromText(const QString& text)
{
    return text.isEmpty() ? std::string(" ") : text.toStdString();
}

std::string PriceFromText(const QString& text)
{
    return text.isEmpty() ? std::string("0") : text.toStdString();
}
