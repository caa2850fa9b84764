// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "sitechoice.h"

#include <QSignalBlocker>

namespace noctalis {

namespace {

constexpr int kShownNameChars = 14;

}  // namespace

SiteChoice::SiteChoice(const QString &toolTip, QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("cmbSite"));
    setAccessibleName(tr("Site"));
    setToolTip(toolTip);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(kShownNameChars);
    hide();  // until sites are offered
}

void SiteChoice::offer(const QString &place, const QList<Site> &sites)
{
    const QSignalBlocker quiet(this);
    m_sites = sites;
    clear();
    addItem(place.isEmpty() ? tr("Your place") : place);
    for (const Site &site : m_sites)
        addItem(site.name);
    setVisible(!m_sites.isEmpty());
}

bool SiteChoice::isOtherSite() const { return currentIndex() > 0 && currentIndex() <= m_sites.size(); }

Site SiteChoice::chosen(const Site &own) const { return isOtherSite() ? m_sites[currentIndex() - 1] : own; }

}  // namespace noctalis
