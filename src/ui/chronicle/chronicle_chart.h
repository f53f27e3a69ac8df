// The chronicle's chart: the reign's figures over the years, drawn with QPainter.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QColor>
#include <QString>
#include <QWidget>

#include "ui/base/line_drawer.h"

struct Chronicle;

// Series of very different sizes (a treasury in the millions, an army of forty) each get a band
// of their own, stacked one above the other on a shared axis of year ends, with their own scale
// written in their colour: every series stays readable whatever the others hold.
class ChronicleChart final : public QWidget {
    Q_OBJECT
public:
    enum Series { Population, Workers, Soldiers, Land, Grain, Money, Rating, SeriesCount };

    explicit ChronicleChart(const Chronicle& chronicle, QWidget* parent = nullptr);

    static QString seriesName(int series);
    static QColor seriesColour(int series);

    void setChronicle(const Chronicle& chronicle);
    void setSeriesVisible(int series, bool visible);
    bool isSeriesVisible(int series) const { return m_visible[std::size_t(series)]; }
    const Chronicle& chronicle() const { return *m_chronicle; }
    // A series' value at an entry, as the chart draws it.
    double seriesValue(int series, std::size_t entry) const { return value(series, entry); }

    // The text the tooltip shows at a point of the widget, empty away from the bands.
    QString valueTextAt(QPoint point) const;
    // What the chart says instead of its bands while it has none to draw, empty while it has.
    QString placeholder() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Band {
        int series = 0;
        QRect plot;
    };
    // The plot area's bands, top to bottom, for the visible series.
    std::vector<Band> bands() const;
    QRect plotArea() const;
    int entryAt(int x) const;
    double value(int series, std::size_t entry) const;

    const Chronicle* m_chronicle;
    std::array<bool, SeriesCount> m_visible{};
    int m_hoverEntry = -1;
    // The names, scales and years.
    mutable LineDrawer m_labels;
};
