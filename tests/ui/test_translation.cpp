// Window tests of the game's languages: which translation a desktop gets, Russian texts as they
// always were without one, and English texts taken from the built-in translation.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include "formats/chronicle_file.h"
#include "formats/saved_game.h"
#include "formats/text_record.h"
#include "market/goods.h"
#include "sim/end_of_reign.h"
#include "storage/problem_text.h"
#include "support/scripted_reign.h"
#include "ui/base/controls.h"
#include "ui/base/message_box.h"
#include "ui/dialogs/name_dialog.h"
#include "ui/main_window/goods_panel.h"
#include "ui/shell/application.h"

namespace {

// Qt's own texts for the tests: a qtbase_en.qm whose OK button reads "Okay".
const QString kTestQtTranslations = QStringLiteral(":/test_qt_translations");

int installedTranslators() {
    return int(QCoreApplication::instance()
                   ->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)
                   .size());
}

QString messageButtonText() {
    MessageBox box(nullptr, QStringLiteral("title"), QStringLiteral("text"), false);
    return box.findChild<QPushButton*>(QStringLiteral("messageOk"))->text();
}

// A chronicle of `entries` records, the last one rated 7, whose header promises `promised`.
QByteArray chronicleCutShort(int entries, int promised) {
    Chronicle chronicle;
    for (int year = 1; year <= entries; ++year) {
        ChronicleEntry entry;
        entry.year = year;
        entry.rating = 7;
        chronicle.entries.push_back(entry);
    }
    const QByteArray header =
        "\"" + QByteArray::fromStdString(encodeRecordText("Летопись")) + "\",1,";
    return QByteArray::fromStdString(writeChronicle(chronicle))
        .replace(header + QByteArray::number(entries), header + QByteArray::number(promised));
}

// Why the chronicle in `bytes` cannot be read, in the game's language.
QString reasonOf(const QByteArray& bytes) {
    return chronicleProblemText(readChronicle(bytes.toStdString()).problem);
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void init() { installTranslation(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { init(); }

    void languageFollowsTheListOfLanguages_data();
    void languageFollowsTheListOfLanguages();
    void russianAndUntranslatedLanguagesInstallNothing_data();
    void russianAndUntranslatedLanguagesInstallNothing();
    void desktopLanguageIsFollowed();
    void englishTextsComeFromTheTranslation();
    void qtOwnTextsFollowTheLanguage();
    void russianBuiltTextsAreAsBefore();
};

void TestTranslation::languageFollowsTheListOfLanguages_data() {
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("expected");
    const QString english = QStringLiteral("en");
    QTest::newRow("ru_RU") << QLocale(QStringLiteral("ru_RU")).uiLanguages() << QString();
    QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")).uiLanguages() << english;
    // Its list has no plain "en": the British desktop is served by the English translation.
    QTest::newRow("en_GB") << QLocale(QStringLiteral("en_GB")).uiLanguages() << english;
    QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE")).uiLanguages() << QString();
    QTest::newRow("C") << QLocale::c().uiLanguages() << QString();
    QTest::newRow("nothing") << QStringList() << QString();
    // The first language the game speaks wins, Russian included.
    QTest::newRow("de, then en") << QStringList{"de", "en"} << english;
    QTest::newRow("ru, then en") << QStringList{"ru", "en"} << QString();
    QTest::newRow("en, then ru") << QStringList{"en-US", "ru-RU"} << english;
}

void TestTranslation::languageFollowsTheListOfLanguages() {
    QFETCH(QStringList, languages);
    QFETCH(QString, expected);
    QCOMPARE(translationLanguage(languages), expected);
}

void TestTranslation::russianAndUntranslatedLanguagesInstallNothing_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("ru_RU") << QLocale(QLocale::Russian, QLocale::Russia);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("POSIX") << QLocale(QStringLiteral("POSIX"));
}

void TestTranslation::russianAndUntranslatedLanguagesInstallNothing() {
    QFETCH(QLocale, locale);
    // English first, so that the language asked for next has something to take away.
    QCOMPARE(
        installTranslation(QLocale(QLocale::English, QLocale::UnitedStates), kTestQtTranslations),
        QStringLiteral("en"));
    QCOMPARE(installedTranslators(), 2);

    QCOMPARE(installTranslation(locale, kTestQtTranslations), QString());
    QCOMPARE(installedTranslators(), 0);
    NameDialog dialog;
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Ваше имя?"));
    // Qt's own texts are left as Qt writes them, as they always were on a Russian desktop.
    QCOMPARE(messageButtonText(), QStringLiteral("OK"));
}

// Run by ctest under several desktops' languages, each with the language it should get.
void TestTranslation::desktopLanguageIsFollowed() {
    if (!qEnvironmentVariableIsSet("VELORIA_EXPECTED_LANGUAGE")) {
        QSKIP("run by ctest with a desktop's language set");
    }
    QCOMPARE(installTranslation(QLocale::system()),
             qEnvironmentVariable("VELORIA_EXPECTED_LANGUAGE"));
}

void TestTranslation::englishTextsComeFromTheTranslation() {
    QCOMPARE(installTranslation(QLocale(QLocale::English, QLocale::UnitedKingdom)),
             QStringLiteral("en"));

    NameDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" King of Veloria"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Your name?"));

    // The king's name is never translated; the figure keeps the game's number text.
    ScriptedReign reign;
    MainWindow* window = reign.begin(QStringLiteral("Всеволод"));
    QCOMPARE(window->windowTitle(), QStringLiteral("King of Veloria - Всеволод"));
    QCOMPARE(window->findChild<QGroupBox*>(QStringLiteral("zol"))->title(),
             QStringLiteral("Gold:  26"));

    // The files' messages, a count among them.
    QCOMPARE(savedGameProblemText(*readSavedGame("", KingdomState()).problem),
             QStringLiteral("The file is empty."));
    QCOMPARE(reasonOf(chronicleCutShort(1, 2)),
             QStringLiteral("it breaks off: 1 of 2 records read"));
    QCOMPARE(reasonOf(chronicleCutShort(0, 1)),
             QStringLiteral("it breaks off: 0 of 1 record read"));
}

void TestTranslation::qtOwnTextsFollowTheLanguage() {
    QCOMPARE(
        installTranslation(QLocale(QLocale::English, QLocale::UnitedStates), kTestQtTranslations),
        QStringLiteral("en"));
    QCOMPARE(messageButtonText(), QStringLiteral("Okay"));
    // Qt's translation comes with the game's: a folder without one leaves Qt's texts alone.
    QCOMPARE(installTranslation(QLocale(QLocale::English, QLocale::UnitedStates),
                                QStringLiteral(":/no such folder")),
             QStringLiteral("en"));
    QCOMPARE(installedTranslators(), 1);
    QCOMPARE(messageButtonText(), QStringLiteral("OK"));
}

void TestTranslation::russianBuiltTextsAreAsBefore() {
    ScriptedReign reign;
    MainWindow* window = reign.begin(QStringLiteral("Всеволод"));
    QCOMPARE(window->windowTitle(), utf8Text(kMainCaptionPrefix) + QStringLiteral("Всеволод"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Король Велории - Всеволод"));
    // The frames' captions as the rules spell them, the stock after them in number text.
    QCOMPARE(window->findChild<QGroupBox*>(QStringLiteral("zol"))->title(),
             QStringLiteral("Золото:  26"));

    // A count given to the translation only to choose the plural keeps its figure as it was.
    QCOMPARE(reasonOf(chronicleCutShort(1, 2)),
             QStringLiteral("она обрывается: прочитано 1 записей из 2"));
    QByteArray badRating = chronicleCutShort(1, 1);
    badRating.replace(",7,\"", ",много,\"");
    QCOMPARE(reasonOf(badRating), QStringLiteral("запись 1: поле 11 — не число"));
}

QTEST_MAIN(TestTranslation)
#include "test_translation.moc"
