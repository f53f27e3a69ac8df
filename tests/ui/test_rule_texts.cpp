// The rules' texts in the windows: the Russian untranslated, a translation's words, the catalogue.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "core/report.h"
#include "sim/chronicle.h"
#include "sim/end_of_reign.h"
#include "support/chronicle_reign.h"
#include "support/scripted_reign.h"
#include "ui/chronicle/chronicle_table.h"
#include "ui/chronicle/chronicle_window.h"
#include "ui/i18n/rule_texts.h"

namespace {

constexpr int kEventKinds = int(ChronicleEventKind::OverthrownByRating) + 1;
constexpr double kFigures[] = {0, 1, 6, -3, 0.5, 1e20};

// One text as the rules write it and as the windows show it.
struct Sample {
    std::string rules;
    QString shown;
};

// Every kind of text the rules write, with ordinary and odd figures.
std::vector<Sample> samples() {
    std::vector<Sample> all;
    const auto add = [&all](std::string rules, QString shown) {
        all.push_back({std::move(rules), std::move(shown)});
    };
    for (int k = 0; k < kReportLineKinds; ++k) {
        for (const double figure : kFigures) {
            const std::string line = reportLineText(ReportLine{ReportLineKind(k), figure});
            add(line, ruletext::report(line));
        }
    }
    for (int k = 0; k < kEventKinds; ++k) {
        for (const double figure : kFigures) {
            const std::string phrase = chronicleEventText({ChronicleEventKind(k), figure, {}});
            add(phrase, ruletext::chronicleEvents(phrase));
        }
    }
    for (const auto outcome :
         {BattleOutcome::Victory, BattleOutcome::Draw, BattleOutcome::Defeat}) {
        for (const auto& amounts :
             {std::array<double, 7>{1, 2, 3, 4, 5, 6, 7e20},
              std::array<double, 7>{0, 0.5, 0, 0, -1, 0, 0}, std::array<double, 7>{}}) {
            const BattleReport battle{90, 1e20, outcome, amounts};
            add(trophyGoodsText(battle), ruletext::trophyGoods(battle));
            add(trophyPeopleText(battle), ruletext::trophyPeople(battle));
            const std::string phrase = chronicleEventText({ChronicleEventKind::Battle, 0, battle});
            add(phrase, ruletext::chronicleEvents(phrase));
        }
        add(battleOutcomeText(outcome), ruletext::battleOutcome(outcome));
        add(battleHeading(outcome), ruletext::battleHeading(outcome));
    }
    for (const double level : {0.0, 1.0, 2.0, 3.0, 4.0}) {
        const std::string word(*moodWord(level));
        add(word, *ruletext::moodWord(level));
        add(word, ruletext::chronicleMood(word));
    }
    for (const double figure : kFigures) {
        add(yearLabelText(figure), ruletext::yearLabel(figure));
        add(ratingMessage(figure), ruletext::ratingMessage(figure));
    }
    add(overthrowMessage(), ruletext::overthrowMessage());
    add(starvationMessage(), ruletext::starvationMessage());
    for (const Good good : kGoods) {
        add(std::string(goodCaption(good)), ruletext::goodCaption(good));
    }
    add(std::string(kMainCaptionPrefix), ruletext::mainCaptionPrefix());
    return all;
}

QString labelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QString rulesText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The battle of the chronicle's latest entry, read back from its events.
BattleReport lastBattle(const Chronicle& chronicle) {
    for (const ChroniclePhrase& phrase : readChronicleEvents(chronicle.entries.back().events)) {
        if (phrase.event && phrase.event->kind == ChronicleEventKind::Battle) {
            return phrase.event->battle;
        }
    }
    qFatal("the year had no battle");
}

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

// The catalogue lupdate collects from the rules, made by the build: source -> has plural forms.
std::map<QString, bool> catalogue() {
    std::map<QString, bool> sources;
    QFile file(QStringLiteral(VELORIA_RULE_TEXT_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("no catalogue at %s", VELORIA_RULE_TEXT_CATALOGUE);
    }
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QStringLiteral("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QStringLiteral("message")) {
            numerus = xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
        } else if (xml.name() == QStringLiteral("source") &&
                   context == QLatin1String(kRuleTextContext)) {
            sources[xml.readElementText()] = numerus;
        }
    }
    return sources;
}

// Knows every text of the catalogue and nothing else: each comes back with its Cyrillic letters
// masked, so that a text the catalogue lacks shows as Russian.
class CatalogueTranslator : public QTranslator {
public:
    explicit CatalogueTranslator(std::map<QString, bool> sources) : m_sources(std::move(sources)) {}

    QString translate(const char* context, const char* source, const char*, int n) const override {
        if (QLatin1String(context) != QLatin1String(kRuleTextContext)) {
            return {};
        }
        const QString text = QString::fromUtf8(source);
        const auto found = m_sources.find(text);
        if (found == m_sources.end()) {
            return {};
        }
        asked.insert(text);
        if (found->second != (n >= 0)) {
            wrongForms.insert(text);
        }
        return QString(text).replace(kCyrillic, QStringLiteral("~"));
    }
    bool isEmpty() const override { return false; }

    mutable std::set<QString> asked;
    mutable std::set<QString> wrongForms; // asked with a count when it has no plural forms, or not
private:
    std::map<QString, bool> m_sources;
};

} // namespace

class TestRuleTexts : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void withoutATranslationEveryTextIsTheRules();
    void aScriptedReignShowsTheRulesTexts_data();
    void aScriptedReignShowsTheRulesTexts();
    void aTranslationGetsTheKindsAndTheirFigures();
    void everyTextTheRulesWriteIsInTheCatalogue();

private:
    void install(std::unique_ptr<QTranslator> translator);
    std::unique_ptr<QTranslator> m_translator;
};

void TestRuleTexts::install(std::unique_ptr<QTranslator> translator) {
    m_translator = std::move(translator);
    QVERIFY(QCoreApplication::installTranslator(m_translator.get()));
}

void TestRuleTexts::cleanup() {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
}

void TestRuleTexts::withoutATranslationEveryTextIsTheRules() {
    for (const Sample& sample : samples()) {
        QCOMPARE(sample.shown, rulesText(sample.rules));
    }
    // Texts the rules never write, as a hand-edited file may hold them, stand as they are.
    for (const char* text : {"", "\r\n", "В этом году родилось 6 детей.\r\n", "a\nb\r\n\r\nc",
                             "Собран урожай \r\nНаселение удалось прокормить", "хорошее"}) {
        QCOMPARE(ruletext::report(text), QString::fromUtf8(text));
        QCOMPARE(ruletext::chronicleEvents(text), QString::fromUtf8(text));
        QCOMPARE(ruletext::chronicleMood(text), QString::fromUtf8(text));
    }
    QVERIFY(!ruletext::moodWord(2.5).has_value());

    Chronicle chronicle;
    for (std::uint64_t seed : {125871u, 7u, 8u}) {
        playChronicledReign(chronicle, seed);
        for (const ChronicleEntry& entry : chronicle.entries) {
            QCOMPARE(ruletext::report(entry.report), rulesText(entry.report));
            QCOMPARE(ruletext::chronicleEvents(entry.events), rulesText(entry.events));
            QCOMPARE(ruletext::chronicleMood(entry.mood), rulesText(entry.mood));
        }
    }
}

void TestRuleTexts::aScriptedReignShowsTheRulesTexts_data() {
    QTest::addColumn<bool>("translated");
    QTest::newRow("Russian") << false;
    QTest::newRow("with a translation") << true;
}

// A reign through the controller: a quiet year, a battle won, year 100, then an overthrow and a
// starvation. Each window shows what the rules wrote, put into words by the translation in use.
void TestRuleTexts::aScriptedReignShowsTheRulesTexts() {
    QFETCH(bool, translated);
    if (translated) {
        auto english = std::make_unique<QTranslator>();
        QVERIFY(english->load(QStringLiteral(":/test/rule_texts_en.qm")));
        install(std::move(english));
    }
    // What each label must show: the rules' texts, put into words as the windows put them.
    const TranslatedRuleText words;
    const RuleTextWriter russian;
    const RuleTextWriter& writer = translated ? static_cast<const RuleTextWriter&>(words) : russian;
    const auto shownAs = [&](const std::string& text) {
        return translated ? ruletext::report(text) : rulesText(text);
    };
    const auto mood = [&](double level) {
        return rulesText(writer.write(*moodTemplate(level), {}));
    };

    ScriptedReign reign;
    MainWindow* window = reign.begin();
    QCOMPARE(window->windowTitle(), QStringLiteral("Король Велории - Иван"));
    reign.controller.openChronicle();
    ChronicleWindow* chronicleWindow = reign.controller.chronicleWindow();
    QVERIFY(chronicleWindow);
    auto* table = chronicleWindow->findChild<ChronicleTable*>(QStringLiteral("chronicleTable"));
    auto* report = chronicleWindow->findChild<ReportView*>(QStringLiteral("chronicleReport"));
    const auto checkYear = [&] {
        const ChronicleEntry& entry = reign.controller.chronicle().entries.back();
        QCOMPARE(labelText(window, "info"), shownAs(entry.report));
        QCOMPARE(labelText(window, "Label14"), rulesText(yearLabelText(reign.state.year, writer)));
        QCOMPARE(labelText(window, "nasnas"), mood(reign.state.moodLevel));
        const int row = table->rowCount() - 1;
        QCOMPARE(table->text(row, ChronicleTable::Events),
                 translated ? ruletext::chronicleEvents(entry.events) : rulesText(entry.events));
        QCOMPARE(table->text(row, ChronicleTable::Mood), mood(*moodLevelOfWord(entry.mood)));
        QCOMPARE(report->text(), shownAs(entry.report));
    };

    reign.pushQuietYear();
    reign.controller.nextYear();
    checkYear();

    reign.setUpWonBattle();
    reign.controller.nextYear();
    const BattleReport battle = lastBattle(reign.controller.chronicle());
    QCOMPARE(labelText(window, "pobeda"), rulesText(battleOutcomeText(battle.outcome, writer)));
    QCOMPARE(labelText(window, "Label13"), rulesText(battleHeading(battle.outcome, writer)));
    QCOMPARE(labelText(window, "trofey"), rulesText(trophyGoodsText(battle, writer)));
    QCOMPARE(labelText(window, "trofey1"), rulesText(trophyPeopleText(battle, writer)));
    window->Command3_Click();
    checkYear();
    QCOMPARE(labelText(window, "pobeda").startsWith(QStringLiteral("Glory")), translated);

    reign.setUpLastYear(-1); // year 100 with a rating of exactly 1: both messages
    reign.state.armyGrowthLevel = 3;
    reign.controller.nextYear();
    reign.begin();
    reign.state.discontentYears = 4;
    reign.state.land = 80;
    reign.random.push({0.f, 0.f, 0.f, 0.f});
    reign.controller.nextYear();
    reign.begin();
    reign.state.workers = 0;
    reign.random.push({0.f, 0.f, 0.f, 0.f, 0.1f, 0.9f});
    reign.controller.nextYear();

    const auto& messages = reign.platform.messages;
    QCOMPARE(messages.size(), std::size_t(4));
    QCOMPARE(messages[0].text, rulesText(ratingMessage(1, writer)));
    QCOMPARE(messages[1].text, rulesText(overthrowMessage(writer)));
    QCOMPARE(messages[2].text, rulesText(overthrowMessage(writer)));
    QCOMPARE(messages[3].text, rulesText(starvationMessage(writer)));
    QCOMPARE(messages[0].text.startsWith(QStringLiteral("Congratulations")), translated);
}

void TestRuleTexts::aTranslationGetsTheKindsAndTheirFigures() {
    auto english = std::make_unique<QTranslator>();
    QVERIFY(english->load(QStringLiteral(":/test/rule_texts_en.qm")));
    install(std::move(english));

    KingdomState state;
    startReport(state);
    appendReportLine(state, ReportLineKind::Fed);
    appendReportLine(state, ReportLineKind::LandForAll); // not translated: stays Russian
    appendReportLine(state, "В этом году родилось 1 детей.");
    for (const double born : {1.0, 6.0, 0.0, -3.0, 0.5, 1e20}) {
        appendReportLine(state, ReportLineKind::Births, born);
    }
    appendReportLine(state, ReportLineKind::WarAnnounced, 1);
    QCOMPARE(ruletext::report(state.report),
             rulesText(kReportTitle) + QStringLiteral("\r\n") + QString(89, u'_') +
                 QStringLiteral("\r\nThe people were fed\r\n"
                                "Всем досталась земля\r\n"
                                "В этом году родилось 1 детей.\r\n"
                                "This year 1 child was born.\r\n"
                                "This year 6 children were born.\r\n"
                                "This year 0 children were born.\r\n"
                                "This year-3 children were born.\r\n"
                                "This year 0.5 children were born.\r\n"
                                "This year 1e+20 children were born.\r\n"
                                "War may come! Our scouts count 1 enemy soldier!\r\n"));

    QCOMPARE(ruletext::yearLabel(7), QStringLiteral("Year 7 of the reign"));
    QCOMPARE(*ruletext::moodWord(2), QStringLiteral("Good"));
    QCOMPARE(ruletext::chronicleMood("Хорошее"), QStringLiteral("Good"));
    QCOMPARE(ruletext::battleOutcome(BattleOutcome::Victory),
             QStringLiteral("Glory to the King! You have won!"));
    const BattleReport battle{3, 2, BattleOutcome::Victory, {18, 2, 0, 0, 0, 0, 0}};
    QCOMPARE(ruletext::trophyGoods(battle),
             QStringLiteral("Gold:  18\r\n  Земли:    2\r\n  Зерна:    0\r\n  Нефти:   0\r\n"));
    QCOMPARE(ruletext::ratingMessage(57),
             QStringLiteral("Congratulations, Your Majesty, your rating is 57\r\n"
                            "          Поищите себя в таблице лучших королей!"));
    // A phrase the chronicle knows is worded piece by piece; one it does not stays as it is.
    QCOMPARE(ruletext::chronicleEvents("битва, 3 против 2: победа, захвачено золото 18, земля 2; "
                                       "конец правления, рейтинг 1e+20; родилось детей: 4; "
                                       "конец правления, рейтинг  5"),
             QStringLiteral("battle, 3 against 2: won, taken gold 18, земля 2; "
                            "the reign is over, rating 1e+20; родилось детей: 4; "
                            "конец правления, рейтинг  5"));
}

// What lupdate collects from the rules is exactly what the rules write: no text is missing from
// the catalogue, counted texts have plural forms there, and none is left over.
void TestRuleTexts::everyTextTheRulesWriteIsInTheCatalogue() {
    std::map<QString, bool> sources = catalogue();
    QVERIFY(sources.size() > 50);
    QVERIFY(rulesText(kReportTitle).contains(kCyrillic));
    auto translator = std::make_unique<CatalogueTranslator>(sources);
    CatalogueTranslator* masked = translator.get();
    install(std::move(translator));

    for (const Sample& sample : samples()) {
        QVERIFY2(!sample.shown.contains(kCyrillic), qPrintable(sample.shown));
    }
    QCOMPARE(masked->wrongForms, std::set<QString>());
    std::set<QString> unused;
    for (const auto& [source, numerus] : sources) {
        if (!masked->asked.contains(source)) {
            unused.insert(source);
        }
    }
    QCOMPARE(unused, std::set<QString>());
}

QTEST_MAIN(TestRuleTexts)
#include "test_rule_texts.moc"
