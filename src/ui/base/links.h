// The game's links: the web page and the two mail addresses, handed to the platform shell.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Platform;

// Reserved example domains: the game has no real home on the web.
inline constexpr char kWebPageAddress[] = "https://veloria.example.org/";
inline constexpr char kFirstMailAddress[] = "king@example.org";
inline constexpr char kSecondMailAddress[] = "court@example.net";

// Each returns at once; whether a browser or mail program opened is not the game's business.
void openWebPage(Platform& platform);
void openMailFirst(Platform& platform);
void openMailSecond(Platform& platform);
