// The main window's help operations.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help.h"

#include <QVariant>

#include "storage/paths.h"
#include "ui/platform.h"

QString helpFilePath() {
    return programFile(QStringLiteral("throne.hlp"));
}

QString HelpSystem::SetHelpStrings(qint16 intSelHelpFile) const {
    if (intSelHelpFile == 1 || intSelHelpFile == 2) {
        return helpFilePath();
    }
    return QString();
}

void HelpSystem::call(qint16 intHelpFile, unsigned command, const QVariant& data) {
    m_platform.winHelp(m_owner, SetHelpStrings(intHelpFile), command, data);
}

void HelpSystem::ShowHelpContents(qint16 intHelpFile) {
    call(intHelpFile, helpcmd::kContents, QVariant(0));
}

void HelpSystem::ShowHelpIndex(qint16 intHelpFile) {
    call(intHelpFile, helpcmd::kPartialKey, QVariant(QString()));
}

void HelpSystem::ShowHelpTopic(qint16 intHelpFile, const QString& strTopic) {
    call(intHelpFile, helpcmd::kKeyword, QVariant(strTopic));
}

void HelpSystem::ShowHelpContextID(qint16 intHelpFile, qint32 lngContextID) {
    call(intHelpFile, helpcmd::kContext, QVariant(lngContextID));
}

void HelpSystem::ShowHelpKeyword(qint16 intHelpFile, const QString& strKeyword) {
    call(intHelpFile, helpcmd::kPartialKey, QVariant(strKeyword));
}

void HelpSystem::ShowHelpPartialKey(qint16 intHelpFile, const QString& strPartKey) {
    call(intHelpFile, helpcmd::kPartialKey, QVariant(strPartKey));
}

void HelpSystem::showRules() {
    SetHelpStrings(1);
    ShowHelpContextID(1, helpcmd::kRulesTopic);
}
