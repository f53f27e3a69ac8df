// The report panel and the war panel of the main window.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/report_panel.h"

#include <utility>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "ui/a11y/accessibility.h"
#include "ui/base/controls.h"
#include "ui/base/twips.h"
#include "ui/i18n/rule_texts.h"
#include "war/battle.h"

// Control names: m_frame informacia, m_report info, m_warFrame boy, m_kingArmy boy1,
// m_enemyArmy boy2, m_outcome pobeda, m_spoilsHeading Label13, m_goodsSpoils trofey,
// m_peopleSpoils trofey1, m_acknowledge Command3.
ReportPanel::ReportPanel(QWidget* area, QObject* parent) : QObject(parent) {
    QWidget* report = makeFrame(area, "informacia", twipRect(120, 960, 7095, 4575),
                                //: The report panel: "A year has passed".
                                tr("Прошёл год"), 12, &m_frame);
    m_report = makeLabel(report, "info", twipRect(120, 360, 6855, 4095), {}, Qt::AlignLeft, true);
    // The report has no font of its own: it is written in the toolkit's.
    m_report->setFont(wholeFont(QApplication::font()));
    // The war announcement is longer than the panel is wide; cut short it would hide the
    // enemy's strength, so long lines wrap (the rule of underscores is one word and just ends).
    m_report->setWordWrap(true);
    buildWarPanel();
}

void ReportPanel::buildWarPanel() {
    QWidget* war =
        makeFrame(m_frame, "boy", twipRect(0, 0, 7095, 4575), tr("Война"), 12, &m_warFrame);
    // The frame's background hides the report beneath while the battle is shown.
    m_warFrame->setAutoFillBackground(true);

    makePicture(war, "Picture1", twipRect(70, 240, 1135, 1575), QStringLiteral(":/art/king.svg"),
                //: The king's portrait in the war panel: "You".
                QSize(72, 104), tr("Вы"));
    auto* ours = makeButton(war, "Command1", twipRect(1200, 240, 2295, 375), tr("Ваша армия"));
    auto* theirs = makeButton(war, "Command2", twipRect(3480, 240, 2415, 375), tr("Враги"));
    for (auto [button, colour] :
         {std::pair{ours, QColor(0, 255, 0)}, std::pair{theirs, QColor(128, 128, 255)}}) {
        button->setFont(gameFont(12));
        button->setEnabled(false);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, colour);
        // The headings are disabled buttons, yet they must stay readable on their colours.
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(72, 72, 72));
        button->setPalette(palette);
        button->setAutoFillBackground(true);
    }
    makePicture(war, "Picture2", twipRect(5880, 240, 1135, 1575), QStringLiteral(":/art/enemy.svg"),
                QSize(72, 104), tr("Вражеский военачальник"));

    m_kingArmy = makeLabel(war, "boy1", twipRect(1200, 600, 2295, 1215), {}, Qt::AlignLeft, true);
    m_enemyArmy = makeLabel(war, "boy2", twipRect(3480, 600, 2415, 1215), {}, Qt::AlignLeft, true);
    m_kingArmy->setFont(gameFont(36));
    m_enemyArmy->setFont(gameFont(36));
    m_outcome = makeLabel(war, "pobeda", twipRect(120, 1800, 6855, 375), {}, Qt::AlignLeft, true);
    m_outcome->setFont(gameFont(15.75));
    m_spoilsHeading =
        //: Design text only: the battle's outcome writes its own heading here.
        makeLabel(war, "Label13", twipRect(2760, 2280, 1575, 375), tr("Захвачено:"));
    m_spoilsHeading->setFont(gameFont(14.25));
    setTextColour(m_spoilsHeading, QColor(128, 0, 0));
    m_goodsSpoils =
        makeLabel(war, "trofey", twipRect(1080, 2760, 2415, 1005), {}, Qt::AlignLeft, true);
    m_peopleSpoils =
        makeLabel(war, "trofey1", twipRect(3480, 2760, 2415, 1005), {}, Qt::AlignLeft, true);
    m_acknowledge = makeButton(war, "Command3", twipRect(2880, 3960, 1095, 375),
                               //: "Had enough of war": the tool tip of the battle's OK.
                               tr("OK"), tr("Навоевался"));
    connect(m_acknowledge, &QPushButton::clicked, this, &ReportPanel::battleAcknowledged);
}

void ReportPanel::show() {
    m_frame->show();
}

void ReportPanel::hide() {
    m_frame->hide();
}

void ReportPanel::showReport(const QString& report) {
    m_warFrame->hide();
    m_frame->show();
    m_report->setText(ruletext::report(report.toStdString()));
}

void ReportPanel::showBattle(const BattleReport& battle) {
    m_warFrame->show();
    m_kingArmy->setText(numberQText(battle.kingArmy));
    m_enemyArmy->setText(numberQText(battle.enemyArmy));
    m_outcome->setText(ruletext::battleOutcome(battle.outcome));
    if (battle.outcome == BattleOutcome::Draw) {
        // Nothing changed hands: an earlier battle's spoils must not look like this one's.
        m_spoilsHeading->clear();
        m_goodsSpoils->clear();
        m_peopleSpoils->clear();
        return;
    }
    m_spoilsHeading->setText(ruletext::battleHeading(battle.outcome));
    m_goodsSpoils->setText(ruletext::trophyGoods(battle));
    m_peopleSpoils->setText(ruletext::trophyPeople(battle));
}

void ReportPanel::hideBattle() {
    m_warFrame->hide();
}

bool ReportPanel::battleShown() const {
    return !m_warFrame->isHidden();
}

QString ReportPanel::spokenReport() const {
    return spokenText(m_report->text());
}

QString ReportPanel::spokenArmy(const char* heading, const QLabel* army) const {
    // The coloured heading button above the army's figure says whose army it is.
    const auto* button = m_warFrame->findChild<QPushButton*>(QLatin1String(heading));
    return QStringLiteral("%1: %2").arg(button->text(), army->text().trimmed());
}

QString ReportPanel::spokenBattle() const {
    QStringList parts{m_warFrame->title(), spokenArmy("Command1", m_kingArmy),
                      spokenArmy("Command2", m_enemyArmy), m_outcome->text()};
    if (!m_spoilsHeading->text().isEmpty()) {
        // What changed hands in one sentence: "Захвачено: Золота: 13, Земли: 500, ...".
        QStringList spoils;
        for (const QLabel* list : {m_goodsSpoils, m_peopleSpoils}) {
            for (const QString& line : list->text().split(u'\n')) {
                if (!line.simplified().isEmpty()) {
                    spoils << line.simplified();
                }
            }
        }
        parts << m_spoilsHeading->text() + u' ' + spoils.join(QStringLiteral(", "));
    }
    return spokenText(parts.join(u'\n'));
}

void ReportPanel::describeForReaders() {
    m_report->setAccessibleName(spokenReport());
    if (m_warFrame->isHidden()) {
        return;
    }
    // The war panel stands in the report panel's frame, whose caption Qt would give it.
    m_warFrame->setAccessibleName(m_warFrame->title());
    // Its OK tells the whole battle as it takes the keyboard. Orca would first read the panel's
    // loose labels, some of them, as the panel opens; a label that labels something is not
    // loose, so each one labels itself.
    for (QLabel* label :
         {m_kingArmy, m_enemyArmy, m_outcome, m_spoilsHeading, m_goodsSpoils, m_peopleSpoils}) {
        label->setBuddy(label);
    }
    m_kingArmy->setAccessibleName(spokenArmy("Command1", m_kingArmy));
    m_enemyArmy->setAccessibleName(spokenArmy("Command2", m_enemyArmy));
    m_goodsSpoils->setAccessibleName(spokenText(m_goodsSpoils->text()));
    m_peopleSpoils->setAccessibleName(spokenText(m_peopleSpoils->text()));
    m_acknowledge->setAccessibleDescription(spokenBattle());
}
