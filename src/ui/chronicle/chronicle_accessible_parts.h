// What the chronicle's accessibility files share: the context of its spoken texts and the
// interface of the table.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class QAccessibleInterface;
class RowsView;

// The texts a screen reader speaks for the chronicle's views.
class ChronicleSpeech {
    Q_DECLARE_TR_FUNCTIONS(ChronicleSpeech)
};

// The table's interface, for the factory.
QAccessibleInterface* makeTableAccessible(RowsView* view);
