// The main window's menu commands that open the other windows, its help operations and the end
// of a reign in its hundredth year.
#include "ui/form1.h"

#include "sim/end_of_reign.h"
#include "ui/platform.h"

void Form1::savegame_Click() {}

void Form1::loadgame_Click() {}

void Form1::tablica_Click() {}

void Form1::pravila_Click() {}

void Form1::aboutgame_Click() {}

void Form1::Label20_Click() {}

QString Form1::SetHelpStrings(qint16 /*intSelHelpFile*/) {
    return {};
}

void Form1::ShowHelpContents(qint16 /*intHelpFile*/) {}

void Form1::ShowHelpIndex(qint16 /*intHelpFile*/) {}

void Form1::ShowHelpTopic(qint16 /*intHelpFile*/, QString& /*strTopic*/) {}

void Form1::ShowHelpContextID(qint16 /*intHelpFile*/, qint32& /*lngContextID*/) {}

void Form1::ShowHelpKeyword(qint16 /*intHelpFile*/, QString& /*strKeyword*/) {}

void Form1::ShowHelpPartialKey(qint16 /*intHelpFile*/, QString& /*strPartKey*/) {}

// Until the table of the best kings takes over, the reign ends with its rating and a new game.
void Form1::endReign() {
    setEnabled(false);
    m_platform.message(this, windowTitle(), QString::fromStdString(ratingMessage(m_state.rating)),
                       false);
    newgame_Click();
}
