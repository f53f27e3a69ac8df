// Scanning HTML without an HTML library: what the rules file's reader is made of.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace html_scan {

// The byte with an ASCII capital made small.
char lower(char c);
// As a regular expression's \w sees the byte: a letter, a digit, '_', or part of a letter
// beyond ASCII.
bool isWord(char c);
// Whether `text` holds `word` at `at`, whatever the case of its ASCII letters.
bool wordAt(std::string_view text, std::size_t at, std::string_view word);

// The value of the attribute `name="…"` in an element's attributes, the first that stands as a
// word of its own; with `digits`, only a value of 1 to 9 digits (blanks around them allowed).
std::optional<std::string_view> attribute(std::string_view attributes, std::string_view name,
                                          bool digits);

// An element's opening tag: its attributes and the position just past its '>'.
struct Opening {
    std::string_view attributes;
    std::size_t end = 0;
};
// The element <tag …> that starts at `at` (the tag followed by a character that ends a word).
std::optional<Opening> openingAt(std::string_view html, std::size_t at, std::string_view tag);

// The first "</hN>" (blanks allowed before its '>') from `from` on: where it starts and ends.
std::optional<std::pair<std::size_t, std::size_t>> closingHeading(std::string_view html,
                                                                  std::size_t from, char level);

// The '>' that closes the tag starting at `at`: a '>' inside an attribute's quoted value (one that
// starts with its quote right after the '=') does not.
std::size_t tagEnd(std::string_view html, std::size_t at);

// Every run of blanks one blank, none at either end.
std::string simplified(std::string_view text);

// A piece of HTML as plain text (htmlPlainText, rules_file.h).
std::string plainText(std::string_view html);

} // namespace html_scan
