// Scanning HTML without an HTML library: elements, attributes, entities and plain text.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/html_scan.h"

#include <algorithm>

#include "formats/rules_file.h"

namespace html_scan {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool isWord(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (c >= '0' && c <= '9') || (lower(c) >= 'a' && lower(c) <= 'z') || c == '_' ||
           byte >= 0x80;
}

static bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

static bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool wordAt(std::string_view text, std::size_t at, std::string_view word) {
    if (at > text.size() || text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (lower(text[at + i]) != word[i]) {
            return false;
        }
    }
    return true;
}

static std::size_t skipSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && isSpace(text[at])) {
        ++at;
    }
    return at;
}

std::optional<std::string_view> attribute(std::string_view attributes, std::string_view name,
                                          bool digits) {
    for (std::size_t at = 0; at < attributes.size(); ++at) {
        if ((at > 0 && isWord(attributes[at - 1])) || !wordAt(attributes, at, name)) {
            continue;
        }
        std::size_t pos = skipSpaces(attributes, at + name.size());
        if (pos >= attributes.size() || attributes[pos] != '=') {
            continue;
        }
        pos = skipSpaces(attributes, pos + 1);
        if (pos >= attributes.size() || attributes[pos] != '"') {
            continue;
        }
        ++pos;
        if (!digits) {
            const std::size_t close = attributes.find('"', pos);
            if (close == std::string_view::npos) {
                continue;
            }
            return attributes.substr(pos, close - pos);
        }
        pos = skipSpaces(attributes, pos);
        const std::size_t first = pos;
        while (pos < attributes.size() && isDigit(attributes[pos]) && pos - first < 9) {
            ++pos;
        }
        const std::size_t last = pos;
        pos = skipSpaces(attributes, pos);
        if (last == first || pos >= attributes.size() || attributes[pos] != '"') {
            continue;
        }
        return attributes.substr(first, last - first);
    }
    return std::nullopt;
}

std::optional<Opening> openingAt(std::string_view html, std::size_t at, std::string_view tag) {
    if (html[at] != '<' || !wordAt(html, at + 1, tag)) {
        return std::nullopt;
    }
    const std::size_t after = at + 1 + tag.size();
    if (after < html.size() && isWord(html[after])) {
        return std::nullopt;
    }
    const std::size_t close = html.find('>', after);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Opening{html.substr(after, close - after), close + 1};
}

std::optional<std::pair<std::size_t, std::size_t>> closingHeading(std::string_view html,
                                                                  std::size_t from, char level) {
    for (std::size_t at = html.find('<', from); at != std::string_view::npos;
         at = html.find('<', at + 1)) {
        if (!wordAt(html, at + 1, "/h") || at + 3 >= html.size() || html[at + 3] != level) {
            continue;
        }
        const std::size_t pos = skipSpaces(html, at + 4);
        if (pos < html.size() && html[pos] == '>') {
            return std::pair{at, pos + 1};
        }
    }
    return std::nullopt;
}

// The character an entity stands for, as UTF-8, and the entity's length; nothing when the text
// at `at` is no entity we know.
static std::optional<std::pair<std::string, std::size_t>> entityAt(std::string_view html,
                                                                   std::size_t at) {
    const std::size_t semicolon = html.find(';', at);
    if (semicolon == std::string_view::npos || semicolon - at > 10) {
        return std::nullopt;
    }
    const std::string_view name = html.substr(at + 1, semicolon - at - 1);
    const std::size_t length = semicolon - at + 1;
    static constexpr std::pair<std::string_view, std::string_view> kNamed[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "},
    };
    for (const auto& [entity, text] : kNamed) {
        if (name == entity) {
            return std::pair{std::string(text), length};
        }
    }
    if (name.size() < 2 || name[0] != '#') {
        return std::nullopt;
    }
    const bool hex = lower(name[1]) == 'x';
    std::uint32_t code = 0;
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 7) {
        return std::nullopt;
    }
    for (const char c : digits) {
        std::uint32_t digit = 0;
        if (isDigit(c)) {
            digit = std::uint32_t(c - '0');
        } else if (hex && lower(c) >= 'a' && lower(c) <= 'f') {
            digit = std::uint32_t(lower(c) - 'a' + 10);
        } else {
            return std::nullopt;
        }
        code = code * (hex ? 16 : 10) + digit;
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    if (code == 0xA0) {
        code = ' ';
    }
    std::string text;
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
    return std::pair{text, length};
}

// The length of a blank beyond ASCII at `at` in UTF-8 (no-break space, the typographic spaces,
// the line and paragraph separators), 0 for anything else.
static std::size_t wideSpaceAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    if (byte(0) == 0xC2 && (byte(1) == 0xA0 || byte(1) == 0x85)) {
        return 2;
    }
    if (byte(0) == 0xE1 && byte(1) == 0x9A && byte(2) == 0x80) {
        return 3; // U+1680
    }
    if (byte(0) == 0xE2 && byte(1) == 0x80 &&
        ((byte(2) >= 0x80 && byte(2) <= 0x8A) || byte(2) == 0xA8 || byte(2) == 0xA9 ||
         byte(2) == 0xAF)) {
        return 3; // U+2000..U+200A, U+2028, U+2029, U+202F
    }
    if ((byte(0) == 0xE2 && byte(1) == 0x81 && byte(2) == 0x9F) ||
        (byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80)) {
        return 3; // U+205F, U+3000
    }
    return 0;
}

std::string simplified(std::string_view text) {
    std::string out;
    bool blank = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t wide = wideSpaceAt(text, at);
        if (wide > 0 || isSpace(text[at])) {
            blank = true;
            at += wide > 0 ? wide : 1;
            continue;
        }
        if (blank && !out.empty()) {
            out += ' ';
        }
        blank = false;
        out += text[at++];
    }
    return out;
}

std::size_t tagEnd(std::string_view html, std::size_t at) {
    char quote = '\0';
    char last = '\0'; // the last character before this one that is not a blank
    for (std::size_t pos = at + 1; pos < html.size(); ++pos) {
        const char c = html[pos];
        if (quote != '\0') {
            quote = c == quote ? '\0' : quote;
        } else if ((c == '"' || c == '\'') && last == '=') {
            quote = c;
        } else if (c == '>') {
            return pos;
        }
        if (!isSpace(c)) {
            last = c;
        }
    }
    return std::string_view::npos;
}

// Elements that break a line: between words they leave a blank.
static bool breaksLine(std::string_view tag) {
    static constexpr std::string_view kBreaks[] = {
        "br", "p",  "div", "li", "tr", "td", "th", "ul",  "ol",        "table",
        "h1", "h2", "h3",  "h4", "h5", "h6", "hr", "pre", "blockquote"};
    return std::any_of(std::begin(kBreaks), std::end(kBreaks),
                       [tag](std::string_view name) { return tag == name; });
}

std::string plainText(std::string_view html) {
    std::string text;
    for (std::size_t at = 0; at < html.size();) {
        const char c = html[at];
        if (c == '<' && html.substr(at, 4) == "<!--") {
            const std::size_t end = html.find("-->", at + 4);
            at = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const char next = at + 1 < html.size() ? lower(html[at + 1]) : '\0';
        if (c == '<' && (next == '/' || next == '!' || (next >= 'a' && next <= 'z'))) {
            const std::size_t end = tagEnd(html, at);
            if (end == std::string_view::npos) {
                break;
            }
            std::size_t nameEnd = at + 1 + (next == '/' ? 1 : 0);
            std::string tag;
            while (nameEnd < end && isWord(html[nameEnd])) {
                tag += lower(html[nameEnd++]);
            }
            if (breaksLine(tag)) {
                text += ' ';
            }
            at = end + 1;
            continue;
        }
        if (c == '&') {
            if (const auto entity = entityAt(html, at)) {
                text += entity->first;
                at += entity->second;
                continue;
            }
        }
        text += c;
        ++at;
    }
    return simplified(text);
}

} // namespace html_scan

std::string htmlPlainText(std::string_view html) {
    return html_scan::plainText(html);
}
