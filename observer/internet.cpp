// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "internet.h"

#include "appcontext.h"
#include "backgroundstep.h"
#include "longitude.h"
#include "messageservice.h"
#include "numbertext.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

namespace noctalis {

namespace {

void tellNotOpened(const QUrl &page, MessageService &messages)
{
    logSkippedStep(lcDesktop, "open a web page",
                   page.toString() + QStringLiteral(": the desktop has no handler for it"));
    messages.show(PageTexts::notOpened(page), programTitle());
}

}  // namespace

void OpenURL(const QString &url, const DesktopOpener &desktop, MessageService &messages)
{
    const QUrl page = QUrl::fromUserInput(url);
    if (desktop && desktop(page))
        return;
    tellNotOpened(page, messages);
}

DesktopOpener launchingOpener(MessageService &messages, const QString &xdgOpen)
{
    // PATH is searched when a page is opened, not while the clock starts.
    return [xdgOpen, &messages](const QUrl &page) {
        const QString program =
            xdgOpen.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("xdg-open")) : xdgOpen;
        if (program.isEmpty())
            return QDesktopServices::openUrl(page);
        auto *process = new QProcess(QCoreApplication::instance());
        process->setProgram(program);
        process->setArguments({page.toString(QUrl::FullyEncoded)});
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::finished, process,
                         [process, page, &messages](int exitCode, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (status != QProcess::NormalExit || exitCode != 0)
                                 tellNotOpened(page, messages);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, page, &messages](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;  // finished follows
                             process->deleteLater();
                             tellNotOpened(page, messages);
                         });
        process->start();
        return true;
    };
}

void OpenURL(const QString &url, const AppContext &context) { OpenURL(url, context.openUrl, context.messages); }

QString PageTexts::notOpened(const QUrl &url)
{
    const QString where = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    return tr("No web browser could open the page. You find it here:\r\n%1").arg(where);
}

QString mapRootAddress() { return QStringLiteral("https://maps.google.com/"); }

QString MapURL(double latDeg, double lngWestDeg)
{
    const QString lngText = lngWestDeg > 180 ? plainNumberText(Longitude(lngWestDeg).east()).trimmed()
                                             : QLatin1Char('-') + plainNumberText(lngWestDeg).trimmed();
    const QString latText = plainNumberText(latDeg).trimmed();
    QUrlQuery query;
    query.setQueryItems({{QStringLiteral("ie"), QStringLiteral("UTF8")},
                         {QStringLiteral("ll"), latText + QLatin1Char(',') + lngText},
                         {QStringLiteral("spn"), QStringLiteral("1,1")},
                         {QStringLiteral("t"), QStringLiteral("h")}});
    QUrl url(mapRootAddress());
    url.setQuery(query);
    return url.toString();
}

void ShowMapAt(double latDeg, double lngWestDeg, const AppContext &context)
{
    OpenURL(MapURL(latDeg, lngWestDeg), context);
}

}  // namespace noctalis
