// What the chronicle's accessibility files share: the context of its spoken texts and the
// interfaces of the report pane and the chart.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class ChronicleChart;
class QAccessibleInterface;
class ReportView;

// The texts a screen reader speaks for the chronicle's views.
class ChronicleSpeech {
    Q_DECLARE_TR_FUNCTIONS(ChronicleSpeech)
};

QAccessibleInterface* makeReportAccessible(ReportView* view);
QAccessibleInterface* makeChartAccessible(ChronicleChart* chart);
