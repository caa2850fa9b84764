// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SiteChoice: the box a window picks its place with, the observer's own
// place first, then each of the other sites. Hidden while there are no other
// sites; long names are cut rather than widening the window.
#pragma once

#include "sites.h"

#include <QComboBox>

namespace noctalis {

class SiteChoice : public QComboBox {
    Q_OBJECT

public:
    // A box named "cmbSite" with the accessible name "Site".
    SiteChoice(const QString &toolTip, QWidget *parent);

    // Offers the observer's place (named place, "Your place" when empty) and
    // the sites, the observer's place chosen, without a change signal.
    void offer(const QString &place, const QList<Site> &sites);

    // Whether one of the other sites is chosen.
    bool isOtherSite() const;
    // The site chosen, or own when the observer's place is.
    Site chosen(const Site &own) const;

private:
    QList<Site> m_sites;
};

}  // namespace noctalis
