#pragma once

#include <QString>

// The version data the build stamps into the program: product version, company name, legal
// line and the maker's contact addresses, each read by its name.
class CVersionInfo {
public:
    // The only translation the program's version data carries (US English, Unicode).
    static constexpr const char* kEnglishUnicode = "040904b0";

    explicit CVersionInfo(const QString& translation = QString());

    void SetTranslation(const QString& translation);
    // Returns 1 and the value when the name is known in the translation, else 0 and an
    // empty value. Names are matched ignoring case.
    int GetStringValue(const QString& name, QString& value) const;

private:
    QString m_translation;
};
