// Window tests of the game in English and in Russian: a reign with every kind of year, the texts
// of every window, the access keys, and files that are the same bytes whatever the language.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <functional>
#include <set>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "formats/saved_game.h"
#include "formats/scores.h"
#include "formats/text_record.h"
#include "sim/chronicle.h"
#include "sim/end_of_reign.h"
#include "storage/saved_game.h"
#include "storage/scores.h"
#include "support/scripted_reign.h"
#include "ui/chronicle/chronicle_chart.h"
#include "ui/chronicle/chronicle_table.h"
#include "ui/chronicle/chronicle_window.h"
#include "ui/dialogs/hall_of_fame_window.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/help/help.h"
#include "ui/help/help_viewer.h"
#include "ui/i18n/rule_texts.h"
#include "ui/shell/application.h"

namespace {

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
const QString kKing = QStringLiteral("Всеволод");
constexpr int kEventKinds = int(ChronicleEventKind::OverthrownByRating) + 1;

QString rules(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool speak(bool english) {
    const QLocale locale = english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                   : QLocale(QLocale::Russian, QLocale::Russia);
    return installTranslation(locale) == (english ? QStringLiteral("en") : QString());
}

template <typename T> T* control(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QLatin1String(name));
    if (!found) {
        qFatal("no %s", name);
    }
    return found;
}

QString labelText(QWidget* window, const char* name) {
    return control<QLabel>(window, name)->text();
}

// Every text a window and its controls show or give a screen reader, as "where: text". What the
// disk holds (the file dialogs' lists) and what the player typed (the boxes) are left out.
void gatherTexts(QWidget* window, QStringList& texts) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        const QString where = w->objectName().isEmpty()
                                  ? QLatin1String(w->metaObject()->className())
                                  : w->objectName();
        const auto add = [&](const QString& text) {
            if (!text.isEmpty()) {
                texts << where + QStringLiteral(": ") + text;
            }
        };
        if (w->isWindow()) {
            add(w->windowTitle());
        }
        add(w->toolTip());
        add(w->accessibleName());
        add(w->accessibleDescription());
        if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w)) {
            add(spoken->text(QAccessible::Name));
            add(spoken->text(QAccessible::Description));
        }
        for (QAction* action : w->actions()) {
            add(action->text());
            add(action->toolTip());
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            add(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            add(button->text());
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            add(frame->title());
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            add(menu->title());
        } else if (auto* pages = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < pages->count(); ++i) {
                add(pages->tabText(i));
            }
        } else if (auto* list = qobject_cast<QListWidget*>(w);
                   list && list->objectName() != QLatin1String("Dir1") &&
                   list->objectName() != QLatin1String("File1")) {
            for (int i = 0; i < list->count(); ++i) {
                add(list->item(i)->text());
            }
        } else if (auto* browser = qobject_cast<QTextBrowser*>(w)) {
            add(browser->toPlainText());
        } else if (auto* table = qobject_cast<ChronicleTable*>(w)) {
            add(table->placeholder());
            for (int c = 0; c < ChronicleTable::ColumnCount; ++c) {
                add(ChronicleTable::columnTitle(c));
                for (int row = 0; row < table->rowCount(); ++row) {
                    add(table->text(row, c));
                }
            }
        } else if (auto* report = qobject_cast<ReportView*>(w)) {
            add(report->placeholder());
            add(report->text());
        } else if (auto* chart = qobject_cast<ChronicleChart*>(w)) {
            add(chart->placeholder());
            add(chart->valueTextAt(chart->rect().center()));
        }
    }
}

// The texts that hold Cyrillic once the king's name and the names of the table are taken out.
QStringList russianIn(const QStringList& texts, const HallOfFame& hall) {
    QStringList names{kKing};
    for (const std::string& name : hall.bestNames) {
        names << QString::fromStdString(name);
    }
    for (const std::string& name : ReignSession::defaultTable().bestNames) {
        names << QString::fromStdString(name);
    }
    QStringList russian;
    for (const QString& text : texts) {
        QString rest = text;
        for (const QString& name : std::as_const(names)) {
            if (!name.isEmpty()) {
                rest.replace(name, QString());
            }
        }
        if (rest.contains(kCyrillic)) {
            russian << text;
        }
    }
    russian.removeDuplicates(); // a window's texts are seen again from the window it holds
    return russian;
}

// The access keys of a window (its menu bar's included), and of each of its menus, that are
// taken twice; `keys` counts them all.
QStringList doubledKeys(QWidget* window, int& keys) {
    QStringList doubled;
    const auto check = [&](const QString& where, const QStringList& captions) {
        std::set<QString> taken;
        for (const QString& caption : captions) {
            const QString key = QKeySequence::mnemonic(caption).toString().toLower();
            if (key.isEmpty()) {
                continue;
            }
            ++keys;
            if (!taken.insert(key).second) {
                doubled << where + QStringLiteral(": ") + caption;
            }
        }
    };
    // The window's own controls: a window it holds (the about box over the main window) has keys
    // of its own.
    const auto own = [window](QWidget* w) { return w->window() == window; };
    QStringList captions;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (own(button)) {
            captions << button->text();
        }
    }
    for (QTabWidget* pages : window->findChildren<QTabWidget*>()) {
        for (int i = 0; own(pages) && i < pages->count(); ++i) {
            captions << pages->tabText(i);
        }
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* action : bar->actions()) {
            captions << action->text();
        }
    }
    check(window->objectName(), captions);
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (!own(menu->parentWidget())) {
            continue;
        }
        QStringList items;
        for (QAction* action : menu->actions()) {
            items << action->text();
        }
        check(menu->objectName(), items);
    }
    return doubled;
}

// The state and the draws of each kind of year. A year's draws: the four prices, the harvest's (a
// roll, and the kind of a disaster), the births and the army's.
struct YearMaker {
    ScriptedReign& reign;

    // Grain enough to feed everybody and sow all the land, and land for everybody.
    void feedAll() {
        KingdomState& s = reign.state;
        s.land = s.workers + s.soldiers + 10;
        s.grain = 2 * (s.workers + s.soldiers) + s.land;
    }
    void push(std::initializer_list<float> harvest) {
        reign.random.push({0.f, 0.f, 0.f, 0.f});
        reign.random.push(harvest);
        reign.random.push({0.5f, 0.5f});
    }
    // A battle at this year's end with 40 soldiers, 34 of them left when 6 have run away.
    void battle(double enemy) {
        reign.state.soldiers = 40;
        feedAll();
        reign.state.warCountdown = 1;
        reign.state.enemyArmy = enemy - 1; // the enemy's reinforcement draw of 0 adds one
        push({0.1f});
        reign.random.push(0.f);
    }
    // Half of each holding won or lost.
    void shares() { reign.random.push({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f}); }
};

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_startFolder = QDir::currentPath(); }
    void init();
    void cleanup();

    void aReignReadsAsTheRulesWroteItOrWhollyInEnglish_data();
    void aReignReadsAsTheRulesWroteItOrWhollyInEnglish();
    void everyWindowAndMessageSpeaksEnglish();
    void accessKeysAreUniqueInEitherLanguage();
    void filesAreTheSameBytesInEitherLanguage();

private:
    // The windows made since the test began.
    QList<QWidget*> newWindows() const;
    QStringList russianShown(const ScriptedReign& reign) const;

    QSet<QWidget*> m_before;
    QString m_startFolder;
};

void TestLanguages::init() {
    QVERIFY(speak(false));
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    m_before = QSet<QWidget*>(windows.begin(), windows.end());
}

void TestLanguages::cleanup() {
    QVERIFY(speak(false));
    QDir::setCurrent(m_startFolder);
}

QList<QWidget*> TestLanguages::newWindows() const {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!m_before.contains(window)) {
            windows << window;
        }
    }
    return windows;
}

QStringList TestLanguages::russianShown(const ScriptedReign& reign) const {
    QStringList texts;
    for (QWidget* window : newWindows()) {
        gatherTexts(window, texts);
    }
    for (const FakePlatform::Message& message : reign.platform.messages) {
        texts << QStringLiteral("message: ") + message.title
              << QStringLiteral("message: ") + message.text;
    }
    return russianIn(texts, reign.hall);
}

void TestLanguages::aReignReadsAsTheRulesWroteItOrWhollyInEnglish_data() {
    QTest::addColumn<bool>("english");
    QTest::newRow("Russian") << false;
    QTest::newRow("English") << true;
}

// Every kind of year through the controller, with the chronicle open: quiet years with each
// harvest, hunger, land short, a war announced, a battle won, drawn and lost, year 100, the two
// overthrows and the country starved. In Russian every text is the rules' own, byte for byte; in
// English no shown text has a Russian word, and every line kind the rules write was shown.
void TestLanguages::aReignReadsAsTheRulesWroteItOrWhollyInEnglish() {
    QFETCH(bool, english);
    QVERIFY(speak(english));
    const TranslatedRuleText translated;
    const RuleTextWriter russian;
    const RuleTextWriter& writer =
        english ? static_cast<const RuleTextWriter&>(translated) : russian;

    ScriptedReign reign;
    YearMaker year{reign};
    std::set<ReportLineKind> lines;
    std::set<ChronicleEventKind> events;
    std::set<BattleOutcome> battles;
    MainWindow* window = nullptr;
    // A finished reign stays in its chronicle window, which the controller lets go.
    ChronicleWindow* chronicle = nullptr;
    const auto beginReign = [&] {
        window = reign.begin(kKing);
        reign.state.lastPeaceYear = 1000;
        reign.controller.openChronicle();
        chronicle = reign.controller.chronicleWindow();
    };
    // What the windows show now of the year that has just ended.
    const auto checkYearEnd = [&](bool reportShown) {
        const ChronicleEntry& entry = reign.controller.chronicle().entries.back();
        for (const ReportPart& part : readReport(entry.report)) {
            if (part.line) {
                lines.insert(part.line->kind);
            }
        }
        for (const ChroniclePhrase& phrase : readChronicleEvents(entry.events)) {
            QVERIFY2(phrase.event, std::string(phrase.text).c_str());
            events.insert(phrase.event->kind);
        }
        ChronicleTable* table = chronicle->table();
        const int row = table->rowCount() - 1;
        if (reportShown) {
            QCOMPARE(labelText(window, "info"),
                     english ? ruletext::report(entry.report) : rules(entry.report));
        }
        QCOMPARE(labelText(window, "Label14"), rules(yearLabelText(reign.state.year, writer)));
        QCOMPARE(table->text(row, ChronicleTable::Events),
                 english ? ruletext::chronicleEvents(entry.events) : rules(entry.events));
        QCOMPARE(table->text(row, ChronicleTable::Mood),
                 rules(writer.write(*moodTemplate(*moodLevelOfWord(entry.mood)), {})));
        // The same look in Russian finds the rules' words: it sees what the windows show.
        const QStringList russianLeft = russianShown(reign);
        QVERIFY2(russianLeft.isEmpty() == english, qPrintable(russianLeft.join(u'\n')));
    };
    const auto playYear = [&](bool reportShown = true) {
        reign.controller.nextYear();
        checkYearEnd(reportShown);
        return !QTest::currentTestFailed();
    };
    const auto checkBattle = [&](const BattleReport& battle) {
        QCOMPARE(labelText(window, "pobeda"), rules(battleOutcomeText(battle.outcome, writer)));
        QCOMPARE(labelText(window, "Label13"), rules(battleHeading(battle.outcome, writer)));
        // A draw takes nothing, and its boxes stay empty.
        const bool draw = battle.outcome == BattleOutcome::Draw;
        QCOMPARE(labelText(window, "trofey"),
                 draw ? QString() : rules(trophyGoodsText(battle, writer)));
        QCOMPARE(labelText(window, "trofey1"),
                 draw ? QString() : rules(trophyPeopleText(battle, writer)));
    };
    const auto fightBattle = [&] {
        reign.controller.nextYear();
        for (const ChroniclePhrase& phrase :
             readChronicleEvents(reign.controller.chronicle().entries.back().events)) {
            if (phrase.event && phrase.event->kind == ChronicleEventKind::Battle) {
                battles.insert(phrase.event->battle.outcome);
                checkBattle(phrase.event->battle);
            }
        }
        checkYearEnd(false);
        window->Command3_Click();
        checkYearEnd(true);
        return !QTest::currentTestFailed();
    };

    beginReign();
    // A good and an excellent harvest (the army grows), rats, a flood, a fire and no harvest.
    const std::initializer_list<float> harvests[] = {{0.1f},       {0.8f},        {0.5f, 0.1f},
                                                     {0.5f, 0.5f}, {0.5f, 0.85f}, {0.95f}};
    for (const std::initializer_list<float>& harvest : harvests) {
        year.feedAll();
        reign.state.armyGrowthLevel = *harvest.begin() == 0.8f ? 3 : 0;
        year.push(harvest);
        QVERIFY(playYear());
    }
    year.feedAll();
    reign.state.grain -= reign.state.land / 2; // part of the land sown
    year.push({0.1f});
    QVERIFY(playYear());
    year.feedAll();
    reign.state.grain = 0; // hungry, nothing sown
    year.push({});
    QVERIFY(playYear());
    year.feedAll();
    reign.state.land = reign.state.workers + reign.state.soldiers; // one without land
    year.push({0.1f});
    QVERIFY(playYear());
    reign.state.grain = 0; // hungry, without any land: the grain grows by half
    reign.state.land = 0;
    year.push({});
    QVERIFY(playYear());

    year.feedAll();
    reign.state.lastPeaceYear = reign.state.year - 1;
    year.push({0.1f});
    reign.random.push(0.f); // war is announced, to come in two years
    QVERIFY(playYear());
    year.battle(20);
    year.shares();
    QVERIFY(fightBattle());
    year.battle(34);
    QVERIFY(fightBattle());
    year.battle(100);
    year.shares();
    QVERIFY(fightBattle());

    year.feedAll();
    reign.setUpLastYear(500);
    QVERIFY(playYear());
    QCOMPARE(reign.platform.messages.back().text, rules(ratingMessage(500, writer)));
    control<QWidget>(window, "Form7")->close(); // the table ends the reign

    beginReign();
    reign.setUpLastYear(-1); // year 100 reached with a rating of exactly 1, the army grown
    reign.state.armyGrowthLevel = 3;
    QVERIFY(playYear());
    QCOMPARE(reign.platform.messages.back().text, rules(overthrowMessage(writer)));
    beginReign();
    reign.state.discontentYears = 4;
    reign.state.land = 80; // as many as the people: the fifth bad year
    reign.random.push({0.f, 0.f, 0.f, 0.f});
    QVERIFY(playYear(false));
    QCOMPARE(reign.platform.messages.back().text, rules(overthrowMessage(writer)));
    beginReign();
    reign.state.workers = 0;
    reign.random.push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.9f});
    QVERIFY(playYear(false));
    QCOMPARE(reign.platform.messages.back().text, rules(starvationMessage(writer)));
    QCOMPARE(reign.random.remaining(), std::size_t(0));

    // Each kind came, so each was checked above in the language in use.
    QCOMPARE(int(lines.size()), kReportLineKinds);
    QCOMPARE(int(events.size()), kEventKinds);
    QCOMPARE(int(battles.size()), 3);
    if (english) {
        QCOMPARE(labelText(window, "Label14"), QStringLiteral("Year 1 of the reign"));
        QCOMPARE(window->windowTitle(), QStringLiteral("King of Veloria - ") + kKing);
    }
}

// Each window in each of its states, the rules, and the messages of storage's refusals made to
// happen for real from files made for them: not a word of Russian but the names.
void TestLanguages::everyWindowAndMessageSpeaksEnglish() {
    QVERIFY(speak(true));
    ScriptedReign reign;
    QVERIFY(QDir::setCurrent(reign.folder.path()));
    MainWindow* window = reign.begin(kKing);
    reign.controller.openChronicle();
    ChronicleWindow* chronicle = reign.controller.chronicleWindow();
    QVERIFY(!chronicle->findChild<ChronicleChart*>()->placeholder().isEmpty());
    const QStringList beforeAnyYear = russianShown(reign);
    QVERIFY2(beforeAnyYear.isEmpty(), qPrintable(beforeAnyYear.join(u'\n')));

    reign.pushQuietYear();
    reign.controller.nextYear();
    reign.controller.showSelling();
    reign.controller.showMercenaries();
    reign.controller.openAboutBox();
    reign.controller.openTable();
    chronicle->pages()->setCurrentIndex(1);
    for (QCheckBox* box : chronicle->findChildren<QCheckBox*>()) {
        box->setChecked(false); // the chart's word for nothing to show
    }

    // The rules, from the file the menu asks for, and a file that is not there.
    window->findChild<QAction*>(QStringLiteral("pravila"))->trigger();
    const FakePlatform::HelpCall call = reign.platform.helpRequests.back();
    QCOMPARE(QFileInfo(call.path).fileName(), QStringLiteral("throne_en.hlp"));
    HelpViewer viewer;
    viewer.showHelp(window, call.path, call.command, call.data);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("King of Veloria — rules of the game"));
    QCOMPARE(viewer.currentTopic(), helpcmd::kRulesTopic);
    HelpViewer missing;
    missing.showHelp(window, QStringLiteral("none.hlp"), helpcmd::kContext, 1000);
    QVERIFY(!missing.problem().isEmpty());

    // Storage's refusals.
    const auto write = [](const char* name, const QByteArray& bytes) {
        QFile file{QLatin1String(name)};
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const QByteArray game = QByteArray::fromStdString(
        writeSavedGame(reign.state, reign.hall, reign.controller.session().barMaxima()));
    QVERIFY(write("empty.txt", " \r\n"));
    QVERIFY(write("cut.txt", game.left(game.size() / 2)));
    QVERIFY(write("price.txt", QByteArray(game).replace(0, game.indexOf(','), "0")));
    QVERIFY(write("chronicle.txt", game + "\"" +
                                       QByteArray::fromStdString(encodeRecordText("Летопись")) +
                                       "\",1,5\r\n"));
    QVERIFY(write("scores.tab", "\"Велимир\","));
    QVERIFY(QDir().mkdir(QStringLiteral("folder.txt")));
    for (const char* name : {"missing", "empty", "cut", "price", "chronicle"}) {
        reign.controller.openLoadDialog();
        auto* load = control<QWidget>(window, "Form4");
        control<QLineEdit>(load, "txtFileName")->setText(QLatin1String(name));
        control<QPushButton>(load, "Command1")->click();
    }
    for (const char* name : {"no folder/game", "folder"}) {
        reign.controller.openSaveDialog();
        auto* save = control<QWidget>(window, "Form3");
        control<QLineEdit>(save, "txtFileName")->setText(QLatin1String(name));
        control<QPushButton>(save, "Command1")->click();
        save->close();
    }
    reign.controller.openTable(); // the broken table is put aside, and the player told
    reign.controller.openSaveDialog();
    reign.controller.openLoadDialog();
    QCOMPARE(int(reign.platform.messages.size()), 8);

    const QStringList russian = russianShown(reign);
    QVERIFY2(russian.isEmpty(), qPrintable(russian.join(u'\n')));
}

// In each language each window's access keys, and each menu's, are taken once, and English keeps
// as many as Russian has.
void TestLanguages::accessKeysAreUniqueInEitherLanguage() {
    QMap<QString, int> russianKeys;
    for (const bool english : {false, true}) {
        QVERIFY(speak(english));
        ScriptedReign reign;
        MainWindow* window = reign.begin(kKing);
        reign.controller.openChronicle();
        reign.controller.openAboutBox();
        reign.controller.openTable();
        reign.controller.openSaveDialog();
        reign.controller.openLoadDialog();
        QList<QWidget*> windows{window, reign.controller.chronicleWindow()};
        for (const char* name : {"Form2", "Form7", "Form3", "Form4"}) {
            windows << control<QWidget>(window, name);
        }
        reign.controller.newGame();
        windows << static_cast<QWidget*>(reign.controller.nameDialog());
        for (QWidget* each : std::as_const(windows)) {
            int keys = 0;
            const QStringList doubled = doubledKeys(each, keys);
            QVERIFY2(doubled.isEmpty(), qPrintable(doubled.join(u'\n')));
            if (english) {
                QCOMPARE(keys, russianKeys.value(each->objectName()));
            } else {
                russianKeys[each->objectName()] = keys;
            }
        }
        QVERIFY(russianKeys.value(QStringLiteral("Form1")) >= 5);
        // The function keys are the same in every language.
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("savegame"))->shortcut(),
                 QKeySequence(Qt::Key_F3));
    }
}

// A game and the table saved in English are the bytes the same game saves in Russian:
// Windows-1251 with the rules' Russian report. Each loads in the other language to the same game.
void TestLanguages::filesAreTheSameBytesInEitherLanguage() {
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    const auto save = [](MainWindow* window, const QString& name) {
        window->findChild<QAction*>(QStringLiteral("savegame"))->trigger();
        auto* dialog = control<QWidget>(window, "Form3");
        control<QLineEdit>(dialog, "txtFileName")->setText(name);
        control<QPushButton>(dialog, "Command1")->click();
        QFile file(name + QStringLiteral(".txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    struct Played {
        QByteArray game;
        QByteArray scores;
    };
    const auto play = [&](bool english) {
        Played played;
        if (!speak(english)) {
            return played;
        }
        ScriptedReign reign;
        MainWindow* window = reign.begin(kKing);
        reign.pushQuietYear();
        reign.controller.nextYear();
        reign.setUpWonBattle();
        reign.controller.nextYear();
        window->Command3_Click();
        // A loaded game goes on in buy mode, which sets the bars: the game is saved from there.
        reign.controller.showBuying();
        played.game = save(window, english ? QStringLiteral("english") : QStringLiteral("russian"));
        reign.setUpLastYear(250);
        reign.controller.nextYear();
        QFile scores(reign.context.scoresFile());
        if (scores.open(QIODevice::ReadOnly)) {
            played.scores = scores.readAll();
        }
        return played;
    };
    const Played english = play(true);
    const Played russian = play(false);
    QVERIFY(!english.game.isEmpty() && !english.scores.isEmpty());
    QCOMPARE(english.game, russian.game);
    QCOMPARE(english.scores, russian.scores);
    QVERIFY(english.game.contains(
        QByteArray::fromStdString(encodeRecordText(std::string(kReportTitle)))));
    QVERIFY(
        english.game.contains(QByteArray::fromStdString(encodeRecordText(kKing.toStdString()))));
    QVERIFY(!english.game.contains("The people"));
    QVERIFY(
        english.scores.contains(QByteArray::fromStdString(encodeRecordText(kKing.toStdString()))));

    // Each game loads in the other language and saves again to the same bytes; each table shows
    // its king there.
    for (const bool inEnglish : {false, true}) {
        QVERIFY(speak(inEnglish));
        ScriptedReign reign;
        MainWindow* window = reign.begin(QStringLiteral("Другой"));
        reign.controller.openChronicle();
        window->findChild<QAction*>(QStringLiteral("loadgame"))->trigger();
        auto* load = control<QWidget>(window, "Form4");
        control<QLineEdit>(load, "txtFileName")
            ->setText(inEnglish ? QStringLiteral("russian") : QStringLiteral("english"));
        control<QPushButton>(load, "Command1")->click();
        QVERIFY(reign.platform.messages.empty());
        QCOMPARE(save(window, QStringLiteral("again")), english.game);
        QCOMPARE(labelText(window, "Label14").contains(kCyrillic), !inEnglish);
        const QString events =
            reign.controller.chronicleWindow()->table()->text(0, ChronicleTable::Events);
        QCOMPARE(events.contains(kCyrillic), !inEnglish);

        QFile scores(reign.context.scoresFile());
        QVERIFY(scores.open(QIODevice::WriteOnly));
        scores.write(inEnglish ? russian.scores : english.scores);
        scores.close();
        reign.controller.openTable();
        auto* table = control<QWidget>(window, "Form7");
        QCOMPARE(labelText(table, "Label2_0"), kKing);
        QCOMPARE(labelText(table, "Label3_0"), QStringLiteral("250"));
        QVERIFY(reign.platform.messages.empty());
    }
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
