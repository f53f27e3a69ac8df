// The program's course from window to window: the name dialog, the main window, and back.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "core/kingdom_state.h"

class Form1;
class Form5;
class Platform;
class RandomSource;

// Program-wide set-up the windows rely on: the pictures, the window icon and the style's pixmap
// cache. Called once after the QApplication exists.
void prepareApplication();

class GameController : public QObject {
    Q_OBJECT
public:
    // The references belong to the program's main and outlive the controller.
    GameController(KingdomState& state, HallOfFame& hall, RandomSource& random, Platform& platform,
                   QObject* parent = nullptr);
    ~GameController() override;

    // Program start: the name dialog, nothing else.
    void start();

    // The windows now open, or null.
    Form5* nameDialog() const;
    Form1* mainWindow() const;

    // A fresh name dialog, as at program start.
    void showNameDialog();

    // Where the main windows keep the table of the best kings; empty means the usual place.
    void setScoresPath(const QString& path) { m_scoresPath = path; }

private:
    void openMainWindow(const QString& name);

    KingdomState& m_state;
    HallOfFame& m_hall;
    RandomSource& m_random;
    Platform& m_platform;
    QPointer<Form5> m_nameDialog;
    QPointer<Form1> m_mainWindow;
    QString m_scoresPath;
};
