// Checks the program's names for the desktop against a menu entry: the desktop file name a Wayland
// compositor matches the window by, and the window class X11 matches with StartupWMClass.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "ui/shell/application.h"

namespace {

int fail(const QString& why) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(why));
    return 1;
}

} // namespace

// Usage: desktop_identity <installed menu entry>
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        return fail(QStringLiteral("usage: desktop_identity <menu entry>"));
    }
    prepareApplication();
    const QString entry = QString::fromLocal8Bit(argv[1]);
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return fail(entry + QStringLiteral(" cannot be read"));
    }
    QString windowClass;
    QTextStream lines(&file);
    for (QString line; lines.readLineInto(&line);) {
        if (line.startsWith(QLatin1String("StartupWMClass="))) {
            windowClass = line.mid(15);
        }
    }
    // The entry's file name without ".desktop" is its desktop file name.
    const QString entryName = QFileInfo(entry).fileName().chopped(8);
    if (QGuiApplication::desktopFileName() != entryName) {
        return fail(QStringLiteral("the program's desktop file name is '%1', the entry is '%2'")
                        .arg(QGuiApplication::desktopFileName(), entryName));
    }
    // Qt's X11 platform names the window's class after the application.
    if (windowClass != QCoreApplication::applicationName()) {
        return fail(QStringLiteral("StartupWMClass is '%1', the window's class '%2'")
                        .arg(windowClass, QCoreApplication::applicationName()));
    }
    std::printf("desktop file name %s, window class %s\n", qPrintable(entryName),
                qPrintable(windowClass));
    return 0;
}
