// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "facefit.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace noctalis {

namespace {

// Smallest point size a scaled row takes.
constexpr double kMinScaledPoints = 1.0;
// Trims of the factor before giving up on a face that does not fit.
constexpr int kMaxTrims = 8;

QSize faceSizeAt(const QList<FaceRow> &rows, double scale)
{
    QSize size(0, 0);
    for (const FaceRow &row : rows) {
        QFont font = row.font;
        if (scale != 1.0 && font.pointSizeF() > 0)
            font.setPointSizeF(std::max(kMinScaledPoints, font.pointSizeF() * scale));
        if (row.label->font() != font)
            row.label->setFont(font);
        QSize hint = row.label->sizeHint();
        if (!row.widestText.isEmpty()) {
            const QFontMetrics metrics(font);
            hint.rwidth() +=
                std::max(0, metrics.horizontalAdvance(row.widestText) - metrics.horizontalAdvance(row.label->text()));
        }
        size.setWidth(std::max(size.width(), hint.width()));
        size.rheight() += hint.height();
    }
    return size;
}

double ratioTo(QSize area, QSize face)
{
    return std::min(double(area.width()) / face.width(), double(area.height()) / face.height());
}

}  // namespace

QSize naturalFaceSize(const QList<FaceRow> &rows) { return faceSizeAt(rows, 1.0); }

double fitFace(const QList<FaceRow> &rows, QSize area)
{
    if (rows.isEmpty() || area.isEmpty())
        return 1.0;
    const QSize natural = faceSizeAt(rows, 1.0);
    if (natural.isEmpty())
        return 1.0;
    double scale = ratioTo(area, natural);
    QSize face = scale == 1.0 ? natural : faceSizeAt(rows, scale);
    for (int trim = 0; trim < kMaxTrims && (face.width() > area.width() || face.height() > area.height()); ++trim) {
        scale *= std::min(0.99, ratioTo(area, face));
        face = faceSizeAt(rows, scale);
    }
    const int left = std::max(0, (area.width() - face.width()) / 2);
    int top = std::max(0, (area.height() - face.height()) / 2);
    for (const FaceRow &row : rows) {
        const int height = row.label->sizeHint().height();  // the text's height does not change
        row.label->setGeometry(left, top, face.width(), height);
        top += height;
    }
    return scale;
}

}  // namespace noctalis
