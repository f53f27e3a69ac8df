// Swapping the name dialog and the main window as games start and end.
#include "ui/game_controller.h"

#include <QApplication>
#include <QPixmapCache>

#include "ui/art/art.h"
#include "ui/form1.h"
#include "ui/form5.h"
#include "ui/game_style.h"

GameController::GameController(KingdomState& state, HallOfFame& hall, RandomSource& random,
                               Platform& platform, QObject* parent)
    : QObject(parent), m_state(state), m_hall(hall), m_random(random), m_platform(platform) {}

GameController::~GameController() {
    // Windows still open when the program ends must not outlive the state they point into.
    delete m_mainWindow.data();
    delete m_nameDialog.data();
}

Form5* GameController::nameDialog() const {
    return m_nameDialog.data();
}

Form1* GameController::mainWindow() const {
    return m_mainWindow.data();
}

void GameController::start() {
    showNameDialog();
}

void GameController::showNameDialog() {
    auto* dialog = new Form5();
    m_nameDialog = dialog;
    connect(dialog, &Form5::nameConfirmed, this, &GameController::openMainWindow);
    dialog->show();
}

void GameController::openMainWindow(const QString& name) {
    m_state.kingName = name.toStdString();
    auto* window = new Form1(m_state, m_hall, m_random, m_platform);
    m_mainWindow = window;
    window->setScoresPath(m_scoresPath);
    connect(window, &Form1::newGameRequested, this, &GameController::showNameDialog);
    window->show();
}

void prepareApplication() {
    QApplication::setStyle(new GameStyle);
    initArtResources();
    QApplication::setWindowIcon(veloriaIcon());
    // The style caches what it paints under keys that carry each widget's palette, and Qt keeps
    // a key after dropping its picture: every new main window's coloured controls would leave a
    // few kilobytes behind for good. Painting these few controls afresh costs far less.
    QPixmapCache::setCacheLimit(0);
}
