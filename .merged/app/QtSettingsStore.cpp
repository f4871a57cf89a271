#include "app/QtSettingsStore.h"

namespace {

QString KeyName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}

std::optional<int32_t> Int32FromSetting(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        // Through the text: a number's own conversion wraps values outside the range.
        bool ok = false;
        const int32_t number = value.toString().toInt(&ok);
        if (ok)
            return number;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

CQtSettingsStore::CQtSettingsStore()
    : CQtSettingsStore(OpenProgramSettings())
{
}

CQtSettingsStore::CQtSettingsStore(std::unique_ptr<QSettings> settings)
    : m_pSettings(std::move(settings))
{
}

std::unique_ptr<QSettings> CQtSettingsStore::OpenProgramSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
        QStringLiteral(MW_COMPANY_NAME), QString::fromLatin1(kApplicationName));
}

std::optional<int32_t> CQtSettingsStore::ReadInt32(std::string_view name)
{
    const QString key = KeyName(name);
    if (!m_pSettings->contains(key))
        return std::nullopt;
    return Int32FromSetting(m_pSettings->value(key));
}

bool CQtSettingsStore::WriteInt32(std::string_view name, int32_t value)
{
    m_pSettings->setValue(KeyName(name), value);
    m_pSettings->sync();
    return m_pSettings->status() == QSettings::NoError && m_pSettings->isWritable();
}

std::optional<std::string> CQtSettingsStore::ReadText(std::string_view name)
{
    const QVariant value = m_pSettings->value(KeyName(name));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString().toStdString();
}

bool CQtSettingsStore::WriteText(std::string_view name, std::string_view text)
{
    m_pSettings->setValue(KeyName(name), QString::fromUtf8(text.data(), qsizetype(text.size())));
    m_pSettings->sync();
    return m_pSettings->status() == QSettings::NoError && m_pSettings->isWritable();
}

void CQtSettingsStore::Flush()
{
    m_pSettings->sync();
}
