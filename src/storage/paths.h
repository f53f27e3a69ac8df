// Where the program finds the files that ship with it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The file beside the executable, or in the installed data folder (../share/veloria) when the
// program runs from an install prefix. Returns the path beside the executable when neither exists.
QString programFile(const QString& name);

// The same search from a given program folder.
QString programFileIn(const QString& programFolder, const QString& name);
