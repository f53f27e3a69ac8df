// The about box.
#include "ui/form2.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "ui/art/art.h"
#include "ui/module1.h"
#include "ui/twips.h"

namespace {

void makeLink(QLabel* label, const QString& tip) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setToolTip(tip);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextFormat(Qt::PlainText);
}

} // namespace

Form2* Form2::open(Platform& platform, QWidget* mainWindow) {
    auto* box = new Form2(platform, mainWindow);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    return box;
}

Form2::Form2(Platform& platform, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Dialog), m_platform(platform), m_mainWindow(mainWindow) {
    // Not a child of the main window: disabling that window would disable the box as well.
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(twips(4605), twips(3615));

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(twipRect(0, 0, 4575, 3615));

    m_image1 = new QLabel(m_frame1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(twipRect(1800, 240, 1080, 1560));
    m_image1->setPixmap(
        renderArt(QStringLiteral(":/art/king.svg"), m_image1->size(), devicePixelRatioF()));

    m_label1 = new QLabel(m_frame1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twipRect(240, 1920, 3375, 495));
    m_label1->setFont(gameFont(kTextPoints));
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label1->setText(QString::fromUtf8(kVersionLine) + u'\n' + QString::fromUtf8(kCreditsLine));

    m_command1 = new QPushButton(QStringLiteral("&Ok"), m_frame1);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twipRect(1920, 2520, 855, 375));
    m_command1->setFont(gameFont(9.75));
    m_command1->setToolTip(QStringLiteral("Насмотрелся"));
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &Form2::command1Click);

    m_label2 = new QLabel(QString::fromLatin1(kWebPageAddress), m_frame1);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(twipRect(1320, 3000, 2175, 255));
    m_label2->setFont(gameFont(kLinkPoints));
    makeLink(m_label2, QStringLiteral("Сайт игры"));
    m_label2->installEventFilter(this);

    m_label3 = new QLabel(QString::fromLatin1(kFirstMailAddress), m_frame1);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(twipRect(1200, 3240, 2415, 255));
    m_label3->setFont(gameFont(kLinkPoints));
    makeLink(m_label3, QStringLiteral("Написать письмо"));
    m_label3->installEventFilter(this);

    if (m_mainWindow != nullptr) {
        // The box has no business outliving the window it belongs to.
        connect(mainWindow, &QObject::destroyed, this, &QWidget::close);
    }

    setupActions();
    placeInScreenCentre();
}

Form2::~Form2() {
    enableMainWindow();
}

void Form2::setupActions() {
    auto* close = new QAction(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("closeAbout"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_mainWindow != nullptr) {
        m_mainWindow->setEnabled(false);
        m_holdsMainWindow = true;
    }
}

void Form2::closeEvent(QCloseEvent* event) {
    enableMainWindow();
    event->accept();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == m_label2 || watched == m_label3)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == m_label2) {
                openWebPage(m_platform);
            } else {
                openMailFirst(m_platform);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::placeInScreenCentre() {
    QScreen* screen = m_mainWindow != nullptr ? m_mainWindow->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect whole = screen->geometry();
    move(whole.left() + (whole.width() - width()) / 2,
         whole.top() + (whole.height() - height()) / 2);
}

void Form2::enableMainWindow() {
    if (m_holdsMainWindow && m_mainWindow != nullptr) {
        m_mainWindow->setEnabled(true);
    }
    m_holdsMainWindow = false;
}

void Form2::command1Click() {
    enableMainWindow();
    close();
}
