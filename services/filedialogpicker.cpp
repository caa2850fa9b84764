// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "filedialogpicker.h"

#include "dialogparent.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace noctalis {

QString qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const bool hasPattern = i + 1 < parts.size();
        if (description.isEmpty() && !hasPattern)
            continue;
        QStringList patterns;
        if (hasPattern) {
            for (const QString &pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                const QString p = pattern.trimmed();
                patterns.append(p == QLatin1String("*.*") ? QStringLiteral("*") : p);
            }
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        filters.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString existingFolder(const QString &path)
{
    QString folder = path;
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return path;
        folder = parent;
    }
    return folder.isEmpty() ? path : folder;
}

std::optional<QString> FileDialogPicker::pickFile(const FilePickRequest &request)
{
    const bool save = request.purpose == FilePickRequest::Purpose::Save;
    QFileDialog dialog(dialogParent(), request.title, existingFolder(request.directory), qtNameFilters(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    // A proposed wildcard name ("*.alm") is what the filter already shows.
    const QString &name = request.proposedName;
    if (!name.isEmpty() && !name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace noctalis
