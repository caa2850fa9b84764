// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "siterows.h"

#include "noctalismodule.h"

#include <QLabel>
#include <QWidget>

namespace noctalis {

SiteRows::SiteRows(QWidget &face, QObject &watcher) : m_face(face), m_watcher(watcher) {}

SiteRows::~SiteRows() = default;  // the labels are the face's children

void SiteRows::setSites(const QList<Site> &sites)
{
    if (sites == m_sites)
        return;
    qDeleteAll(m_labels);
    m_labels.clear();
    m_sites = sites;
    for (int row = 0; row < m_sites.size(); ++row) {
        auto *label = new QLabel(&m_face);
        label->setObjectName(QStringLiteral("LBLSite%1").arg(row));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setPalette(m_palette);
        label->setFont(m_font);
        label->setToolTip(m_toolTip);
        label->installEventFilter(&m_watcher);
        label->show();
        m_labels.append(label);
        showRow(row, tr("--:--:--"));
    }
}

void SiteRows::style(const QPalette &palette, const QFont &font, const QString &toolTip)
{
    m_palette = palette;
    m_font = font;
    m_toolTip = toolTip;
    for (QLabel *label : std::as_const(m_labels)) {
        label->setPalette(palette);
        label->setFont(font);
        label->setToolTip(toolTip);
    }
}

void SiteRows::showTimes(std::optional<double> lmstHours, double lngWestDeg)
{
    for (int row = 0; row < m_sites.size(); ++row)
        showRow(row, lmstHours ? FormatHoursHMS(siteLmstHours(*lmstHours, lngWestDeg, m_sites[row].lngWestDeg))
                               : tr("--:--:--"));
}

QString SiteRows::widestText(int row) const
{
    // Digits are as wide as one another in most fonts, and wider than "-".
    return rowText(row, QStringLiteral("00:00:00"));
}

QString SiteRows::rowText(int row, const QString &time) const
{
    // The site's name, then its LMST.
    return tr("%1  %2").arg(m_sites[row].name, time);
}

void SiteRows::showRow(int row, const QString &time)
{
    m_labels[row]->setText(rowText(row, time));
    m_labels[row]->setAccessibleName(tr("LMST at %1: %2").arg(m_sites[row].name, time));
}

}  // namespace noctalis
