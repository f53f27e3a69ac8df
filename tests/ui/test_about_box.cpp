// Tests of the about box and of the game's links.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "support/fake_platform.h"
#include "ui/art/art.h"
#include "ui/base/links.h"
#include "ui/dialogs/about_box.h"

namespace {

template <typename T> T* child(QWidget* box, const char* name) {
    return box->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initArtResources(); }
    void showsVersionCreditsAndLinks();
    void layoutFollowsTheDesign();
    void textsFitTheirLabels();
    void openingHoldsTheMainWindow();
    void everyWayOfClosingReleasesTheMainWindow_data();
    void everyWayOfClosingReleasesTheMainWindow();
    void boxLeavesTheMainWindowsEnabledStateAlone();
    void linksHandTheirAddressesToThePlatform();
    void linkClickOutsideOrWithOtherButtonDoesNothing();
    void moduleLinks();
    void boxClosesWithItsMainWindow();
};

void TestAboutBox::showsVersionCreditsAndLinks() {
    FakePlatform platform;
    AboutBox box(platform, nullptr);
    QCOMPARE(box.objectName(), QStringLiteral("Form2"));
    QCOMPARE(box.windowTitle(), QStringLiteral("О программе"));
    const QString version = QStringLiteral("                          Король Велории  v1.21");
    QCOMPARE(QString::fromUtf8(kVersionLine), version);
    QCOMPARE(version.indexOf(u'К'), 26);
    auto* label1 = child<QLabel>(&box, "Label1");
    QVERIFY(label1);
    QCOMPARE(label1->text(), version + QStringLiteral("\nКод и рисунки: мастера Велории"));

    auto* ok = child<QPushButton>(&box, "Command1");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("&Ok"));
    QCOMPARE(ok->toolTip(), QStringLiteral("Насмотрелся"));
    QCOMPARE(ok->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY(ok->font().bold());
    QCOMPARE(ok->font().pointSizeF(), 9.75);

    auto* web = child<QLabel>(&box, "Label2");
    QVERIFY(web);
    QCOMPARE(web->text(), QStringLiteral("https://veloria.example.org/"));
    QCOMPARE(web->toolTip(), QStringLiteral("Сайт игры"));
    QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    auto* mail = child<QLabel>(&box, "Label3");
    QVERIFY(mail);
    QCOMPARE(mail->text(), QStringLiteral("king@example.org"));
    QCOMPARE(mail->toolTip(), QStringLiteral("Написать письмо"));
    QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TestAboutBox::layoutFollowsTheDesign() {
    FakePlatform platform;
    AboutBox box(platform, nullptr);
    QCOMPARE(box.size(), QSize(307, 241));
    QCOMPARE(child<QGroupBox>(&box, "Frame1")->geometry(), QRect(0, 0, 305, 241));
    auto* image = child<QLabel>(&box, "Image1");
    QCOMPARE(image->geometry(), QRect(120, 16, 72, 104));
    QCOMPARE(child<QLabel>(&box, "Label1")->geometry(), QRect(16, 128, 225, 33));
    QCOMPARE(child<QPushButton>(&box, "Command1")->geometry(), QRect(128, 168, 57, 25));
    QCOMPARE(child<QLabel>(&box, "Label2")->geometry(), QRect(88, 200, 145, 17));
    QCOMPARE(child<QLabel>(&box, "Label3")->geometry(), QRect(80, 216, 161, 17));
    const QPixmap portrait = image->pixmap();
    QVERIFY(!portrait.isNull());
    QCOMPARE(portrait.deviceIndependentSize(), QSizeF(72, 104));
    // Drawn, not left blank: the middle of the portrait is opaque.
    QCOMPARE(portrait.toImage().pixelColor(portrait.width() / 2, portrait.height() / 2).alpha(),
             255);
}

void TestAboutBox::textsFitTheirLabels() {
    FakePlatform platform;
    AboutBox box(platform, nullptr);
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        auto* label = child<QLabel>(&box, name);
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->text().split(u'\n')) {
            QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
        }
        QVERIFY(metrics.lineSpacing() * label->text().count(u'\n') + metrics.height() <=
                label->height() + 2);
    }
}

void TestAboutBox::openingHoldsTheMainWindow() {
    FakePlatform platform;
    QWidget mainWindow;
    mainWindow.show();
    QPointer<AboutBox> box = AboutBox::open(platform, &mainWindow);
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(box->isEnabled());
    // Modal to the main window only: it takes no input but keeps its look, not greyed out.
    QVERIFY(box->isWindow());
    QCOMPARE(box->parentWidget(), &mainWindow);
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(QApplication::activeModalWidget(), box.data());
    QVERIFY(mainWindow.isEnabled());
    // Centred as a whole, frame included, give or take the frame's thickness.
    const QPoint offset = box->frameGeometry().center() - box->screen()->geometry().center();
    QVERIFY2(offset.manhattanLength() <= 8,
             qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    delete box;
}

void TestAboutBox::everyWayOfClosingReleasesTheMainWindow_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"ok", "close box", "escape", "destruction"}) {
        QTest::newRow(way) << QString::fromLatin1(way);
    }
}

void TestAboutBox::everyWayOfClosingReleasesTheMainWindow() {
    QFETCH(QString, way);
    FakePlatform platform;
    QWidget mainWindow;
    mainWindow.show();
    QPointer<AboutBox> box = AboutBox::open(platform, &mainWindow);
    QCOMPARE(QApplication::activeModalWidget(), box.data());
    QSignalSpy closed(box.data(), &HoldingWindow::closed);

    if (way == "ok") {
        QTest::mouseClick(child<QPushButton>(box, "Command1"), Qt::LeftButton);
    } else if (way == "close box") {
        QVERIFY(box->close());
    } else if (way == "escape") {
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTest::keyClick(box, Qt::Key_Escape);
    } else {
        delete box.data();
    }

    QVERIFY(mainWindow.isEnabled());
    QVERIFY(!box || !box->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // Going away unclosed, it has nothing to report.
    QCOMPARE(closed.count(), way == "destruction" ? 0 : 1);
    QTRY_VERIFY(!box);
}

void TestAboutBox::boxLeavesTheMainWindowsEnabledStateAlone() {
    // The box holds the main window by being modal, never by disabling it: a main window
    // disabled for another reason stays so after the box has come and gone.
    FakePlatform platform;
    QWidget mainWindow;
    mainWindow.setEnabled(false);
    { AboutBox box(platform, &mainWindow); }
    QVERIFY(!mainWindow.isEnabled());
    QPointer<AboutBox> box = AboutBox::open(platform, &mainWindow);
    QVERIFY(!mainWindow.isEnabled());
    QVERIFY(box->close());
    QVERIFY(!mainWindow.isEnabled());
}

void TestAboutBox::linksHandTheirAddressesToThePlatform() {
    FakePlatform platform;
    QWidget mainWindow;
    QPointer<AboutBox> box = AboutBox::open(platform, &mainWindow);
    auto* web = child<QLabel>(box, "Label2");
    auto* mail = child<QLabel>(box, "Label3");
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(platform.urls, std::vector<QUrl>({QUrl(QStringLiteral("https://veloria.example.org/")),
                                               QUrl(QStringLiteral("https://veloria.example.org/")),
                                               QUrl(QStringLiteral("mailto:king@example.org"))}));
    QVERIFY(box && box->isVisible());
    QVERIFY(mainWindow.isEnabled());
    QCOMPARE(platform.beeps, 0);
    QVERIFY(platform.messages.empty());
    QVERIFY(platform.helpRequests.empty());
    delete box;
}

void TestAboutBox::linkClickOutsideOrWithOtherButtonDoesNothing() {
    FakePlatform platform;
    AboutBox box(platform, nullptr);
    box.show();
    auto* web = child<QLabel>(&box, "Label2");
    QTest::mouseClick(web, Qt::RightButton);
    QTest::mousePress(web, Qt::LeftButton);
    QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(web->width() + 20, 5));
    QVERIFY(platform.urls.empty());
}

void TestAboutBox::moduleLinks() {
    FakePlatform platform;
    openWebPage(platform);
    openMailFirst(platform);
    openMailSecond(platform);
    QCOMPARE(platform.urls, std::vector<QUrl>({QUrl(QStringLiteral("https://veloria.example.org/")),
                                               QUrl(QStringLiteral("mailto:king@example.org")),
                                               QUrl(QStringLiteral("mailto:court@example.net"))}));
    QCOMPARE(QString::fromLatin1(kSecondMailAddress), QStringLiteral("court@example.net"));
}

void TestAboutBox::boxClosesWithItsMainWindow() {
    FakePlatform platform;
    auto* mainWindow = new QWidget;
    mainWindow->show();
    QPointer<AboutBox> box = AboutBox::open(platform, mainWindow);
    delete mainWindow;
    QTRY_VERIFY(!box);
}

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
