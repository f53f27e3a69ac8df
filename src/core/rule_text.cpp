// Rule texts: filling a template with its figures, and finding the figures in a written text.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rule_text.h"

namespace {

// The figure number (1..9) of a placeholder at `at`, or 0 when none stands there.
int placeholderAt(std::string_view text, std::size_t at) {
    if (at + 1 < text.size() && text[at] == '%' && text[at + 1] >= '1' && text[at + 1] <= '9') {
        return text[at + 1] - '0';
    }
    return 0;
}

std::size_t nextPlaceholder(std::string_view text, std::size_t from) {
    for (std::size_t at = text.find('%', from); at != std::string_view::npos;
         at = text.find('%', at + 1)) {
        if (placeholderAt(text, at) != 0) {
            return at;
        }
    }
    return std::string_view::npos;
}

} // namespace

void appendRuleText(std::string& out, std::string_view text,
                    std::initializer_list<std::string_view> figures) {
    std::size_t from = 0;
    for (std::size_t at = nextPlaceholder(text, 0); at != std::string_view::npos;
         at = nextPlaceholder(text, from)) {
        const std::size_t number = std::size_t(placeholderAt(text, at));
        out.append(text.substr(from, at - from));
        if (number <= figures.size()) {
            out.append(figures.begin()[number - 1]);
        } else {
            out.append(text.substr(at, 2));
        }
        from = at + 2;
    }
    out.append(text.substr(from));
}

std::string fillRuleText(std::string_view text, std::initializer_list<std::string_view> figures) {
    std::string filled;
    appendRuleText(filled, text, figures);
    return filled;
}

std::optional<std::vector<std::string_view>> matchRuleText(std::string_view pattern,
                                                           std::string_view text) {
    std::vector<std::string_view> figures;
    std::size_t placeholder = nextPlaceholder(pattern, 0);
    const std::string_view opening = pattern.substr(0, placeholder);
    if (!text.starts_with(opening)) {
        return std::nullopt;
    }
    std::size_t at = opening.size();
    while (placeholder != std::string_view::npos) {
        const std::size_t number = std::size_t(placeholderAt(pattern, placeholder));
        const std::size_t after = placeholder + 2;
        placeholder = nextPlaceholder(pattern, after);
        const std::string_view literal = pattern.substr(after, placeholder - after);
        std::size_t end = 0;
        if (placeholder == std::string_view::npos) {
            // The last figure runs up to the template's closing words.
            if (text.size() - at < literal.size() || !text.ends_with(literal)) {
                return std::nullopt;
            }
            end = text.size() - literal.size();
        } else {
            // A figure runs up to the first place where the words after it follow.
            end = literal.empty() ? std::string_view::npos : text.find(literal, at);
            if (end == std::string_view::npos) {
                return std::nullopt;
            }
        }
        if (figures.size() < number) {
            figures.resize(number);
        }
        figures[number - 1] = text.substr(at, end - at);
        at = end + literal.size();
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return figures;
}

std::string RuleTextWriter::write(const RuleText& text,
                                  std::initializer_list<std::string_view> figures, double) const {
    return fillRuleText(text.source, figures);
}
