// The main window's help operations: where the rules file lives and what the viewer is asked.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

class Platform;
class QWidget;

// The viewer's command codes and the rules topic, as the help file and the viewer know them.
namespace helpcmd {
inline constexpr unsigned kContext = 1;      // data: a context number
inline constexpr unsigned kContents = 15;    // data: 0
inline constexpr unsigned kKeyword = 257;    // data: a keyword, matched whole
inline constexpr unsigned kPartialKey = 261; // data: the start of a keyword, "" for the index
inline constexpr qint32 kRulesTopic = 1000;
} // namespace helpcmd

// The rules file beside the program (or in the installed data folder), in the language the
// windows speak.
QString helpFilePath();
// The rules file for a language as QLocale names it ("en", "en_GB"): throne_<language>.hlp when
// the game has one (for "en_GB" then throne_en.hlp), else the Russian throne.hlp. Another language
// is one more file beside these.
QString helpFilePath(const QString& language);
// The language the windows speak: the translation in use names it; without one it is Russian.
QString helpLanguage();

// One per main window. The show operations pass the owner, the file chosen by their number, a
// command code and its data to the platform's viewer and return at once; the viewer itself
// reports a missing file or topic.
class HelpSystem {
public:
    HelpSystem(Platform& platform, QWidget* owner) : m_platform(platform), m_owner(owner) {}

    // 1 and 2 name the rules file; any other number names no file (the empty path).
    QString SetHelpStrings(qint16 intSelHelpFile) const;

    void ShowHelpContents(qint16 intHelpFile);
    void ShowHelpIndex(qint16 intHelpFile);
    void ShowHelpTopic(qint16 intHelpFile, const QString& strTopic);
    void ShowHelpContextID(qint16 intHelpFile, qint32 lngContextID);
    void ShowHelpKeyword(qint16 intHelpFile, const QString& strKeyword);
    void ShowHelpPartialKey(qint16 intHelpFile, const QString& strPartKey);

    // The rules command of the menu, and F1.
    void showRules();

private:
    void call(qint16 intHelpFile, unsigned command, const QVariant& data);

    Platform& m_platform;
    QWidget* m_owner = nullptr;
};
