// The rules file's topics: headings with their anchors, read without an HTML library.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/rules_file.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "formats/html_scan.h"

namespace {

// Each topic in the order of the file, with where its heading starts and where it ends.
struct PlacedTopic {
    RulesTopic topic;
    std::size_t headingStart = 0;
    std::size_t headingEnd = 0;
};

std::vector<PlacedTopic> placedTopics(std::string_view html) {
    std::vector<PlacedTopic> topics;
    for (std::size_t at = html.find('<'); at != std::string_view::npos;
         at = html.find('<', at + 1)) {
        if (at + 2 >= html.size() || html_scan::lower(html[at + 1]) != 'h' || html[at + 2] < '1' ||
            html[at + 2] > '6') {
            continue;
        }
        const char level = html[at + 2];
        if (at + 3 < html.size() && html_scan::isWord(html[at + 3])) {
            continue;
        }
        const std::size_t open = html.find('>', at + 3);
        if (open == std::string_view::npos) {
            continue;
        }
        const auto close = html_scan::closingHeading(html, open + 1, level);
        if (!close) {
            continue;
        }
        const std::string_view content = html.substr(open + 1, close->first - open - 1);
        // The first anchor with a context number makes the heading a topic.
        for (std::size_t a = content.find('<'); a != std::string_view::npos;
             a = content.find('<', a + 1)) {
            const auto anchor = html_scan::openingAt(content, a, "a");
            if (!anchor) {
                continue;
            }
            const auto name = html_scan::attribute(anchor->attributes, "name", true);
            if (!name) {
                continue;
            }
            RulesTopic topic;
            for (const char digit : *name) {
                topic.context = topic.context * 10 + (digit - '0');
            }
            topic.level = level - '0';
            topic.title = htmlPlainText(content);
            if (const auto keywords = html_scan::attribute(anchor->attributes, "title", false)) {
                const std::string all = htmlPlainText(*keywords);
                std::size_t start = 0;
                while (start <= all.size()) {
                    const std::size_t end = std::min(all.find(';', start), all.size());
                    std::string keyword =
                        html_scan::simplified(std::string_view(all).substr(start, end - start));
                    if (!keyword.empty()) {
                        topic.keywords.push_back(std::move(keyword));
                    }
                    start = end + 1;
                }
            }
            topics.push_back({std::move(topic), at, close->second});
            break;
        }
        // The next heading is looked for after this one, as a search that matched goes on.
        at = close->second - 1;
    }
    return topics;
}

// Where "</body" starts from `from` on, whatever its case; the end of the text when it is not
// there.
std::size_t bodyEnd(std::string_view html, std::size_t from) {
    for (std::size_t at = html.find('<', from); at != std::string_view::npos;
         at = html.find('<', at + 1)) {
        if (html_scan::wordAt(html, at + 1, "/body")) {
            return at;
        }
    }
    return html.size();
}

} // namespace

std::vector<RulesTopic> parseRulesTopics(std::string_view html) {
    std::vector<RulesTopic> topics;
    for (PlacedTopic& placed : placedTopics(html)) {
        topics.push_back(std::move(placed.topic));
    }
    return topics;
}

std::vector<std::string_view> rulesTopicBodies(std::string_view html) {
    const std::vector<PlacedTopic> placed = placedTopics(html);
    std::vector<std::string_view> bodies;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const std::size_t from = placed[i].headingEnd;
        const std::size_t to =
            i + 1 < placed.size() ? placed[i + 1].headingStart : bodyEnd(html, from);
        bodies.push_back(html.substr(from, std::max(from, to) - from));
    }
    return bodies;
}

std::string rulesFileTitle(std::string_view html) {
    std::string title;
    for (std::size_t at = html.find('<'); at != std::string_view::npos;
         at = html.find('<', at + 1)) {
        // A title in a comment is none.
        if (html.substr(at, 4) == "<!--") {
            at = html.find("-->", at + 4);
            if (at == std::string_view::npos) {
                break;
            }
            continue;
        }
        const auto opening = html_scan::openingAt(html, at, "title");
        if (!opening) {
            // Another element: what its attributes hold is no title.
            const std::size_t end = html_scan::tagEnd(html, at);
            if (end == std::string_view::npos) {
                break;
            }
            at = end;
            continue;
        }
        // The title is text: it ends at the next tag, whether its own end or another. A later
        // title replaces an earlier one.
        const std::size_t end = html.find('<', opening->end);
        if (end == std::string_view::npos) {
            break;
        }
        title = htmlPlainText(html.substr(opening->end, end - opening->end));
        at = end - 1;
    }
    return title;
}
