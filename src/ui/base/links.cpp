// The game's links, opened through the platform.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/links.h"

#include <QUrl>

#include "ui/base/platform.h"

void openWebPage(Platform& platform) {
    platform.openUrl(QUrl(QString::fromLatin1(kWebPageAddress)));
}

void openMailFirst(Platform& platform) {
    platform.openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kFirstMailAddress)));
}

void openMailSecond(Platform& platform) {
    platform.openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kSecondMailAddress)));
}
