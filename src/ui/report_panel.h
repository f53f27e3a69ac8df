// The report panel of the main window («Прошёл год») and the war panel that opens over it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

struct BattleReport;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

class ReportPanel final : public QObject {
    Q_OBJECT
public:
    // Builds both panels, hidden, on the main window's client area.
    ReportPanel(QWidget* area, QObject* parent);

    void show();
    void hide();
    // The year's report in the report panel, the war panel closed.
    void showReport(const QString& report);
    // The war panel over the report: the armies, the outcome and what changed hands.
    void showBattle(const BattleReport& battle);
    void hideBattle();
    bool battleShown() const;

    QGroupBox* frame() const { return m_frame; }

signals:
    // The war panel's OK.
    void battleAcknowledged();

private:
    void buildWarPanel();

    QGroupBox* m_frame = nullptr;
    QLabel* m_report = nullptr;
    QGroupBox* m_warFrame = nullptr;
    QLabel* m_kingArmy = nullptr;
    QLabel* m_enemyArmy = nullptr;
    QLabel* m_outcome = nullptr;
    QLabel* m_spoilsHeading = nullptr;
    QLabel* m_goodsSpoils = nullptr;
    QLabel* m_peopleSpoils = nullptr;
    QPushButton* m_acknowledge = nullptr;
};
