// The per-user settings store: texts by application, section and key, with
// section and key names matched without regard to case.
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace noctalis {

class SettingsStore {
public:
    // The store in an INI file at filePath (tests use a temporary file).
    explicit SettingsStore(const QString &filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // The program's store: $XDG_CONFIG_HOME/noctalis1/noctalis1.ini
    // (~/.config/noctalis1/noctalis1.ini by default).
    static QString defaultPath();

    QString filePath() const;

    // The stored text, or defaultText when the key is missing.
    QString read(const QString &section, const QString &key, const QString &defaultText) const;
    // Stores the text, under the spelling already in the file when the
    // section or key exists in another case. Written to disk at once.
    void write(const QString &section, const QString &key, const QString &text);

private:
    QString existingGroup(const QString &section) const;
    QString existingKey(const QString &group, const QString &key) const;

    std::unique_ptr<QSettings> m_settings;
};

// The program's one section.
inline QString settingsSection() { return QStringLiteral("Settings"); }

} // namespace noctalis
