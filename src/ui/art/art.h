// The game's hand-drawn pictures: rendering the SVG resources into pixmaps and the window icon.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// Makes ":/art/..." available; the resources live in a static library, so nothing would pull
// them in otherwise. Cheap to call again.
void initArtResources();

// The picture at `resourcePath` drawn at `size` logical pixels, sharp on a screen whose device
// pixel ratio is `devicePixelRatio`.
QPixmap renderArt(const QString& resourcePath, QSize size, qreal devicePixelRatio);

// The program's icon, drawn at whatever size is asked of it.
QIcon veloriaIcon();
