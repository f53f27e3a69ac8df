// Windows-1251, the code page of the game's files, to UTF-8 and back.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The text as the file spells it (UTF-8 in, Windows-1251 out), and back. A byte sequence that is
// not UTF-8 becomes one '?' for each of its bytes, as a character the code page lacks does; a
// byte-order mark at the very start is no character at all.
std::string encodeRecordText(std::string_view utf8);
std::string decodeRecordText(std::string_view bytes);
