#include "settingsstore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace noctalis {

SettingsStore::SettingsStore(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("noctalis1/noctalis1.ini"));
}

QString SettingsStore::filePath() const { return m_settings->fileName(); }

QString SettingsStore::existingGroup(const QString &section) const
{
    const QStringList groups = m_settings->childGroups();
    for (const QString &g : groups) {
        if (g.compare(section, Qt::CaseInsensitive) == 0)
            return g;
    }
    return QString();
}

QString SettingsStore::existingKey(const QString &group, const QString &key) const
{
    m_settings->beginGroup(group);
    const QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    for (const QString &k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return k;
    }
    return QString();
}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &defaultText) const
{
    const QString group = existingGroup(section);
    if (group.isEmpty())
        return defaultText;
    const QString storedKey = existingKey(group, key);
    if (storedKey.isEmpty())
        return defaultText;
    const QVariant value = m_settings->value(group + QLatin1Char('/') + storedKey);
    // A value with a "," comes back from the INI format as a list of texts.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    QString group = existingGroup(section);
    if (group.isEmpty())
        group = section;
    QString storedKey = existingKey(group, key);
    if (storedKey.isEmpty())
        storedKey = key;
    m_settings->setValue(group + QLatin1Char('/') + storedKey, text);
    m_settings->sync();
}

} // namespace noctalis
