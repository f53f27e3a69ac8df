// The player's messages about the files' problems, worded on the page as the desktop words them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "formats/chronicle_file.h"
#include "formats/saved_game.h"
#include "formats/scores.h"

// `fileName` empty: the file is not named.
std::string savedGameProblemText(const SavedGameProblem& problem, const std::string& fileName);
std::string chronicleDamagedMessage(const ChronicleProblem& problem);
std::string scoresProblemText(const ScoresProblem& problem);
// The table kept in the browser cannot be read: why, and that a new one starts.
std::string unusableScoresText(const ScoresProblem& problem);
