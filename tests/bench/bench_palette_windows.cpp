// Qt alone, without the game: opens and deletes a window of twenty coloured buttons and scroll
// bars many times and prints the heap in use. Shows that the style's pixmap cache keeps a key for
// every palette it has painted with. Usage: bench_palette_windows [windows] [cache limit in kB]
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>

#include <malloc.h>

#include <QApplication>
#include <QPixmapCache>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int windows = argc > 1 ? std::atoi(argv[1]) : 3000;
    if (argc > 2) {
        QPixmapCache::setCacheLimit(std::atoi(argv[2]));
    }
    for (int i = 1; i <= windows; ++i) {
        auto* window = new QWidget;
        auto* layout = new QVBoxLayout(window);
        for (int k = 0; k < 20; ++k) {
            auto* button = new QPushButton(QStringLiteral("%1").arg(k), window);
            QPalette palette = button->palette();
            palette.setColor(QPalette::Button, QColor(k * 10, 200, 0));
            button->setPalette(palette);
            layout->addWidget(button);
            layout->addWidget(new QScrollBar(Qt::Horizontal, window));
        }
        window->show();
        QApplication::processEvents();
        delete window;
        QApplication::processEvents();
        if (i % 500 == 0 || i == windows) {
            std::printf("%6d windows: heap %zu kB\n", i, mallinfo2().uordblks / 1024);
        }
    }
    return 0;
}
