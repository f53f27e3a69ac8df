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
    QPushButton* acknowledgeButton() const { return m_acknowledge; }

    // The report and the battle as a screen reader speaks them, from what the panels show: the
    // report without its rule, the battle with its armies, outcome and what changed hands.
    QString spokenReport() const;
    QString spokenBattle() const;
    // Names the report and the war panel's figures by what they show, and gives the war panel's
    // OK the whole battle to say.
    void describeForReaders();

signals:
    // The war panel's OK.
    void battleAcknowledged();

private:
    void buildWarPanel();
    // "Ваша армия: 32", from the heading above the army's figure.
    QString spokenArmy(const char* heading, const QLabel* army) const;

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
