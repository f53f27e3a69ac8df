// The chronicle's report pane and chart for a screen reader, the report as text and the chart
// told, and the factory of the interfaces of all its views.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chronicle/chronicle_interfaces.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QAccessibleWidget>

#include "sim/chronicle.h"
#include "ui/base/controls.h"
#include "ui/chronicle/chronicle_accessible.h"
#include "ui/chronicle/chronicle_accessible_parts.h"
#include "ui/chronicle/chronicle_chart.h"
#include "ui/chronicle/chronicle_table.h"

namespace {

// ---- the report -------------------------------------------------------------------------------

// The report pane as read-only text, its lines joined by line feeds. Its caret is the start of
// its reading line, which the arrows move: a reader reads it line by line.
class ReportAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReportAccessible(ReportView* view)
        : QAccessibleWidget(view, QAccessible::EditableText) {}

    ReportView* view() const { return static_cast<ReportView*>(widget()); }
    QString wholeText() const { return chronicleAccessibility::reportText(view()->text()); }
    int lineStart(int line) const {
        const QStringList lines = wholeText().split(QLatin1Char('\n'));
        int offset = 0;
        for (int row = 0; row < line && row < int(lines.size()); ++row) {
            offset += int(lines[row].size()) + 1;
        }
        return offset;
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return view()->accessibleName().isEmpty()
                       ? ChronicleSpeech::tr("Доклад выбранного года")
                       : view()->accessibleName();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return lineStart(view()->readingLine()); }
    void setCursorPosition(int position) override { scrollTo(position); }
    QString text(int startOffset, int endOffset) const override {
        const QString whole = wholeText();
        if (endOffset < 0 || endOffset > whole.size()) {
            endOffset = int(whole.size());
        }
        startOffset = std::clamp(startOffset, 0, endOffset);
        return whole.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(wholeText().size()); }
    QRect characterRect(int offset) const override {
        const int line = lineOf(offset);
        const QRect place = view()->cellRect(line, 0);
        return {view()->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        const int row = view()->rowAt(view()->viewport()->mapFromGlobal(point));
        return row < 0 ? -1 : lineStart(row);
    }
    void scrollToSubstring(int startIndex, int) override { scrollTo(startIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    int lineOf(int offset) const {
        const QStringList lines = wholeText().split(QLatin1Char('\n'));
        int line = 0;
        for (int start = 0; line < int(lines.size()); ++line) {
            start += int(lines[line].size()) + 1;
            if (offset < start) {
                break;
            }
        }
        return std::min(line, std::max(0, view()->rowCount() - 1));
    }
    void scrollTo(int offset) { view()->showRow(lineOf(offset)); }
};

// ---- the chart --------------------------------------------------------------------------------

class ChartAccessible final : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChronicleChart* chart)
        : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override {
        auto* chart = static_cast<ChronicleChart*>(widget());
        switch (t) {
        case QAccessible::Name:
            return chart->accessibleName().isEmpty() ? ChronicleSpeech::tr("График летописи")
                                                     : chart->accessibleName();
        case QAccessible::Description:
            return chronicleAccessibility::chartSummary(*chart);
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* report = qobject_cast<ReportView*>(object)) {
        return new ReportAccessible(report);
    }
    if (auto* table = qobject_cast<ChronicleTable*>(object)) {
        return makeTableAccessible(table);
    }
    if (auto* chart = qobject_cast<ChronicleChart*>(object)) {
        return new ChartAccessible(chart);
    }
    return nullptr;
}

} // namespace

namespace chronicleAccessibility {

void install() {
    QAccessible::installFactory(factory);
}

QString chartSummary(const ChronicleChart& chart) {
    const std::vector<ChronicleEntry>& entries = chart.chronicle().entries;
    if (entries.empty()) {
        return ChronicleSpeech::tr("Летопись пуста.");
    }
    // Tenths at most: a harvest leaves grain such as 4.79999999999632, which no one wants read.
    const auto number = [](double value) { return plainNumberQText(std::round(value * 10) / 10); };
    QStringList series;
    for (int s = 0; s < ChronicleChart::SeriesCount; ++s) {
        if (!chart.isSeriesVisible(s)) {
            continue;
        }
        double low = chart.seriesValue(s, 0);
        double high = low;
        for (std::size_t e = 1; e < entries.size(); ++e) {
            low = std::min(low, chart.seriesValue(s, e));
            high = std::max(high, chart.seriesValue(s, e));
        }
        //: A series of the chart: its name, its first and last year, its lowest and highest value.
        series << ChronicleSpeech::tr("%1: годы с %2 по %3, от %4 до %5")
                      .arg(ChronicleChart::seriesName(s), number(entries.front().year),
                           number(entries.back().year), number(low), number(high));
    }
    return series.isEmpty() ? ChronicleSpeech::tr("Не показано ни одного ряда.")
                            : series.join(ChronicleSpeech::tr("; ")) + QLatin1Char('.');
}

} // namespace chronicleAccessibility
