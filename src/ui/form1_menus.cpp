// The main window's menu commands that open the other windows, its help operations and the end
// of a reign in its hundredth year.
#include "ui/form1.h"

#include "storage/scores.h"
#include "ui/end_of_reign_flow.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form7.h"
#include "ui/module1.h"
#include "ui/platform.h"

QString Form1::scoresPath() const {
    return m_scoresPath.isEmpty() ? scoresFilePath() : m_scoresPath;
}

void Form1::savegame_Click() {
    (new Form3(this, m_platform, m_state, m_hall, barMaxima()))->show();
}

void Form1::loadgame_Click() {
    // Whatever the load did, the bars take the loaded maxima and the window returns to buying,
    // which recomputes them from the state at once.
    (new Form4(this, m_platform, m_state, m_hall, [this] {
        restoreBarMaxima();
        buy_Click();
    }))->show();
}

void Form1::tablica_Click() {
    showTable(
        this, m_platform, m_state, m_hall, [this] { newgame_Click(); }, scoresPath());
}

void Form1::pravila_Click() {
    m_help.showRules();
}

void Form1::aboutgame_Click() {
    Form2::open(m_platform, this);
}

void Form1::Label20_Click() {
    openMailSecond(m_platform);
}

QString Form1::SetHelpStrings(qint16 intSelHelpFile) {
    return m_help.SetHelpStrings(intSelHelpFile);
}

void Form1::ShowHelpContents(qint16 intHelpFile) {
    m_help.ShowHelpContents(intHelpFile);
}

void Form1::ShowHelpIndex(qint16 intHelpFile) {
    m_help.ShowHelpIndex(intHelpFile);
}

void Form1::ShowHelpTopic(qint16 intHelpFile, QString& strTopic) {
    m_help.ShowHelpTopic(intHelpFile, strTopic);
}

void Form1::ShowHelpContextID(qint16 intHelpFile, qint32& lngContextID) {
    m_help.ShowHelpContextID(intHelpFile, lngContextID);
}

void Form1::ShowHelpKeyword(qint16 intHelpFile, QString& strKeyword) {
    m_help.ShowHelpKeyword(intHelpFile, strKeyword);
}

void Form1::ShowHelpPartialKey(qint16 intHelpFile, QString& strPartKey) {
    m_help.ShowHelpPartialKey(intHelpFile, strPartKey);
}

void Form1::endReign() {
    ::endReign(
        this, m_state, m_hall, m_platform, [this] { newgame_Click(); }, scoresPath());
}
