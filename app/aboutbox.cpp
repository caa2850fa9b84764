// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "aboutbox.h"

#include "internet.h"
#include "windowfit.h"
#include "ui_aboutbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace noctalis {

AboutBox::AboutBox(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::AboutBox>())
{
    ui->setupUi(this);
    fitOnFirstShow(*this);  // on the screen of the window it opens over, wholly
    ui->LBLVersion->setText(tr("Version %1").arg(QStringLiteral(NOCTALIS_VERSION)));
    connect(ui->cmdHome, &QPushButton::clicked, this, [] { OpenURL(homePage()); });
    connect(ui->cmdHelp, &QPushButton::clicked, this, [] { OpenURL(helpPage()); });
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;

QString AboutBox::homePage() { return QStringLiteral(NOCTALIS_HOME_URL); }

QString AboutBox::helpPage()
{
    // The README installed beside the program, or the one of the source tree.
    const QDir appDir(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {appDir.filePath(QStringLiteral(NOCTALIS_INSTALL_DOC_DIR "/README.md")),
                                     QStringLiteral(NOCTALIS_SOURCE_README)}) {
        if (QFileInfo::exists(candidate))
            return QUrl::fromLocalFile(QFileInfo(candidate).absoluteFilePath()).toString();
    }
    return homePage();
}

}  // namespace noctalis
