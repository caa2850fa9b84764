// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SiteRows: the face's rows of other sites, one label a site below the
// clock's own rows, each "name  LMST" with the sidereal time at that site.
// The labels are made only for sites there are; none without sites.
#pragma once

#include "sites.h"

#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QPalette>
#include <QString>

#include <optional>

class QLabel;
class QObject;
class QWidget;

namespace noctalis {

class SiteRows {
    Q_DECLARE_TR_FUNCTIONS(SiteRows)

public:
    // Rows on face; mouse events of every row go to watcher.
    SiteRows(QWidget &face, QObject &watcher);
    ~SiteRows();
    SiteRows(const SiteRows &) = delete;
    SiteRows &operator=(const SiteRows &) = delete;

    // One row per site, in their order, made afresh when the sites changed,
    // in the look style last gave. A new row shows "--:--:--" until the next
    // showTimes.
    void setSites(const QList<Site> &sites);
    // The rows' colours, font and tooltip, now and for rows made later:
    // those of the face's headings.
    void style(const QPalette &palette, const QFont &font, const QString &toolTip);
    // Every row's time for the observer's LMST (hours) at the observer's
    // longitude (degrees west); with no LMST, "--:--:--".
    void showTimes(std::optional<double> lmstHours, double lngWestDeg);

    const QList<QLabel *> &labels() const { return m_labels; }
    // A row's text with the widest time it may show, for its width.
    QString widestText(int row) const;

private:
    void showRow(int row, const QString &time);
    QString rowText(int row, const QString &time) const;

    QWidget &m_face;
    QObject &m_watcher;
    QList<Site> m_sites;
    QList<QLabel *> m_labels;
    QPalette m_palette;
    QFont m_font;
    QString m_toolTip;
};

}  // namespace noctalis
