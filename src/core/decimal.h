// Reals to decimal text and back with '.' whatever the locale: the standard library's own
// conversions where it has them, and a fallback of ours where it does not (the browser build).
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <system_error>

// Where the text read ended and why, as std::from_chars reports it.
struct DecimalRead {
    const char* ptr;
    std::errc ec;
};

#if defined(__cpp_lib_to_chars)

// As std::to_chars(first, last, value, std::chars_format::general, precision).
inline char* writeDecimal(char* first, char* last, double value, int precision) {
    return std::to_chars(first, last, value, std::chars_format::general, precision).ptr;
}
// As std::to_chars(first, last, value): the shortest text that reads back as the same value.
inline char* writeShortestDecimal(char* first, char* last, double value) {
    return std::to_chars(first, last, value).ptr;
}
// As std::from_chars(first, last, value).
inline DecimalRead readDecimal(const char* first, const char* last, double& value) {
    const auto [ptr, ec] = std::from_chars(first, last, value);
    return {ptr, ec};
}

#else

// This standard library lacks the conversions of reals; the fallback gives the same texts and
// reads the same way (its C library works in the "C" locale only, so '.' is safe there).
char* writeDecimal(char* first, char* last, double value, int precision);
char* writeShortestDecimal(char* first, char* last, double value);
DecimalRead readDecimal(const char* first, const char* last, double& value);

#endif
