// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The per-user settings store: texts by application, section and key, with
// section and key names matched without regard to case.
//
// The store is an INI file (see initext.h for its form) read and written as
// plain text: a value is never decoded into anything but its text, so no
// value in the file can make reading it fail or crash.
#pragma once

#include "initext.h"
#include "messageservice.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

#include <sys/types.h>

namespace noctalis {

class SettingsStore {
public:
    // The store in an INI file at filePath (tests use a temporary file).
    explicit SettingsStore(const QString &filePath);
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // The program's store: $XDG_CONFIG_HOME/noctalis1/noctalis1.ini
    // (~/.config/noctalis1/noctalis1.ini by default).
    static QString defaultPath();

    // The largest settings file read (16 MiB): a file of the program's keys
    // is a few hundred bytes.
    static constexpr qint64 kMaxFileBytes = qint64(16) << 20;

    QString filePath() const;

    // read: the stored text of a key.
    //
    // Returned (function value):
    //   the text of the key in the section, or defaultText when the key is
    //   missing. Sections and keys that occur more than once, in any letter
    //   case, are one: the last occurrence in the file wins.
    //
    // Notes:
    //  1. The file is read again when it changed on disk since the last
    //     read or write. Only a regular file is read, without ever waiting
    //     on it; a missing file is an empty store. A pipe, a device, a
    //     folder, an unreadable file or one over kMaxFileBytes reads as an
    //     empty store too, with one warning in noctalis.settings.
    QString read(const QString &section, const QString &key, const QString &defaultText) const;
    // Whether the section holds the key, in any letter case.
    bool contains(const QString &section, const QString &key) const;

    // write: stores a text and writes the file at once.
    //
    // Returned (function value):
    //   true when the file on disk holds the text; false when it could not
    //   be written (one warning in noctalis.settings says why). Either way
    //   read gives the text back for as long as the file does not change.
    //
    // Notes:
    //  1. Every section of the same name in another case is merged into
    //     the first of them and every repeated key into its first
    //     occurrence, later values winning. A key keeps the spelling it has
    //     in the file; the section "Settings" is always written as
    //     "[Settings]", another section keeps its first spelling.
    //  2. The new file is written beside the old one and takes its place
    //     only once complete and synced to disk (QSaveFile, commitDurably);
    //     a missing folder is created.
    //  3. A file that cannot be read (a pipe, a device, a folder, a file
    //     over kMaxFileBytes) is never replaced: the text is not written.
    //  4. A text not written (a full disk, a file-size limit) stays in the
    //     store, and the next write writes it with its own. The user is
    //     told of the failure once (see tellFailuresTo), not at every write
    //     that fails again.
    bool write(const QString &section, const QString &key, const QString &text);

    // tellFailuresTo: where failed saves are told from now on; nothing
    // (the default) only logs them. A failed save of a file is told once,
    // and again only after a save of it has succeeded in between.
    void tellFailuresTo(MessageService *messages) { m_messages = messages; }

    // noteSave: the outcome of saving another file of the user's settings
    // (the autostart entry), told as the store's own saves are.
    //
    // Given:
    //   path     the file saved
    //   failure  why it was not saved; nothing when it was
    void noteSave(const QString &path, const std::optional<QString> &failure);

private:
    // The raw text of a key, the last occurrence; null when missing.
    const QByteArray *rawValue(const QString &section, const QString &key) const;

    // What identifies one version of the file on disk.
    struct Stamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Stamp &) const = default;
    };
    enum class FileState { Missing, Read, Unreadable };

    Stamp currentStamp() const;
    void refresh() const;

    QString m_path;
    MessageService *m_messages = nullptr;
    QSet<QString> m_failingFiles;  // told of, not saved since
    mutable Stamp m_stamp;
    mutable bool m_loaded = false;
    mutable FileState m_state = FileState::Missing;
    mutable QList<IniSection> m_sections;
};

// The program's one section.
inline QString settingsSection() { return QStringLiteral("Settings"); }

}  // namespace noctalis
