// The chronicle in a saved game: further text records after the game's own record.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "sim/chronicle.h"

// A header record «"Летопись",1,count» and one record per entry: year, workers, soldiers,
// total, land, grain, money, gold, oil, "mood", rating, "events", "report". Same convention as
// the game's record: Windows-1251, commas, texts in double quotes (a double quote inside a text
// becomes an apostrophe), CR LF. Appended after the game's record, which stays as it was, so a
// reader that stops after the game's last field still loads the file.
QByteArray writeChronicle(const Chronicle& chronicle);

// The same, keeping only as many of the latest entries as fit in `budget` bytes: the game and
// its chronicle together must stay within the size a saved game may have.
QByteArray writeChronicle(const Chronicle& chronicle, qsizetype budget);

// What follows the game's record in a saved-game file: empty when the record itself is not
// complete (the game's reader then says what is wrong).
QByteArrayView bytesAfterGameRecord(QByteArrayView file);

struct ChronicleRead {
    enum class Status {
        Absent,  // nothing but blank lines or Ctrl-Z after the record: a file from before
        Read,    // entries holds the chronicle
        Damaged, // the game loads, its chronicle starts anew; reason says why, in Russian
    };
    Status status = Status::Absent;
    std::vector<ChronicleEntry> entries;
    QString reason;
};

// Reads the bytes after the game's record. Never fails otherwise: damage is reported.
ChronicleRead readChronicle(QByteArrayView bytes);

// The player's message for a damaged chronicle, its reason included.
QString chronicleDamagedMessage(const QString& reason);
