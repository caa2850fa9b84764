// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A late-bound automation object: created by ProgID, its members got, set and
// called by name without regard to case.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>

namespace automation {

class Instance;

class Object {
public:
    Object();  // the empty object: every member access fails with error 91

    // Creates an object of the class registered under progId, looking in the
    // program's plugin folders (pluginFolders()). An empty object when no
    // library serves the ProgID or its factory refuses.
    static Object create(const QString &progId);
    static Object create(const QString &progId, const QStringList &folders);

    // As create, but a failure throws AutomationError 429 ("ActiveX
    // component can't create object") whose text names the ProgID and why:
    // no library in the folders serves it, the library does not load, or
    // its factory refuses the class.
    static Object createOrThrow(const QString &progId);
    static Object createOrThrow(const QString &progId, const QStringList &folders);

    bool isEmpty() const;

    // Each of these throws AutomationError: 91 on an empty object, 438 for an
    // unknown member, 383 when setting a read-only property, 449/450 for
    // missing or surplus arguments, and the error a member raised itself.
    QVariant get(const QString &member) const;  // a property, or a method without arguments
    void set(const QString &member, const QVariant &value);
    // Missing arguments (automation::missing()) and trailing omitted ones are
    // passed as Missing to the member's optional parameters.
    QVariant call(const QString &member, const QVariantList &args = {});

    // The canonical spelling of a member, or an empty text when unknown.
    QString memberName(const QString &member) const;

private:
    std::shared_ptr<Instance> d;
};

// The folders searched for automation libraries, relative to the program's
// folder: "plugins" beside it in the build tree, then the installed plugin
// folder (lib/noctalis/plugins, or the multiarch libdir, under the prefix).
QStringList pluginFolders();

// The path of the library that serves progId in folders, or empty.
QString findLibrary(const QString &progId, const QStringList &folders);

// True while the library serving progId is loaded by this layer.
bool isLibraryLoaded(const QString &progId);

}  // namespace automation
