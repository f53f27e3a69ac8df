// The table of the ten best kings, and the reading and writing of its file.
#pragma once

#include <array>
#include <functional>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/kingdom_state.h"

class Platform;
class QLabel;
class QPushButton;

// The hall of fame (`hall`) is the table's one source of truth: the labels only show it. The
// window is not modal; the main window is disabled while it is shown, and closing it (OK, the
// close box or Escape all do the same) enables the main window again and, when the reign has
// reached year 100, hides the table and starts a new game. Create it with `new`; it deletes
// itself once closed. `state` and `hall` must outlive it.
class Form7 final : public QWidget {
public:
    Form7(QWidget* mainWindow, Platform& platform, const KingdomState& state, HallOfFame& hall,
          std::function<void()> startNewGame, QString scoresPath);
    ~Form7() override;

    // The file into the hall of fame and the labels. A missing or unusable file leaves the design
    // rows in the labels and makes them the hall of fame, so that what is shown is what a later
    // save writes. Returns whether the file was read.
    bool loadScores();
    // The hall of fame into the file; on failure the player is told why. Returns whether it was
    // written.
    bool saveScores();
    // The hall of fame into the labels.
    void showScores();

    // The rows the window shows before any file is read.
    static HallOfFame designRows();
    // A score as the table shows it: the plain number text in the player's own locale.
    static QString scoreText(double score);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setupActions();
    void showRows(const HallOfFame& rows);

    QPointer<QWidget> m_mainWindow;
    Platform& m_platform;
    const KingdomState& m_state;
    HallOfFame& m_hall;
    std::function<void()> m_startNewGame;
    QString m_scoresPath;
    // Set once the main window is gone: closing then does nothing more than close.
    bool m_orphaned = false;

    std::array<QLabel*, 10> m_names{};
    std::array<QLabel*, 10> m_scores{};
    QPushButton* m_command1 = nullptr;
};

// The menu's "Таблица": shows the table over the disabled main window and fills it from the file
// at `scoresPath` (normally scoresFilePath()).
Form7* showTable(QWidget* mainWindow, Platform& platform, const KingdomState& state,
                 HallOfFame& hall, std::function<void()> startNewGame, const QString& scoresPath);
