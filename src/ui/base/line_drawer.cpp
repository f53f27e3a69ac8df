// One-line texts drawn from the font's glyphs placed by their advances.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/line_drawer.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRect>

// A view draws in one or two fonts; comparing them is cheap, making a raw font is not.
const QRawFont& LineDrawer::rawFont(const QFont& font) {
    if (!m_raw.isValid() || font != m_font) {
        m_font = font;
        m_raw = QRawFont::fromFont(font);
    }
    return m_raw;
}

QList<quint32> LineDrawer::glyphs(const QRawFont& raw, const QString& text) const {
    QList<quint32> found = raw.isValid() ? raw.glyphIndexesForString(text) : QList<quint32>();
    if (std::find(found.begin(), found.end(), 0u) != found.end()) {
        found.clear();
    }
    return found;
}

qreal LineDrawer::width(const QFont& font, const QString& text) {
    const QRawFont& raw = rawFont(font);
    const QList<quint32> indexes = glyphs(raw, text);
    if (indexes.isEmpty()) {
        return QFontMetricsF(font).horizontalAdvance(text);
    }
    qreal width = 0;
    for (const QPointF& advance : raw.advancesForGlyphIndexes(indexes)) {
        width += advance.x();
    }
    return width;
}

void LineDrawer::draw(QPainter& painter, const QRect& rect, int alignment, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    const QRawFont& raw = rawFont(painter.font());
    const QList<quint32> indexes = glyphs(raw, text);
    const bool whole = !indexes.isEmpty();
    QList<QPointF> positions;
    qreal width = 0;
    if (whole) {
        positions = raw.advancesForGlyphIndexes(indexes);
        for (QPointF& position : positions) {
            const qreal advance = position.x();
            position = QPointF(width, 0);
            width += advance;
        }
    } else {
        width = painter.fontMetrics().horizontalAdvance(text);
    }
    const qreal ascent = whole ? raw.ascent() : painter.fontMetrics().ascent();
    const qreal height = whole ? raw.ascent() + raw.descent() : painter.fontMetrics().height();
    const qreal x = alignment & Qt::AlignRight     ? rect.right() + 1 - width
                    : alignment & Qt::AlignHCenter ? rect.left() + (rect.width() - width) / 2
                                                   : rect.left();
    const qreal top = alignment & Qt::AlignBottom    ? rect.bottom() + 1 - height
                      : alignment & Qt::AlignVCenter ? rect.top() + (rect.height() - height) / 2
                                                     : rect.top();
    const QPointF baseline(x, std::round(top + ascent));
    const bool tooWide = width > rect.width();
    if (tooWide) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    if (whole) {
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(baseline, run);
    } else {
        painter.drawText(baseline, text);
    }
    if (tooWide) {
        painter.restore();
    }
}
