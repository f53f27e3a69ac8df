// Window tests of the save and load windows: their looks, their lists, and saving and loading
// through them.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/saved_game.h"
#include "support/fake_platform.h"
#include "ui/dialogs/load_dialog.h"
#include "ui/dialogs/save_dialog.h"

namespace {

using Message = FakePlatform::Message;

template <typename T> T* control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s", name);
    }
    return found;
}

QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row) {
        result << list->item(row)->text();
    }
    return result;
}

void clickItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.first()).center());
}

// The folder list's entry for `path`, found by the folder it stands for.
QListWidgetItem* folderItem(QListWidget* dir1, const QString& path) {
    for (int row = 0; row < dir1->count(); ++row) {
        if (dir1->item(row)->data(Qt::UserRole).toString() == path) {
            return dir1->item(row);
        }
    }
    return nullptr;
}

// The drive the lists show for `path`: its volume's mount point, or the top folder where the
// system cannot name the volume (in a chroot, where the build's folders lie on no mount point
// it can see).
QString driveOf(const QString& path) {
    const QString volume = QStorageInfo(path).rootPath();
    return volume.isEmpty() ? QDir::rootPath() : volume;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void touch(const QString& path, const QByteArray& bytes = "x") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

KingdomState sampleState() {
    KingdomState s;
    s.workers = 45;
    s.soldiers = 31;
    s.population = 76;
    s.grainNeeded = 152;
    s.year = 17;
    s.rating = 23.5;
    s.moodLevel = 3;
    s.discontentYears = 1;
    s.fedFlag = kYes;
    s.landFlag = kNo;
    s.sownFlag = kYes;
    s.harvestSownFlag = kYes;
    s.harvestRoll = 4.25;
    s.armyGrowthLevel = 0;
    s.report = "Господин президент! Прибыл Ваш помощник с докладом!\r\nУрожай собран.\r\n";
    s.kingName = "Ярослав";
    s.spareValue1 = 2;
    s.spareValue2 = 1;
    s.spareValue3 = 3;
    s.spareValue9 = -7;
    s.money = 12345.5;
    s.gold = 12;
    s.land = 80;
    s.grain = 300.7;
    s.oil = 5;
    s.goldPrice = 1200;
    s.landPrice = 310;
    s.grainPrice = 35;
    s.oilPrice = 640;
    s.goldMax = 10;
    s.landMax = 39;
    s.grainMax = 352;
    s.oilMax = 19;
    s.tradeSum = 700;
    s.mercenaryPrice = 100;
    s.mercenariesAffordable = 123;
    s.lastPeaceYear = 6;
    s.enemyArmy = 57;
    s.warCountdown = 2;
    return s;
}

HallOfFame sampleHall() {
    HallOfFame hall;
    for (int place = 0; place < 10; ++place) {
        hall.bestNames[place] = "Король " + std::to_string(place);
        hall.bestScores[place] = 100 - 10 * place;
    }
    return hall;
}

constexpr BarMaxima kBars{10, 20, 30, 40, 50, 60, 70, 80, 32767};

// What a load of the sample gives over `current`.
KingdomState loadedSample(const KingdomState& current) {
    KingdomState expected = sampleState();
    expected.typedAmount = current.typedAmount;
    expected.sliderMax1 = 10;
    expected.sliderMax2 = 20;
    expected.sliderMax3 = 30;
    expected.sliderMax4 = 40;
    expected.sliderMax5 = 50;
    expected.sliderMax6 = 60;
    expected.sliderMax7 = 70;
    expected.sliderMax8 = 80;
    expected.sliderMax9 = 32767;
    return expected;
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveDialogLooks();
    void loadDialogLooks();
    void tabOrderRunsDownTheControls();
    void loadDialogAccessKeys();
    void listsStartAtWorkingFolder();
    void folderChangeMovesFileListOnly();
    void driveChangeMovesBothLists();
    void clickedFileGivesNameWithoutFinalTxt_data();
    void clickedFileGivesNameWithoutFinalTxt();
    void nameOfListedFile();

    void saveWritesFolderNamePlusTxtAndCloses_data();
    void saveWritesFolderNamePlusTxtAndCloses();
    void saveWithEmptyNameStaysOpen();
    void failedSaveStaysOpenWithMessage();
    void loadRoundTrip();
    void loadWithEmptyNameClosesWithGameUnchanged();
    void brokenFileLeavesGameUnchanged_data();
    void brokenFileLeavesGameUnchanged();
    void pickedFileWithDotsIsTheFileLoaded();

    void everyWayOfClosingReleasesMainWindow_data();
    void everyWayOfClosingReleasesMainWindow();
    void cancelledLoadReadsNothing();
    void destroyedMainWindowClosesDialog();

private:
    SaveDialog* openSave();
    LoadDialog* openLoad();
    QString folder() const { return QDir(m_dir->path()).canonicalPath(); }
    // The dialog keeps the main window from input, without greying it out.
    bool holdsMainWindow(const QWidget* dialog) const;
    // No dialog keeps the main window from input any more.
    bool releasedMainWindow() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_startFolder;
    std::unique_ptr<QWidget> m_main;
    FakePlatform m_platform;
    KingdomState m_state;
    HallOfFame m_hall;
    // What the load dialogs reported: a whole game read, or nothing read.
    int m_loaded = 0;
    int m_loadFailed = 0;
};

void TestDialogs::init() {
    m_startFolder = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_main = std::make_unique<QWidget>();
    m_main->setWindowTitle(QStringLiteral("Король Велории - Тест"));
    m_platform = FakePlatform();
    m_state = KingdomState();
    m_hall = HallOfFame();
    m_loaded = 0;
    m_loadFailed = 0;
}

void TestDialogs::cleanup() {
    flushDeletes();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "Form3" || window->objectName() == "Form4") {
            delete window;
        }
    }
    m_main.reset();
    QDir::setCurrent(m_startFolder);
    m_dir.reset();
}

SaveDialog* TestDialogs::openSave() {
    auto* dialog = new SaveDialog(m_main.get(), m_platform);
    // The file is written the way the game controller does it: the dialog closes once it is.
    connect(dialog, &SaveDialog::saveRequested, this, [this, dialog](const QString& path) {
        if (const auto error = saveGame(path, sampleState(), sampleHall(), kBars)) {
            dialog->tellProblem(*error);
            return;
        }
        dialog->close();
    });
    dialog->show();
    return dialog;
}

LoadDialog* TestDialogs::openLoad() {
    auto* dialog = new LoadDialog(m_main.get(), m_platform);
    // The game is read and installed the way the game controller does it: whole, or not at all,
    // and only once the dialog is out of the way.
    connect(dialog, &LoadDialog::loadRequested, this, [this, dialog](const QString& path) {
        const GameLoad load = loadGame(path, m_state);
        if (!load.game) {
            dialog->tellProblem(load.error);
        }
        dialog->close();
        QVERIFY(releasedMainWindow());
        if (!load.game) {
            ++m_loadFailed;
            return;
        }
        ++m_loaded;
        m_state = load.game->state;
        m_hall = load.game->hall;
    });
    connect(dialog, &LoadDialog::loadFailed, this, [this, dialog] {
        QVERIFY(!dialog->isVisible());
        QVERIFY(releasedMainWindow());
        ++m_loadFailed;
    });
    dialog->show();
    return dialog;
}

bool TestDialogs::holdsMainWindow(const QWidget* dialog) const {
    return dialog->isVisible() && dialog->isWindow() && dialog->parentWidget() == m_main.get() &&
           dialog->windowModality() == Qt::WindowModal &&
           QApplication::activeModalWidget() == dialog && m_main->isEnabled();
}

bool TestDialogs::releasedMainWindow() const {
    return QApplication::activeModalWidget() == nullptr && m_main->isEnabled();
}

namespace {

void checkCommonLooks(QWidget* dialog, QSize client, int buttonTop) {
    QCOMPARE(dialog->size(), client);
    QCOMPARE(control<QComboBox>(dialog, "Drive1")->geometry(), QRect(8, 8, 209, 21));
    QCOMPARE(control<QListWidget>(dialog, "Dir1")->geometry(), QRect(8, 40, 209, 126));
    QCOMPARE(control<QListWidget>(dialog, "File1")->geometry(), QRect(240, 8, 161, 97));
    auto* name = control<QLineEdit>(dialog, "txtFileName");
    QCOMPARE(name->geometry(), QRect(240, 112, 161, 19));
    QVERIFY(name->text().isEmpty());
    auto* command1 = control<QPushButton>(dialog, "Command1");
    auto* command2 = control<QPushButton>(dialog, "Command2");
    QCOMPARE(command1->geometry(), QRect(240, buttonTop, 73, 21));
    QCOMPARE(command2->geometry(), QRect(328, buttonTop, 73, 21));
    for (QPushButton* button : {command1, command2}) {
        QCOMPARE(button->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pointSizeF(), 9.75);
    }
}

} // namespace

void TestDialogs::saveDialogLooks() {
    SaveDialog* dialog = openSave();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Сохранить игру"));
    checkCommonLooks(dialog, QSize(408, 179), 144);
    auto* command1 = control<QPushButton>(dialog, "Command1");
    auto* command2 = control<QPushButton>(dialog, "Command2");
    QCOMPARE(command1->text(), QStringLiteral("Сохранить"));
    QCOMPARE(command1->toolTip(), QStringLiteral("Сохранить игру"));
    QCOMPARE(command2->text(), QStringLiteral("Отмена"));
    QCOMPARE(command2->toolTip(), QStringLiteral("Отменить сохранение"));
    QVERIFY(holdsMainWindow(dialog));
}

void TestDialogs::loadDialogLooks() {
    LoadDialog* dialog = openLoad();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Загрузить отложеную игру"));
    checkCommonLooks(dialog, QSize(408, 178), 136);
    auto* command1 = control<QPushButton>(dialog, "Command1");
    auto* command2 = control<QPushButton>(dialog, "Command2");
    QCOMPARE(command1->text(), QStringLiteral("&Загрузить"));
    QCOMPARE(command1->toolTip(), QStringLiteral("Загрузить игру"));
    QCOMPARE(command2->text(), QStringLiteral("&Отмена"));
    QCOMPARE(command2->toolTip(), QStringLiteral("Отменить загрузку"));
    QVERIFY(holdsMainWindow(dialog));
}

void TestDialogs::tabOrderRunsDownTheControls() {
    LoadDialog* dialog = openLoad();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    const char* order[] = {"Drive1", "Dir1", "File1", "txtFileName", "Command1", "Command2"};
    control<QWidget>(dialog, order[0])->setFocus(Qt::TabFocusReason);
    for (const char* name : order) {
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(dialog, name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestDialogs::loadDialogAccessKeys() {
    QPointer<LoadDialog> dialog = openLoad();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    // Alt+З presses "&Загрузить": with no name typed that is the message and the end.
    QTest::sendKeyEvent(QTest::Click, dialog, Qt::Key(QChar(u'З').unicode()), QStringLiteral("з"),
                        Qt::AltModifier);
    QTRY_COMPARE(m_platform.messages.size(), std::size_t{1});
    QCOMPARE(m_platform.messages.front().title, QStringLiteral("Загрузить"));
    QTRY_COMPARE(m_loadFailed, 1);
    QVERIFY(releasedMainWindow());

    m_platform.messages.clear();
    QPointer<LoadDialog> again = openLoad();
    again->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(again));
    QTest::sendKeyEvent(QTest::Click, again, Qt::Key(QChar(u'О').unicode()), QStringLiteral("о"),
                        Qt::AltModifier);
    QTRY_VERIFY(again.isNull() || !again->isVisible());
    QVERIFY(releasedMainWindow());
    QVERIFY(m_platform.messages.empty());
    QCOMPARE(m_loadFailed, 1);
    QCOMPARE(m_loaded, 0);
}

void TestDialogs::listsStartAtWorkingFolder() {
    const QDir here(folder());
    for (const char* name : {"b.txt", "a.txt", "c.TXT", "notes.doc", "game.txt.bak"}) {
        touch(here.filePath(name));
    }
    QVERIFY(here.mkdir("saves"));
    QVERIFY(here.mkdir("folder.txt"));

    SaveDialog* dialog = openSave();
    QCOMPARE(dialog->folder(), folder());
    QCOMPARE(texts(control<QListWidget>(dialog, "File1")), QStringList({"a.txt", "b.txt"}));
    QCOMPARE(control<QComboBox>(dialog, "Drive1")->currentText(), driveOf(folder()));

    auto* dir1 = control<QListWidget>(dialog, "Dir1");
    QListWidgetItem* current = folderItem(dir1, folder());
    QVERIFY(current);
    QCOMPARE(dir1->currentItem(), current);
    QVERIFY(folderItem(dir1, here.filePath("saves")));
    QVERIFY(folderItem(dir1, here.filePath("folder.txt")));
    QVERIFY(folderItem(dir1, QStringLiteral("/")));
}

void TestDialogs::folderChangeMovesFileListOnly() {
    const QDir here(folder());
    QVERIFY(here.mkdir("saves"));
    touch(here.filePath("top.txt"));
    touch(here.filePath("saves/inner.txt"));

    LoadDialog* dialog = openLoad();
    auto* drive1 = control<QComboBox>(dialog, "Drive1");
    auto* dir1 = control<QListWidget>(dialog, "Dir1");
    auto* file1 = control<QListWidget>(dialog, "File1");
    const QString drive = drive1->currentText();

    dir1->setCurrentItem(folderItem(dir1, here.filePath("saves")));
    QTest::keyClick(dir1, Qt::Key_Return);
    QCOMPARE(dialog->folder(), here.filePath("saves"));
    QCOMPARE(texts(file1), QStringList({"inner.txt"}));
    QCOMPARE(drive1->currentText(), drive);

    // Back up through the way down the folder list shows.
    dir1->setCurrentItem(folderItem(dir1, folder()));
    QTest::keyClick(dir1, Qt::Key_Return);
    QCOMPARE(dialog->folder(), folder());
    QCOMPARE(texts(file1), QStringList({"top.txt"}));
}

void TestDialogs::driveChangeMovesBothLists() {
    // Another volume cannot be mounted here: a folder put into the drive list stands in for one.
    const QDir here(folder());
    QVERIFY(here.mkpath("volume/games"));
    touch(here.filePath("volume/root.txt"));
    touch(here.filePath("working.txt"));

    SaveDialog* dialog = openSave();
    auto* drive1 = control<QComboBox>(dialog, "Drive1");
    drive1->addItem(here.filePath("volume"));
    drive1->setCurrentIndex(drive1->count() - 1);
    QCOMPARE(dialog->folder(), here.filePath("volume"));
    QVERIFY(folderItem(control<QListWidget>(dialog, "Dir1"), here.filePath("volume/games")));
    QCOMPARE(texts(control<QListWidget>(dialog, "File1")), QStringList({"root.txt"}));

    // The working folder's own volume returns to the working folder.
    const int working = drive1->findText(driveOf(folder()));
    QVERIFY(working >= 0);
    drive1->setCurrentIndex(working);
    QCOMPARE(dialog->folder(), folder());
    QCOMPARE(texts(control<QListWidget>(dialog, "File1")), QStringList({"working.txt"}));
}

void TestDialogs::clickedFileGivesNameWithoutFinalTxt_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "game1.txt"
                           << "game1";
    QTest::newRow("second dot") << "a.b.txt"
                                << "a.b";
    QTest::newRow("only the ending") << ".txt"
                                     << "";
    QTest::newRow("ending twice") << "x.txt.txt"
                                  << "x.txt";
    QTest::newRow("blanks") << "my game.txt"
                            << "my game";
}

void TestDialogs::clickedFileGivesNameWithoutFinalTxt() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    touch(QDir(folder()).filePath(file));
    touch(QDir(folder()).filePath("other.txt"));

    SaveDialog* dialog = openSave();
    auto* box = control<QLineEdit>(dialog, "txtFileName");
    box->setText(QStringLiteral("typed"));
    clickItem(control<QListWidget>(dialog, "File1"), file);
    QCOMPARE(box->text(), name);
    QCOMPARE(dialog->chosenPath(), QDir(folder()).filePath(file));
}

void TestDialogs::nameOfListedFile() {
    QCOMPARE(FileDialog::nameOfListedFile("a.b.txt"), QStringLiteral("a.b"));
    QCOMPARE(FileDialog::nameOfListedFile(".txt"), QString());
    QCOMPARE(FileDialog::nameOfListedFile("txt"), QStringLiteral("txt"));
    QCOMPARE(FileDialog::nameOfListedFile("game.TXT"), QStringLiteral("game.TXT"));
}

void TestDialogs::saveWritesFolderNamePlusTxtAndCloses_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "game"
                           << "game.txt";
    QTest::newRow("ending typed") << "game.txt"
                                  << "game.txt.txt";
    QTest::newRow("blanks only") << "  "
                                 << "  .txt";
}

void TestDialogs::saveWritesFolderNamePlusTxtAndCloses() {
    QFETCH(QString, typed);
    QFETCH(QString, file);
    const QString path = QDir(folder()).filePath(file);
    touch(path, "an older game that is replaced without a question");

    QPointer<SaveDialog> dialog = openSave();
    QTest::keyClicks(control<QLineEdit>(dialog, "txtFileName"), typed);
    QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);

    QVERIFY(m_platform.messages.empty());
    QVERIFY(releasedMainWindow());
    flushDeletes();
    QVERIFY(dialog.isNull());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(),
             QByteArray::fromStdString(writeSavedGame(sampleState(), sampleHall(), kBars)));
}

void TestDialogs::saveWithEmptyNameStaysOpen() {
    QPointer<SaveDialog> dialog = openSave();
    QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);

    QCOMPARE(m_platform.messages.size(), std::size_t{1});
    const Message& message = m_platform.messages.front();
    QCOMPARE(message.title, QStringLiteral("Сохранение"));
    QCOMPARE(message.text, QStringLiteral("Не указано имя файла"));
    QVERIFY(message.informationIcon);
    flushDeletes();
    QVERIFY(!dialog.isNull());
    QVERIFY(holdsMainWindow(dialog));
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList());
}

void TestDialogs::failedSaveStaysOpenWithMessage() {
    // A "folder" that is a plain file: nothing can be created inside it.
    touch(QDir(folder()).filePath("blocker"));

    QPointer<SaveDialog> dialog = openSave();
    auto* box = control<QLineEdit>(dialog, "txtFileName");
    box->setText(QStringLiteral("blocker/game"));
    QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);

    QCOMPARE(m_platform.messages.size(), std::size_t{1});
    const Message& message = m_platform.messages.front();
    QCOMPARE(message.title, QStringLiteral("Сохранение"));
    QVERIFY(!message.text.isEmpty());
    QVERIFY(message.informationIcon);
    QCOMPARE(message.parent, dialog.data());
    flushDeletes();
    QVERIFY(!dialog.isNull());
    QVERIFY(dialog->isVisible());
    QCOMPARE(box->text(), QStringLiteral("blocker/game"));
    QVERIFY(holdsMainWindow(dialog));
}

void TestDialogs::loadRoundTrip() {
    QPointer<SaveDialog> save = openSave();
    control<QLineEdit>(save, "txtFileName")->setText(QStringLiteral("reign"));
    QTest::mouseClick(control<QPushButton>(save, "Command1"), Qt::LeftButton);
    flushDeletes();
    QVERIFY(save.isNull());

    m_state.year = 3;
    m_state.typedAmount = 250;
    m_state.kingName = "Другой";
    const KingdomState expected = loadedSample(m_state);
    QPointer<LoadDialog> load = openLoad();
    clickItem(control<QListWidget>(load, "File1"), QStringLiteral("reign.txt"));
    QCOMPARE(control<QLineEdit>(load, "txtFileName")->text(), QStringLiteral("reign"));
    QTest::mouseClick(control<QPushButton>(load, "Command1"), Qt::LeftButton);

    QVERIFY(m_platform.messages.empty());
    QCOMPARE(m_state, expected);
    QCOMPARE(m_hall, sampleHall());
    QCOMPARE(m_loaded, 1);
    QCOMPARE(m_loadFailed, 0);
    QVERIFY(releasedMainWindow());
    flushDeletes();
    QVERIFY(load.isNull());
}

void TestDialogs::loadWithEmptyNameClosesWithGameUnchanged() {
    m_state = sampleState();
    m_hall = sampleHall();
    QPointer<LoadDialog> dialog = openLoad();
    QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);

    QCOMPARE(m_platform.messages.size(), std::size_t{1});
    const Message& message = m_platform.messages.front();
    QCOMPARE(message.title, QStringLiteral("Загрузить"));
    QCOMPARE(message.text, QStringLiteral("Не указано имя файла"));
    QVERIFY(message.informationIcon);
    QCOMPARE(m_state, sampleState());
    QCOMPARE(m_hall, sampleHall());
    QCOMPARE(m_loadFailed, 1);
    QCOMPARE(m_loaded, 0);
    QVERIFY(releasedMainWindow());
    flushDeletes();
    QVERIFY(dialog.isNull());
}

void TestDialogs::brokenFileLeavesGameUnchanged_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("present");
    const QByteArray whole =
        QByteArray::fromStdString(writeSavedGame(sampleState(), sampleHall(), kBars));
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("cut short") << whole.left(whole.size() / 2) << true;
    QTest::newRow("not a game") << QByteArray("hello\r\n") << true;
}

void TestDialogs::brokenFileLeavesGameUnchanged() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, present);
    if (present) {
        touch(QDir(folder()).filePath("broken.txt"), bytes);
    }
    KingdomState before = sampleState();
    before.year = 42;
    m_state = before;
    m_hall = sampleHall();

    QPointer<LoadDialog> dialog = openLoad();
    control<QLineEdit>(dialog, "txtFileName")->setText(QStringLiteral("broken"));
    QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);

    QCOMPARE(m_platform.messages.size(), std::size_t{1});
    const Message& message = m_platform.messages.front();
    QCOMPARE(message.title, QStringLiteral("Загрузить"));
    QVERIFY(!message.text.isEmpty());
    QVERIFY(message.informationIcon);
    QCOMPARE(m_state, before);
    QCOMPARE(m_hall, sampleHall());
    QCOMPARE(m_loadFailed, 1);
    QCOMPARE(m_loaded, 0);
    QVERIFY(releasedMainWindow());
    flushDeletes();
    QVERIFY(dialog.isNull());
}

void TestDialogs::pickedFileWithDotsIsTheFileLoaded() {
    touch(QDir(folder()).filePath("a.b.txt"),
          QByteArray::fromStdString(writeSavedGame(sampleState(), sampleHall(), kBars)));
    KingdomState other = sampleState();
    other.year = 99;
    touch(QDir(folder()).filePath("a.txt"),
          QByteArray::fromStdString(writeSavedGame(other, HallOfFame(), kBars)));

    const KingdomState expected = loadedSample(m_state);
    QPointer<LoadDialog> dialog = openLoad();
    clickItem(control<QListWidget>(dialog, "File1"), QStringLiteral("a.b.txt"));
    QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);

    QVERIFY(m_platform.messages.empty());
    QCOMPARE(m_state, expected);
    QCOMPARE(m_hall, sampleHall());
}

void TestDialogs::everyWayOfClosingReleasesMainWindow_data() {
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("way");
    for (const bool load : {false, true}) {
        for (const char* way : {"cancel", "close box", "escape", "destruction"}) {
            QTest::addRow("%s %s", load ? "load" : "save", way) << load << QString(way);
        }
    }
}

void TestDialogs::everyWayOfClosingReleasesMainWindow() {
    QFETCH(bool, load);
    QFETCH(QString, way);
    QPointer<FileDialog> dialog = load ? static_cast<FileDialog*>(openLoad()) : openSave();
    QVERIFY(holdsMainWindow(dialog));

    if (way == "cancel") {
        QTest::mouseClick(control<QPushButton>(dialog, "Command2"), Qt::LeftButton);
    } else if (way == "close box") {
        QVERIFY(dialog->close());
    } else if (way == "escape") {
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(control<QLineEdit>(dialog, "txtFileName"), Qt::Key_Escape);
    } else {
        delete dialog.data();
    }

    QVERIFY(releasedMainWindow());
    flushDeletes();
    QVERIFY(dialog.isNull());
    QVERIFY(m_platform.messages.empty());
    QCOMPARE(m_loaded + m_loadFailed, 0);
}

void TestDialogs::cancelledLoadReadsNothing() {
    touch(QDir(folder()).filePath("game.txt"),
          QByteArray::fromStdString(writeSavedGame(sampleState(), sampleHall(), kBars)));
    QPointer<LoadDialog> dialog = openLoad();
    control<QLineEdit>(dialog, "txtFileName")->setText(QStringLiteral("game"));
    QTest::mouseClick(control<QPushButton>(dialog, "Command2"), Qt::LeftButton);

    QCOMPARE(m_state, KingdomState());
    QCOMPARE(m_loaded + m_loadFailed, 0);
    QVERIFY(releasedMainWindow());
}

void TestDialogs::destroyedMainWindowClosesDialog() {
    QPointer<LoadDialog> dialog = openLoad();
    m_main.reset();
    flushDeletes();
    QVERIFY(dialog.isNull());
    QCOMPARE(m_loaded + m_loadFailed, 0);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
