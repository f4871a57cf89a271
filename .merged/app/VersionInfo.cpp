#include "app/VersionInfo.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, const char*>, 7> kStringValues{{
    {"ProductName", "Modelwright"},
    {"ProductVersion", MW_VERSION},
    {"FileVersion", MW_VERSION},
    {"CompanyName", MW_COMPANY_NAME},
    {"LegalCopyright", MW_LEGAL_COPYRIGHT},
    {"ContactMail", MW_CONTACT_MAIL},
    {"Homepage", MW_HOMEPAGE},
}};

}

CVersionInfo::CVersionInfo(const QString& translation)
    : m_translation(translation)
{
}

void CVersionInfo::SetTranslation(const QString& translation)
{
    m_translation = translation;
}

int CVersionInfo::GetStringValue(const QString& name, QString& value) const
{
    value.clear();
    if (name.isEmpty() || m_translation.compare(QLatin1String(kEnglishUnicode), Qt::CaseInsensitive) != 0)
        return 0;
    for (const auto& [key, text] : kStringValues) {
        if (name.compare(QLatin1String(key), Qt::CaseInsensitive) == 0) {
            value = QString::fromUtf8(text);
            return 1;
        }
    }
    return 0;
}
