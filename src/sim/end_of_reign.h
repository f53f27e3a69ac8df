// The end of a reign: the messages, the rating and the placement in the table of the best kings.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/kingdom_state.h"
#include "core/rule_text.h"

// The texts of the three ends, verbatim; lines are joined by CR LF.
std::string overthrowMessage(const RuleTextWriter& writer = {});
std::string starvationMessage(const RuleTextWriter& writer = {});
std::string ratingMessage(double rating, const RuleTextWriter& writer = {});

// The main window's caption: the prefix followed by the king's name.
inline constexpr RuleText kMainCaptionPrefixText = RULE_TEXT("RuleTexts", "Король Велории - ");
inline constexpr std::string_view kMainCaptionPrefix = kMainCaptionPrefixText.source;

// Enters a king into the table: at the first place whose score is strictly less than the rating
// the king is inserted and the places below move down by one, the tenth dropping out. Returns
// the place taken, or -1 when the rating beats no score.
int placeKing(HallOfFame& table, double rating, const std::string& name);
