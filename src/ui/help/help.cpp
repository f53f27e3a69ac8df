// The main window's help operations.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QVariant>

#include "storage/paths.h"
#include "ui/base/platform.h"

QString helpFilePath(const QString& language) {
    // A language code names a file: nothing else may reach the path.
    static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{2,8})*$"));
    if (code.match(language).hasMatch()) {
        QString name = language;
        name.replace(u'-', u'_');
        for (;;) {
            const QString path = programFile(QStringLiteral("throne_%1.hlp").arg(name));
            if (QFileInfo::exists(path)) {
                return path;
            }
            const qsizetype part = name.lastIndexOf(u'_');
            if (part < 0) {
                break;
            }
            name.truncate(part);
        }
    }
    return programFile(QStringLiteral("throne.hlp"));
}

QString helpLanguage() {
    //: The code of the language of this translation (en, de, fr...): the rules are shown from
    //: the help file throne_<code>.hlp.
    return QCoreApplication::translate("HelpSystem", "ru", "language code of this translation");
}

QString helpFilePath() {
    return helpFilePath(helpLanguage());
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
