// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "settingsstore.h"

#include "backgroundstep.h"
#include "fileroutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>

#include <sys/stat.h>

namespace noctalis {

namespace {

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Merges every section named like `section` into the first of them, and
// every repeated key of it into its first occurrence (the later value
// wins). Returns the index of that section, appending it when missing.
// Linear in the number of sections and entries.
qsizetype mergedSection(QList<IniSection> &sections, const QString &section)
{
    QList<IniSection> kept;
    kept.reserve(sections.size() + 1);
    qsizetype first = -1;
    for (IniSection &s : sections) {
        if (!sameName(s.name, section)) {
            kept.append(std::move(s));
        } else if (first < 0) {
            first = kept.size();
            kept.append(std::move(s));
        } else {
            kept[first].entries.append(std::move(s.entries));
        }
    }
    sections = std::move(kept);
    if (first < 0) {
        sections.append({section, {}});
        return sections.size() - 1;
    }
    QList<IniEntry> unique;
    QHash<QString, qsizetype> at;  // folded key -> index in unique
    for (IniEntry &entry : sections[first].entries) {
        const QString folded = entry.key.toCaseFolded();
        if (const auto it = at.constFind(folded); it != at.constEnd()) {
            unique[*it].rawValue = std::move(entry.rawValue);
        } else {
            at.insert(folded, unique.size());
            unique.append(std::move(entry));
        }
    }
    sections[first].entries = std::move(unique);
    return first;
}

qint64 nanoseconds(const struct timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; }

}  // namespace

SettingsStore::SettingsStore(const QString &filePath) : m_path(filePath) {}

QString SettingsStore::defaultPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("noctalis1/noctalis1.ini"));
}

QString SettingsStore::filePath() const { return m_path; }

SettingsStore::Stamp SettingsStore::currentStamp() const
{
    struct stat st {};
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return Stamp{};
    return Stamp{true, st.st_dev, st.st_ino, st.st_size, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

void SettingsStore::refresh() const
{
    const Stamp stamp = currentStamp();
    if (m_loaded && stamp == m_stamp)
        return;
    m_loaded = true;
    m_stamp = stamp;
    m_sections.clear();
    m_state = FileState::Missing;
    if (!stamp.exists)
        return;

    m_state = FileState::Unreadable;
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(m_path, kMaxFileBytes, &error);
    if (!bytes) {
        qCWarning(lcSettings).noquote() << "settings file" << m_path << "not read:" << error;
        return;
    }
    m_sections = parseIniText(*bytes);
    m_state = FileState::Read;
}

const QByteArray *SettingsStore::rawValue(const QString &section, const QString &key) const
{
    refresh();
    const QByteArray *raw = nullptr;
    for (const IniSection &s : std::as_const(m_sections)) {
        if (!sameName(s.name, section))
            continue;
        for (const IniEntry &entry : s.entries) {
            if (sameName(entry.key, key))
                raw = &entry.rawValue;
        }
    }
    return raw;
}

QString SettingsStore::read(const QString &section, const QString &key, const QString &defaultText) const
{
    const QByteArray *raw = rawValue(section, key);
    return raw ? iniValue(*raw) : defaultText;
}

bool SettingsStore::contains(const QString &section, const QString &key) const
{
    return rawValue(section, key) != nullptr;
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    refresh();
    const qsizetype index = mergedSection(m_sections, section);
    IniSection &target = m_sections[index];
    if (sameName(section, settingsSection()))
        target.name = settingsSection();
    auto entry = std::find_if(target.entries.begin(), target.entries.end(),
                              [&](const IniEntry &e) { return sameName(e.key, key); });
    if (entry == target.entries.end())
        target.entries.append({key, iniValueText(text)});
    else
        entry->rawValue = iniValueText(text);

    const auto notWritten = [&](const QString &why) {
        qCWarning(lcSettings).noquote() << "settings file" << m_path << "not written:" << why;
        noteSave(m_path, why);
        return false;
    };
    if (m_state == FileState::Unreadable)
        return notWritten(QStringLiteral("the file there could not be read and is left as it is"));
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return notWritten(QStringLiteral("cannot create the folder ") + info.absolutePath());
    QString error;
    if (!saveFileDurably(m_path, iniText(m_sections), &error))
        return notWritten(error);
    m_stamp = currentStamp();
    m_state = FileState::Read;
    noteSave(m_path, std::nullopt);
    return true;
}

void SettingsStore::noteSave(const QString &path, const std::optional<QString> &failure)
{
    if (!failure) {
        m_failingFiles.remove(path);
        return;
    }
    if (!m_messages || m_failingFiles.contains(path))
        return;
    m_failingFiles.insert(path);
    m_messages->show(QCoreApplication::translate("SettingsStore",
                                                 "A change of the settings could not be saved to:\r\n%1\r\n%2\r\n"
                                                 "It stays in effect while the clock runs, and saving it is tried "
                                                 "again at the next change.")
                         .arg(QDir::toNativeSeparators(path), *failure),
                     programTitle());
}

}  // namespace noctalis
