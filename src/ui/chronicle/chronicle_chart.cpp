// The chronicle's chart: one band per shown series, each on its own scale, and values on hover.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chronicle/chronicle_chart.h"

#include <algorithm>
#include <cmath>

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "core/number_text.h"
#include "sim/chronicle.h"
#include "ui/base/twips.h"
#include "ui/chronicle/chronicle_accessible.h"

namespace {

constexpr int kLeftMargin = 92; // the series' names and scales
constexpr int kRightMargin = 8;
constexpr int kTopMargin = 4;
constexpr int kBottomMargin = 20; // the years
constexpr int kBandGap = 4;

const QColor kPlotBackground(255, 255, 236);
const QColor kGrid(208, 208, 196);

// Axis labels stay short whatever the figure: 12345678 reads "12,3 млн".
QString shortNumber(double value) {
    const double size = std::fabs(value);
    const auto scaled = [value](double unit, const char* format) {
        //: The decimal mark of the chart's short figures ("12,3 млн").
        const QString mark = ChronicleChart::tr(",", "decimal mark");
        return ChronicleChart::tr(format).arg(
            QString::number(value / unit, 'f', 1).replace(QLatin1Char('.'), mark));
    };
    if (size >= 1e12) {
        //: %1 trillion, with one decimal: the chart's scales are kept short.
        return scaled(1e12, QT_TRANSLATE_NOOP("ChronicleChart", "%1 трлн"));
    }
    if (size >= 1e9) {
        //: %1 billion (thousand million), with one decimal.
        return scaled(1e9, QT_TRANSLATE_NOOP("ChronicleChart", "%1 млрд"));
    }
    if (size >= 1e6) {
        //: %1 million, with one decimal.
        return scaled(1e6, QT_TRANSLATE_NOOP("ChronicleChart", "%1 млн"));
    }
    if (size >= 1e4) {
        //: %1 thousand, with one decimal.
        return scaled(1e3, QT_TRANSLATE_NOOP("ChronicleChart", "%1 тыс."));
    }
    return QString::number(std::round(value), 'f', 0);
}

} // namespace

ChronicleChart::ChronicleChart(const Chronicle& chronicle, QWidget* parent)
    : QWidget(parent), m_chronicle(&chronicle) {
    setObjectName(QStringLiteral("chronicleChart"));
    // Reachable by Tab, so that a screen reader reads its summary; it draws no focus frame.
    setFocusPolicy(Qt::TabFocus);
    m_visible.fill(true);
    setMouseTracking(true);
    setFont(gameFont(9));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString ChronicleChart::seriesName(int series) {
    static const char* const kNames[SeriesCount] = {
        QT_TRANSLATE_NOOP("ChronicleChart", "Население"),
        QT_TRANSLATE_NOOP("ChronicleChart", "Рабочие"),
        QT_TRANSLATE_NOOP("ChronicleChart", "Солдаты"),
        QT_TRANSLATE_NOOP("ChronicleChart", "Земля"),
        QT_TRANSLATE_NOOP("ChronicleChart", "Зерно"),
        QT_TRANSLATE_NOOP("ChronicleChart", "Деньги"),
        QT_TRANSLATE_NOOP("ChronicleChart", "Рейтинг")};
    return tr(kNames[series]);
}

QColor ChronicleChart::seriesColour(int series) {
    // The status column's dark blue for the total, the goods panels' brown and a darker grain
    // yellow that reads on the light plot; the rest picked to stay apart from them.
    static const QColor kColours[SeriesCount] = {
        QColor(0, 0, 192),   QColor(0, 128, 0),   QColor(192, 0, 0),  QColor(128, 64, 0),
        QColor(176, 144, 0), QColor(0, 128, 128), QColor(192, 0, 192)};
    return kColours[series];
}

void ChronicleChart::setChronicle(const Chronicle& chronicle) {
    m_chronicle = &chronicle;
    m_hoverEntry = -1;
    update();
    chronicleAccessibility::seriesChanged(this);
}

void ChronicleChart::setSeriesVisible(int series, bool visible) {
    m_visible[std::size_t(series)] = visible;
    update();
    chronicleAccessibility::seriesChanged(this);
}

QSize ChronicleChart::sizeHint() const {
    return {760, 330};
}

QSize ChronicleChart::minimumSizeHint() const {
    return {320, 160};
}

double ChronicleChart::value(int series, std::size_t entry) const {
    const ChronicleEntry& e = m_chronicle->entries[entry];
    switch (series) {
    case Population:
        return e.total;
    case Workers:
        return e.workers;
    case Soldiers:
        return e.soldiers;
    case Land:
        return e.land;
    case Grain:
        return e.grain;
    case Money:
        return e.money;
    default:
        return e.rating;
    }
}

QRect ChronicleChart::plotArea() const {
    return rect().adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
}

std::vector<ChronicleChart::Band> ChronicleChart::bands() const {
    std::vector<Band> result;
    const int shown = int(std::count(m_visible.begin(), m_visible.end(), true));
    if (shown == 0) {
        return result;
    }
    const QRect area = plotArea();
    const int height = (area.height() - kBandGap * (shown - 1)) / shown;
    int top = area.top();
    for (int series = 0; series < SeriesCount; ++series) {
        if (m_visible[std::size_t(series)]) {
            result.push_back({series, QRect(area.left(), top, area.width(), height)});
            top += height + kBandGap;
        }
    }
    return result;
}

int ChronicleChart::entryAt(int x) const {
    const int count = int(m_chronicle->entries.size());
    const QRect area = plotArea();
    if (count == 0 || x < area.left() - 4 || x > area.right() + 4) {
        return -1;
    }
    if (count == 1) {
        return 0;
    }
    const double step = double(area.width() - 1) / (count - 1);
    return std::clamp(int(std::lround((x - area.left()) / step)), 0, count - 1);
}

QString ChronicleChart::valueTextAt(QPoint point) const {
    const int entry = entryAt(point.x());
    if (entry < 0) {
        return {};
    }
    for (const Band& band : bands()) {
        if (point.y() >= band.plot.top() - kBandGap / 2 &&
            point.y() <= band.plot.bottom() + kBandGap / 2) {
            const ChronicleEntry& e = m_chronicle->entries[std::size_t(entry)];
            //: The value under the pointer: the year, the series, the figure.
            return tr("Год %1 — %2: %3")
                .arg(QString::fromStdString(plainNumberText(e.year)), seriesName(band.series),
                     QString::fromStdString(plainNumberText(value(band.series, entry))));
        }
    }
    return {};
}

QString ChronicleChart::placeholder() const {
    if (m_chronicle->entries.empty()) {
        return tr("Летопись пуста: первая запись появится, когда пройдёт год.");
    }
    return bands().empty() ? tr("Отметьте, что показывать.") : QString();
}

bool ChronicleChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = valueTextAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void ChronicleChart::mouseMoveEvent(QMouseEvent* event) {
    const int entry = entryAt(event->position().toPoint().x());
    if (entry != m_hoverEntry) {
        m_hoverEntry = entry;
        update();
    }
    // The tooltip follows the pointer from point to point rather than waiting for a new pause.
    if (QToolTip::isVisible()) {
        const QString text = valueTextAt(event->position().toPoint());
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(event->globalPosition().toPoint(), text, this);
        }
    }
}

void ChronicleChart::leaveEvent(QEvent*) {
    m_hoverEntry = -1;
    update();
}

void ChronicleChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const auto& entries = m_chronicle->entries;
    const int count = int(entries.size());
    const QRect area = plotArea();
    const std::vector<Band> shownBands = bands();

    if (count == 0 || shownBands.empty()) {
        painter.setFont(gameFont(11.25));
        painter.drawText(rect(), Qt::AlignCenter, placeholder());
        return;
    }

    const auto xOf = [&](int entry) {
        return count == 1 ? area.left() + area.width() / 2.0
                          : area.left() + entry * double(area.width() - 1) / (count - 1);
    };

    // Years under the plot, spaced so that their labels never touch.
    const QFontMetrics metrics(font());
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("000")) + 14;
    const int every = std::max(1, int(std::ceil(labelWidth / std::max(1.0, xOf(1) - xOf(0)))));
    std::vector<int> ticks;
    for (int entry = 0; entry < count; entry += every) {
        ticks.push_back(entry);
    }

    for (const Band& band : shownBands) {
        const QRect plot = band.plot;
        const QColor colour = seriesColour(band.series);
        painter.fillRect(plot, kPlotBackground);
        painter.setPen(kGrid);
        for (int entry : ticks) {
            const int x = int(std::lround(xOf(entry)));
            painter.drawLine(x, plot.top() + 1, x, plot.bottom() - 1);
        }

        double low = value(band.series, 0);
        double high = low;
        for (int entry = 1; entry < count; ++entry) {
            low = std::min(low, value(band.series, std::size_t(entry)));
            high = std::max(high, value(band.series, std::size_t(entry)));
        }
        const double span = high > low ? high - low : 1.0;
        const double base = high > low ? low : low - 0.5;
        const int inner = std::max(1, plot.height() - 7);
        const auto yOf = [&](double v) { return plot.bottom() - 3 - (v - base) / span * inner; };

        if (low < 0 && high > 0) { // the zero line of a rating that went below it
            painter.setPen(QPen(kGrid.darker(130), 1, Qt::DashLine));
            const int y = int(std::lround(yOf(0)));
            painter.drawLine(plot.left(), y, plot.right(), y);
        }

        // Whole pixels and no antialiasing: the chart is drawn again at every year end, and a
        // smoothed line costs several times as much to fill.
        QPolygon line(count);
        for (int entry = 0; entry < count; ++entry) {
            line[entry] = QPoint(int(std::lround(xOf(entry))),
                                 int(std::lround(yOf(value(band.series, std::size_t(entry))))));
        }
        // Two one-pixel lines make the two-pixel line: a wider pen goes through the stroker,
        // which costs several times as much as the raster's own line drawing.
        painter.setPen(QPen(colour, 0));
        painter.drawPolyline(line);
        line.translate(0, 1);
        painter.drawPolyline(line);
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (count == 1) {
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(xOf(0), yOf(value(band.series, 0))), 3, 3);
            painter.setBrush(Qt::NoBrush);
        }
        if (m_hoverEntry >= 0 && m_hoverEntry < count) {
            painter.setBrush(colour);
            painter.drawEllipse(
                QPointF(xOf(m_hoverEntry), yOf(value(band.series, std::size_t(m_hoverEntry)))), 3.5,
                3.5);
            painter.setBrush(Qt::NoBrush);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);

        // The classic sunken frame of the game's boxed labels.
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(plot.topLeft(), plot.topRight());
        painter.drawLine(plot.topLeft(), plot.bottomLeft());
        painter.setPen(Qt::white);
        painter.drawLine(plot.bottomLeft(), plot.bottomRight());
        painter.drawLine(plot.topRight(), plot.bottomRight());

        // Name and scale in the series' colour, left of its band.
        const QRect labels(0, plot.top(), kLeftMargin - 6, plot.height());
        painter.setPen(colour.darker(115));
        const int nameHeight = metrics.height();
        if (plot.height() >= 3 * metrics.height()) {
            m_labels.draw(painter, labels, Qt::AlignRight | Qt::AlignVCenter,
                          seriesName(band.series));
            m_labels.draw(painter, labels, Qt::AlignRight | Qt::AlignTop, shortNumber(high));
            m_labels.draw(painter, labels, Qt::AlignRight | Qt::AlignBottom, shortNumber(low));
        } else {
            // A thin band has room for the name and its last value only.
            m_labels.draw(painter, labels.adjusted(0, 0, 0, -(plot.height() - nameHeight) / 2),
                          Qt::AlignRight | Qt::AlignBottom, seriesName(band.series));
            m_labels.draw(painter, labels.adjusted(0, (plot.height() + 1) / 2, 0, 0),
                          Qt::AlignRight | Qt::AlignTop,
                          shortNumber(value(band.series, std::size_t(count - 1))));
        }
    }

    painter.setPen(palette().color(QPalette::WindowText));
    const int labelTop = shownBands.back().plot.bottom() + 3;
    for (int entry : ticks) {
        const QString year =
            QString::fromStdString(plainNumberText(entries[std::size_t(entry)].year));
        const int x = int(std::lround(xOf(entry)));
        m_labels.draw(painter, QRect(x - labelWidth / 2, labelTop, labelWidth, kBottomMargin - 3),
                      Qt::AlignHCenter | Qt::AlignTop, year);
    }
    if (m_hoverEntry >= 0 && m_hoverEntry < count) {
        painter.setPen(QPen(QColor(96, 96, 96), 1, Qt::DotLine));
        const int x = int(std::lround(xOf(m_hoverEntry)));
        painter.drawLine(x, area.top(), x, shownBands.back().plot.bottom());
    }
}
