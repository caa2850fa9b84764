// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The about box: name, version, what the program is for, licence, and links
// to the home and help pages.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutBox;
}

namespace noctalis {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);
    ~AboutBox() override;

    static QString homePage();
    static QString helpPage();

private:
    std::unique_ptr<Ui::AboutBox> ui;
};

}  // namespace noctalis
