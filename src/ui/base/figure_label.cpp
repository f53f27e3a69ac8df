// A label that shrinks its one line of text to fit instead of cutting it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/figure_label.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

namespace {

// Point sizes are tried in these steps below the first estimate until the line fits.
constexpr qreal kPointStep = 0.25;
constexpr qreal kSmallestPoints = 1.0;

qreal advanceOf(const QFont& font, const QString& text, const QPaintDevice* device) {
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

} // namespace

bool FigureLabel::drawnAsOneLine() const {
    return !wordWrap() && pixmap().isNull() && textFormat() == Qt::PlainText &&
           !text().contains(QLatin1Char('\n'));
}

QRect FigureLabel::textRoom() const {
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // QLabel's own rule: a framed label without an indent of its own indents by half an 'x'.
    int shift = indent();
    if (shift < 0 && frameWidth() > 0) {
        shift = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    }
    if (shift > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft) {
            room.setLeft(room.left() + shift);
        }
        if (align & Qt::AlignRight) {
            room.setRight(room.right() - shift);
        }
        if (align & Qt::AlignTop) {
            room.setTop(room.top() + shift);
        }
        if (align & Qt::AlignBottom) {
            room.setBottom(room.bottom() - shift);
        }
    }
    return room;
}

QFont FigureLabel::shownFont() const {
    QFont shown = font();
    if (!drawnAsOneLine()) {
        return shown;
    }
    const qreal room = textRoom().width();
    const qreal needed = advanceOf(shown, text(), this);
    if (needed <= room || room <= 0) {
        return shown;
    }
    // Glyph widths do not scale exactly with the size: start from the proportional estimate
    // and step down until the line fits.
    qreal points = std::max(kSmallestPoints, shown.pointSizeF() * room / needed);
    shown.setPointSizeF(points);
    while (points > kSmallestPoints && advanceOf(shown, text(), this) > room) {
        points = std::max(kSmallestPoints, points - kPointStep);
        shown.setPointSizeF(points);
    }
    return shown;
}

void FigureLabel::paintEvent(QPaintEvent* event) {
    const QFont shown = shownFont();
    if (shown == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(shown);
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    style()->drawItemText(&painter, textRoom(), int(align), palette(), isEnabled(), text(),
                          foregroundRole());
}
