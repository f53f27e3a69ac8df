// One-line texts drawn straight from the font's glyphs: the chronicle's cells, report and labels.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRawFont>
#include <QString>

class QPainter;
class QRect;

// The chronicle draws a few hundred short texts at every year end. Laying each out (shaping) as
// QPainter::drawText does costs twice the time of drawing, and keeping the laid-out texts costs
// memory for every cell ever shown: 0.6 kB for a figure, 2 kB for a line of events. The glyphs
// of Russian and of figures need no shaping, so they are looked up and placed by their advances
// at each paint, which costs a quarter more than drawing kept texts and keeps nothing. A text
// with a character the font lacks is laid out as usual, so another font can supply it.
class LineDrawer {
public:
    // Draws one line of `text` in the painter's font and pen, aligned in `rect` (left, right or
    // centred across; top, bottom or centred down) and clipped to it when it is wider.
    void draw(QPainter& painter, const QRect& rect, int alignment, const QString& text);
    // The width draw gives the text in `font`.
    qreal width(const QFont& font, const QString& text);

private:
    const QRawFont& rawFont(const QFont& font);
    // The glyphs of the text and their advances; empty when the font lacks one of them.
    QList<quint32> glyphs(const QRawFont& raw, const QString& text) const;

    QFont m_font; // the font last asked for, and its glyphs
    QRawFont m_raw;
};
