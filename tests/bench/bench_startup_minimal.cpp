// Start-up benchmark, the yardsticks: the smallest Qt Widgets programs with one window, ended once
// that window has been painted. Plain: an empty window, which never loads a font. With --hello:
// the toolkit's classic first program, one "Hello world!" button. With --report-memory it prints
// its peak memory in kB.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    bool reportMemory = false;
    bool hello = false;
    for (int i = 1; i < argc; ++i) {
        reportMemory = reportMemory || std::strcmp(argv[i], "--report-memory") == 0;
        hello = hello || std::strcmp(argv[i], "--hello") == 0;
    }
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (hello) {
        window = std::make_unique<QPushButton>(QStringLiteral("Hello world!"));
        window->resize(100, 30);
    } else {
        window = std::make_unique<QWidget>();
        window->resize(216, 104);
    }
    window->show();
    new QuitAfterFirstPaint(window.get());
    const int code = QApplication::exec();
    if (reportMemory) {
        std::printf("%ld\n", peakMemoryKb());
    }
    return code;
}
