// Tests of the help operations and of the rules viewer.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include "support/fake_platform.h"
#include "ui/help/help.h"
#include "ui/help/help_viewer.h"
#include "ui/shell/qt_platform.h"

namespace {

using HelpCall = FakePlatform::HelpCall;

// A translation that knows only its own language, as every translation of the game names it.
class LanguageTranslator : public QTranslator {
public:
    explicit LanguageTranslator(QString language) : m_language(std::move(language)) {}
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArrayView(context) == "HelpSystem" && QByteArrayView(source) == "ru"
                   ? m_language
                   : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QString m_language;
};

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void helpFileNumbersNameTheRulesFile();
    void showOperationsPassCommandAndData_data();
    void showOperationsPassCommandAndData();
    void unknownFileNumberPassesEmptyPath();
    void rulesCommandAsksForTopic1000();

    void theLanguageChoosesTheRulesFile();
    void anEnglishTranslationShowsTheEnglishRules();

    void viewerOpensAtTheRules();
    void viewerScrollsToALaterTopic();
    void viewerServesContentsAndKeywords_data();
    void viewerServesContentsAndKeywords();
    void viewerReportsProblemsItself_data();
    void viewerReportsProblemsItself();
    void viewerRecoversAfterAProblem();
    void viewerRefusesAHugeFile();
    void viewerLeavesTheOwnerEnabled();
    void escapeClosesTheViewer();
    void contentsListJumpsToTopic();
    void realPlatformKeepsOneViewer();
};

void TestHelp::helpFileNumbersNameTheRulesFile() {
    FakePlatform platform;
    const HelpSystem help(platform, nullptr);
    const QString path = helpFilePath();
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("throne.hlp"));
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QCOMPARE(help.SetHelpStrings(1), path);
    QCOMPARE(help.SetHelpStrings(2), path);
    QCOMPARE(help.SetHelpStrings(0), QString());
    QCOMPARE(help.SetHelpStrings(3), QString());
    QCOMPARE(help.SetHelpStrings(-1), QString());
    QVERIFY(platform.helpRequests.empty());
}

void TestHelp::showOperationsPassCommandAndData_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<uint>("command");
    QTest::addColumn<QVariant>("data");
    QTest::newRow("contents") << "ShowHelpContents" << 15u << QVariant(0);
    QTest::newRow("index") << "ShowHelpIndex" << 261u << QVariant(QString());
    QTest::newRow("topic") << "ShowHelpTopic" << 257u << QVariant(QStringLiteral("Войны"));
    QTest::newRow("context") << "ShowHelpContextID" << 1u << QVariant(qint32(1100));
    QTest::newRow("keyword") << "ShowHelpKeyword" << 261u << QVariant(QStringLiteral("урожай"));
    QTest::newRow("partial") << "ShowHelpPartialKey" << 261u << QVariant(QStringLiteral("нае"));
}

void TestHelp::showOperationsPassCommandAndData() {
    QFETCH(QString, operation);
    QFETCH(uint, command);
    QFETCH(QVariant, data);
    FakePlatform platform;
    QWidget owner;
    HelpSystem help(platform, &owner);
    if (operation == "ShowHelpContents") {
        help.ShowHelpContents(1);
    } else if (operation == "ShowHelpIndex") {
        help.ShowHelpIndex(2);
    } else if (operation == "ShowHelpTopic") {
        help.ShowHelpTopic(1, data.toString());
    } else if (operation == "ShowHelpContextID") {
        help.ShowHelpContextID(1, data.toInt());
    } else if (operation == "ShowHelpKeyword") {
        help.ShowHelpKeyword(2, data.toString());
    } else {
        help.ShowHelpPartialKey(1, data.toString());
    }
    QCOMPARE(platform.helpRequests.size(), std::size_t{1});
    const HelpCall& call = platform.helpRequests.front();
    QCOMPARE(call.owner, &owner);
    QCOMPARE(call.path, helpFilePath());
    QCOMPARE(call.command, command);
    QCOMPARE(call.data, data);
    QVERIFY(owner.isEnabled());
}

void TestHelp::unknownFileNumberPassesEmptyPath() {
    FakePlatform platform;
    HelpSystem help(platform, nullptr);
    help.ShowHelpContents(0);
    help.ShowHelpContextID(3, 1000);
    help.ShowHelpPartialKey(7, QStringLiteral("урожай"));
    QCOMPARE(platform.helpRequests.size(), std::size_t{3});
    for (const HelpCall& call : platform.helpRequests) {
        QCOMPARE(call.path, QString());
    }
    QCOMPARE(platform.helpRequests[1].command, 1u);
    QCOMPARE(platform.helpRequests[1].data, QVariant(qint32(1000)));
}

void TestHelp::rulesCommandAsksForTopic1000() {
    FakePlatform platform;
    QWidget owner;
    HelpSystem help(platform, &owner);
    help.showRules();
    help.showRules();
    QCOMPARE(platform.helpRequests.size(), std::size_t{2});
    for (const HelpCall& call : platform.helpRequests) {
        QCOMPARE(call.owner, &owner);
        QCOMPARE(call.path, helpFilePath());
        QCOMPARE(call.command, 1u);
        QCOMPARE(call.data, QVariant(qint32(1000)));
    }
    QCOMPARE(platform.beeps, 0);
    QVERIFY(platform.messages.empty());
}

void TestHelp::theLanguageChoosesTheRulesFile() {
    const QString russian = helpFilePath(QStringLiteral("ru"));
    const QString english = helpFilePath(QStringLiteral("en"));
    QCOMPARE(QFileInfo(russian).fileName(), QStringLiteral("throne.hlp"));
    QCOMPARE(QFileInfo(english).fileName(), QStringLiteral("throne_en.hlp"));
    QCOMPARE(QFileInfo(english).absolutePath(), QFileInfo(russian).absolutePath());
    QCOMPARE(helpFilePath(QStringLiteral("en_GB")), english);
    QCOMPARE(helpFilePath(QStringLiteral("en-US")), english);
    // A language without rules of its own, or no language at all, reads the Russian ones.
    for (const char* language : {"de", "", "e", "english", "../en", "en/../en", "C", "en_"}) {
        QCOMPARE(helpFilePath(QString::fromLatin1(language)), russian);
    }
}

void TestHelp::anEnglishTranslationShowsTheEnglishRules() {
    QCOMPARE(helpLanguage(), QStringLiteral("ru"));
    QCOMPARE(helpFilePath(), helpFilePath(QStringLiteral("ru")));

    LanguageTranslator english(QStringLiteral("en"));
    QVERIFY(QCoreApplication::installTranslator(&english));
    QCOMPARE(helpLanguage(), QStringLiteral("en"));
    QCOMPARE(helpFilePath(), helpFilePath(QStringLiteral("en")));
    FakePlatform platform;
    HelpSystem help(platform, nullptr);
    help.showRules();
    QCOMPARE(platform.helpRequests.size(), std::size_t{1});
    QCOMPARE(platform.helpRequests[0].path, helpFilePath(QStringLiteral("en")));
    QCOMPARE(platform.helpRequests[0].data, QVariant(qint32(1000)));

    HelpViewer viewer;
    viewer.showHelp(nullptr, platform.helpRequests[0].path, 1, QVariant(qint32(1000)));
    QCOMPARE(viewer.currentTopic(), 1000);
    QCOMPARE(viewer.problem(), QString());
    QCOMPARE(viewer.windowTitle(), QStringLiteral("King of Veloria — rules of the game"));
    QVERIFY(viewer.findChild<QTextBrowser*>()->toPlainText().startsWith(
        QStringLiteral("Rules of the game")));

    QVERIFY(QCoreApplication::removeTranslator(&english));
    QCOMPARE(helpFilePath(), helpFilePath(QStringLiteral("ru")));
}

void TestHelp::viewerOpensAtTheRules() {
    HelpViewer viewer;
    viewer.showHelp(nullptr, helpFilePath(), 1, QVariant(qint32(1000)));
    QVERIFY(viewer.isVisible());
    QVERIFY(!viewer.isModal());
    QCOMPARE(viewer.currentTopic(), 1000);
    QCOMPARE(viewer.problem(), QString());
    auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("browser"));
    QVERIFY(browser);
    const QString text = browser->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Правила игры")));
    QVERIFY(text.contains(QStringLiteral("2 тонны")));
    // The page's own margin above the first heading is all that may be scrolled past.
    QVERIFY(browser->verticalScrollBar()->value() < 20);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Король Велории — правила игры"));
    auto* contents = viewer.findChild<QListWidget*>(QStringLiteral("contents"));
    QVERIFY(contents);
    QCOMPARE(std::size_t(contents->count()), viewer.topics().size());
    QCOMPARE(contents->currentRow(), 0);
}

void TestHelp::viewerScrollsToALaterTopic() {
    HelpViewer viewer;
    viewer.showHelp(nullptr, helpFilePath(), 1, QVariant(qint32(1140)));
    QCOMPARE(viewer.currentTopic(), 1140);
    QCOMPARE(viewer.problem(), QString());
    auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("browser"));
    QVERIFY(browser->verticalScrollBar()->value() > 200);
    // Asked again for the rules, the same window goes back to the top.
    viewer.showHelp(nullptr, helpFilePath(), 1, QVariant(qint32(1000)));
    QCOMPARE(viewer.currentTopic(), 1000);
    QVERIFY(browser->verticalScrollBar()->value() < 20);
}

void TestHelp::viewerServesContentsAndKeywords_data() {
    QTest::addColumn<uint>("command");
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<int>("topic");
    QTest::newRow("contents") << 15u << QVariant(0) << 1000;
    QTest::newRow("index") << 261u << QVariant(QString()) << 1000;
    QTest::newRow("title") << 257u << QVariant(QStringLiteral("Войны")) << 1100;
    QTest::newRow("keyword, other case") << 257u << QVariant(QStringLiteral("КРЫСЫ")) << 1080;
    QTest::newRow("e for yo") << 257u << QVariant(QStringLiteral("наемники")) << 1040;
    QTest::newRow("partial") << 261u << QVariant(QStringLiteral("сохран")) << 1140;
    QTest::newRow("partial, whole word first") << 261u << QVariant(QStringLiteral("армия")) << 1090;
    QTest::newRow("blanks around") << 261u << QVariant(QStringLiteral("  рейтинг ")) << 1110;
    QTest::newRow("context as text") << 1u << QVariant(QStringLiteral("1060")) << 1060;
}

void TestHelp::viewerServesContentsAndKeywords() {
    QFETCH(uint, command);
    QFETCH(QVariant, data);
    QFETCH(int, topic);
    HelpViewer viewer;
    viewer.showHelp(nullptr, helpFilePath(), command, data);
    QCOMPARE(viewer.problem(), QString());
    QCOMPARE(viewer.currentTopic(), topic);
}

void TestHelp::viewerReportsProblemsItself_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<uint>("command");
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("topic");
    const QString rules = QStringLiteral("RULES");
    QTest::newRow("empty path")
        << QString() << 1u << QVariant(qint32(1000))
        << QStringLiteral("Файл справки не указан: справка для этого раздела не предусмотрена.")
        << -1;
    QTest::newRow("missing file")
        << QStringLiteral("/nonexistent/throne.hlp") << 1u << QVariant(qint32(1000))
        << QStringLiteral("Не удалось открыть файл справки «/nonexistent/throne.hlp». Возможно, "
                          "игра установлена не полностью.")
        << -1;
    QTest::newRow("folder") << QStringLiteral("/") << 15u << QVariant(0)
                            << QStringLiteral("Не удалось открыть файл справки «/». Возможно, "
                                              "игра установлена не полностью.")
                            << -1;
    QTest::newRow("missing topic")
        << rules << 1u << QVariant(qint32(4242))
        << QStringLiteral("В файле справки нет раздела номер 4242.") << 1000;
    QTest::newRow("context not a number")
        << rules << 1u << QVariant(QStringLiteral("война"))
        << QStringLiteral("В файле справки нет раздела номер война.") << 1000;
    QTest::newRow("missing keyword")
        << rules << 257u << QVariant(QStringLiteral("драконы"))
        << QStringLiteral("В файле справки нет раздела «драконы». Выберите раздел в содержании.")
        << 1000;
    QTest::newRow("keyword is only a start")
        << rules << 257u << QVariant(QStringLiteral("вой"))
        << QStringLiteral("В файле справки нет раздела «вой». Выберите раздел в содержании.")
        << 1000;
    QTest::newRow("unknown command")
        << rules << 9u << QVariant(0) << QStringLiteral("Справка не знает такой просьбы (код 9).")
        << 1000;
}

void TestHelp::viewerReportsProblemsItself() {
    QFETCH(QString, path);
    QFETCH(uint, command);
    QFETCH(QVariant, data);
    QFETCH(QString, message);
    QFETCH(int, topic);
    if (path == "RULES") {
        path = helpFilePath();
    }
    HelpViewer viewer;
    viewer.showHelp(nullptr, path, command, data);
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.problem(), message);
    QCOMPARE(viewer.currentTopic(), topic);
    auto* label = viewer.findChild<QLabel*>(QStringLiteral("problem"));
    QVERIFY(label && label->isVisible());
    QCOMPARE(label->text(), message);
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
}

void TestHelp::viewerRecoversAfterAProblem() {
    HelpViewer viewer;
    viewer.showHelp(nullptr, QStringLiteral("/nonexistent/throne.hlp"), 1, QVariant(1000));
    QVERIFY(!viewer.problem().isEmpty());
    QVERIFY(viewer.topics().empty());
    viewer.showHelp(nullptr, helpFilePath(), 1, QVariant(1000));
    QCOMPARE(viewer.problem(), QString());
    QCOMPARE(viewer.currentTopic(), 1000);
    viewer.showHelp(nullptr, QString(), 1, QVariant(1000));
    QCOMPARE(viewer.currentTopic(), -1);
    auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("browser"));
    QVERIFY(browser->toPlainText().isEmpty());
}

void TestHelp::viewerRefusesAHugeFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("throne.hlp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(HelpViewer::kMaxFileSize + 1));
    file.close();
    HelpViewer viewer;
    viewer.showHelp(nullptr, path, 1, QVariant(1000));
    QCOMPARE(viewer.problem(),
             QStringLiteral("Файл справки «%1» слишком велик, чтобы быть справкой этой игры.")
                 .arg(path));
    QCOMPARE(viewer.currentTopic(), -1);
}

void TestHelp::viewerLeavesTheOwnerEnabled() {
    QWidget owner;
    owner.resize(640, 400);
    owner.show();
    HelpViewer viewer;
    viewer.showHelp(&owner, helpFilePath(), 1, QVariant(1000));
    QVERIFY(owner.isEnabled());
    QVERIFY(viewer.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(viewer.parentWidget(), nullptr);
}

void TestHelp::escapeClosesTheViewer() {
    HelpViewer viewer;
    viewer.showHelp(nullptr, helpFilePath(), 1, QVariant(1000));
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_Escape);
    QVERIFY(!viewer.isVisible());
    // Closed, not destroyed: the next request shows the same window again.
    viewer.showHelp(nullptr, helpFilePath(), 1, QVariant(1100));
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.currentTopic(), 1100);
}

void TestHelp::contentsListJumpsToTopic() {
    HelpViewer viewer;
    viewer.showHelp(nullptr, helpFilePath(), 1, QVariant(4242));
    QVERIFY(!viewer.problem().isEmpty());
    auto* contents = viewer.findChild<QListWidget*>(QStringLiteral("contents"));
    QListWidgetItem* wars = nullptr;
    for (int i = 0; i < contents->count(); ++i) {
        if (contents->item(i)->text().trimmed() == QStringLiteral("Войны")) {
            wars = contents->item(i);
        }
    }
    QVERIFY(wars);
    const QRect place = contents->visualItemRect(wars);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, place.center());
    QCOMPARE(viewer.currentTopic(), 1100);
    QCOMPARE(viewer.problem(), QString());
}

void TestHelp::realPlatformKeepsOneViewer() {
    const auto viewers = [] {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            n += qobject_cast<HelpViewer*>(w) != nullptr ? 1 : 0;
        }
        return n;
    };
    {
        QtPlatform platform;
        auto* owner = new QWidget;
        owner->show();
        platform.winHelp(owner, helpFilePath(), 1, QVariant(1000));
        QVERIFY(QTest::qWaitForWindowExposed(owner));
        platform.winHelp(owner, helpFilePath(), 1, QVariant(1100));
        QCOMPARE(viewers(), 1);
        QVERIFY(owner->isEnabled());
        // The viewer outlives the window that asked for it, as the game starts new main windows.
        delete owner;
        QCOMPARE(viewers(), 1);
        platform.winHelp(nullptr, QString(), 1, QVariant(1000));
        QCOMPARE(viewers(), 1);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* viewer = qobject_cast<HelpViewer*>(w)) {
                QVERIFY(viewer->isVisible());
                QVERIFY(!viewer->problem().isEmpty());
                QVERIFY(!viewer->testAttribute(Qt::WA_QuitOnClose));
            }
        }
    }
    QCOMPARE(viewers(), 0);
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
