// What makes the chronicle's views known to a screen reader: the factory of their interfaces, and
// the chart's spoken summary.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ChronicleChart;

namespace chronicleAccessibility {

// The factory of the table's, the report pane's and the chart's interfaces, which the chronicle's
// window installs before it makes its views; cheap to call again.
void install();

// One sentence per shown series of the chart: its name, years, lowest and highest value.
QString chartSummary(const ChronicleChart& chart);

} // namespace chronicleAccessibility
