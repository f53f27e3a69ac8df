// Saved games on disk: the file's bytes come from the formats, the disk and the words from here.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_game.h"

#include "storage/file_access.h"
#include "storage/problem_text.h"

std::optional<QString> writeSavedGameBytes(const QString& path, std::string_view bytes) {
    return writeWholeFile(path, QByteArray(bytes.data(), qsizetype(bytes.size())));
}

namespace {

std::optional<QString> saveFile(const QString& path, const SavedGameFileWrite& file) {
    if (file.problem) {
        return savedGameProblemText(*file.problem);
    }
    return writeSavedGameBytes(path, file.bytes);
}

} // namespace

std::optional<QString> saveGame(const QString& path, const KingdomState& state,
                                const HallOfFame& hall, const BarMaxima& bars,
                                const Chronicle& chronicle) {
    return saveFile(path, writeSavedGameFile(state, hall, bars, chronicle));
}

std::optional<QString> saveGame(const QString& path, const KingdomState& state,
                                const HallOfFame& hall, const BarMaxima& bars) {
    return saveFile(path, writeSavedGameFile(state, hall, bars));
}

GameLoad loadGame(const QString& path, const KingdomState& current) {
    GameLoad result;
    const FileBytes file = readWholeFile(path);
    if (!file.error.isEmpty()) {
        result.error = file.error;
        return result;
    }
    SavedGameFileRead read = readSavedGameFile(
        std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())), current);
    if (!read.game) {
        result.error = savedGameProblemText(*read.problem, path);
        return result;
    }
    result.game = std::move(read.game);
    result.chronicle = std::move(read.chronicle);
    return result;
}
