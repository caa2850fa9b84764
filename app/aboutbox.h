// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The about box: name, version, what the program is for, licence, and links
// to the home page and the user guide.
#pragma once

#include "appcontext.h"

#include <QDialog>

#include <memory>

namespace Ui {
class AboutBox;
}

namespace noctalis {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    // The links open through the application's opener; where no browser
    // opens them, its messages say where the page is.
    explicit AboutBox(const AppContext &context, QWidget *parent = nullptr);
    ~AboutBox() override;

    static QString homePage();
    // The user guide installed with the program (a file URL).
    static QString helpPage();

private:
    AppContext m_ctx;
    std::unique_ptr<Ui::AboutBox> ui;
};

}  // namespace noctalis
