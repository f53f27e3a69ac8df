// The main window's menu and the requests its buttons and menu forward to the game controller.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "ui/base/controls.h"
#include "ui/base/links.h"
#include "ui/base/platform.h"
#include "ui/main_window/main_window.h"

void MainWindow::setupActions() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // Menus speak in the desktop's own menu font, regular, not in the window's bold serif.
    bar->setFont(wholeFont(QApplication::font(bar)));

    m_gameMenu = bar->addMenu(tr("&Игра"));
    m_gameMenu->setObjectName(QStringLiteral("files"));
    m_gameMenu->menuAction()->setObjectName(QStringLiteral("files_action"));
    const auto item = [this](const char* name, const QString& caption, Qt::Key key) {
        QAction* action = m_gameMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(QKeySequence(key));
        return action;
    };
    m_newGame = item("newgame", tr("Новая игра"), Qt::Key_F2);
    //: Save the game (the menu item).
    m_saveGame = item("savegame", tr("Сохранить"), Qt::Key_F3);
    //: Load a saved game (the menu item).
    m_loadGame = item("loadgame", tr("Загрузить"), Qt::Key_F4);
    m_quit = item("quitgame", tr("Выход"), Qt::Key_F12);

    const auto command = [this, bar](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QLatin1String(name));
        addAction(action);
        return action;
    };
    //: The table of the best kings.
    m_table = command("tablica", tr("&Таблица"));
    // The chronicle of the reign, a window of ours beside the game.
    m_chronicle = command("chronicle", tr("&Летопись"));
    m_chronicle->setShortcut(QKeySequence(Qt::Key_F5));
    //: The rules of the game, in the help viewer.
    m_rules = command("pravila", tr("&Правила"));
    m_about = command("aboutgame", tr("&О программе"));

    connect(m_newGame, &QAction::triggered, this, &MainWindow::newgame_Click);
    connect(m_saveGame, &QAction::triggered, this, &MainWindow::savegame_Click);
    connect(m_loadGame, &QAction::triggered, this, &MainWindow::loadgame_Click);
    connect(m_quit, &QAction::triggered, this, &MainWindow::quitgame_Click);
    connect(m_table, &QAction::triggered, this, &MainWindow::tablica_Click);
    connect(m_chronicle, &QAction::triggered, this, &MainWindow::chronicle_Click);
    connect(m_rules, &QAction::triggered, this, &MainWindow::pravila_Click);
    connect(m_about, &QAction::triggered, this, &MainWindow::aboutgame_Click);

    // F1 asks for the rules, as in most desktop programs.
    auto* rulesKey = new QAction(this);
    rulesKey->setObjectName(QStringLiteral("rulesKey"));
    rulesKey->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(rulesKey);
    connect(rulesKey, &QAction::triggered, this, &MainWindow::pravila_Click);

    // F10 opens the menu bar at its first menu, as on the desktops the game runs on.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("menuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this,
            [this, bar] { bar->setActiveAction(m_gameMenu->menuAction()); });
}

// ---------------------------------------------------------------------------------------------
// What the player asks

void MainWindow::buy_Click() {
    emit buyRequested();
}

void MainWindow::Sale_Click() {
    emit sellRequested();
}

void MainWindow::naemniki_Click() {
    emit mercenariesRequested();
}

void MainWindow::dalshe_Click() {
    emit nextYearRequested();
}

void MainWindow::Command3_Click() {
    emit battleAcknowledged();
}

void MainWindow::newgame_Click() {
    emit newGameRequested();
}

void MainWindow::quitgame_Click() {
    emit quitRequested();
}

void MainWindow::savegame_Click() {
    emit saveRequested();
}

void MainWindow::loadgame_Click() {
    emit loadRequested();
}

void MainWindow::tablica_Click() {
    emit tableRequested();
}

void MainWindow::chronicle_Click() {
    emit chronicleRequested();
}

void MainWindow::pravila_Click() {
    m_help.showRules();
}

void MainWindow::aboutgame_Click() {
    emit aboutRequested();
}

void MainWindow::Label20_Click() {
    openMailSecond(m_context.platform);
}

// ---------------------------------------------------------------------------------------------
// Help operations

QString MainWindow::SetHelpStrings(qint16 intSelHelpFile) {
    return m_help.SetHelpStrings(intSelHelpFile);
}

void MainWindow::ShowHelpContents(qint16 intHelpFile) {
    m_help.ShowHelpContents(intHelpFile);
}

void MainWindow::ShowHelpIndex(qint16 intHelpFile) {
    m_help.ShowHelpIndex(intHelpFile);
}

void MainWindow::ShowHelpTopic(qint16 intHelpFile, QString& strTopic) {
    m_help.ShowHelpTopic(intHelpFile, strTopic);
}

void MainWindow::ShowHelpContextID(qint16 intHelpFile, qint32& lngContextID) {
    m_help.ShowHelpContextID(intHelpFile, lngContextID);
}

void MainWindow::ShowHelpKeyword(qint16 intHelpFile, QString& strKeyword) {
    m_help.ShowHelpKeyword(intHelpFile, strKeyword);
}

void MainWindow::ShowHelpPartialKey(qint16 intHelpFile, QString& strPartKey) {
    m_help.ShowHelpPartialKey(intHelpFile, strPartKey);
}
