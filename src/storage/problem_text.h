// The desktop's words for what can be wrong with a saved game, its chronicle or the table of the
// best kings: one place that turns each problem of the file formats into the player's message.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "formats/chronicle_file.h"
#include "formats/saved_game.h"
#include "formats/scores.h"

// The message about a saved game; `path` names the file (empty: "Файл" alone).
QString savedGameProblemText(const SavedGameProblem& problem, const QString& path = {});

// Why the chronicle cannot be read ("запись 2: поле 2 — не число").
QString chronicleProblemText(const ChronicleProblem& problem);
// The player's message for a damaged chronicle: the game loaded, its chronicle starts anew.
QString chronicleDamagedMessage(const ChronicleProblem& problem);

// Why the table of the best kings cannot be read ("в нём только 3 из 20 полей"), or written.
QString scoresProblemText(const ScoresProblem& problem);
