// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "aboutbox.h"

#include "internet.h"
#include "windowfit.h"
#include "ui_aboutbox.h"
#include "userguide.h"

namespace noctalis {

AboutBox::AboutBox(const AppContext &context, QWidget *parent)
    : QDialog(parent), m_ctx(context), ui(std::make_unique<Ui::AboutBox>())
{
    ui->setupUi(this);
    fitOnFirstShow(*this);  // on the screen of the window it opens over, wholly
    addHelpKey(this, QString(), m_ctx);
    ui->LBLVersion->setText(tr("Version %1").arg(QStringLiteral(NOCTALIS_VERSION)));
    connect(ui->cmdHome, &QPushButton::clicked, this, [this] { OpenURL(homePage(), m_ctx); });
    connect(ui->cmdHelp, &QPushButton::clicked, this, [this] { OpenURL(helpPage(), m_ctx); });
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;

QString AboutBox::homePage() { return QStringLiteral(NOCTALIS_HOME_URL); }

QString AboutBox::helpPage() { return userGuideUrl().toString(); }

}  // namespace noctalis
