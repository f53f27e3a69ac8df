// The rules viewer.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_viewer.h"

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/a11y/accessibility.h"
#include "ui/base/twips.h"
#include "ui/help/help.h"

namespace {

// Players type "е" for "ё" and do not care about case.
QString normalised(const QString& text) {
    QString s = text.simplified().toCaseFolded();
    s.replace(QChar(0x0451), QChar(0x0435));
    return s;
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    installAccessibleRoles();
    setObjectName(QStringLiteral("HelpViewer"));
    //: The help viewer's caption while the rules file gives it none.
    setWindowTitle(tr("Справка"));
    // The viewer is a companion: it must not keep the program alive once the game is left.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setMargin(6);
    m_problem->setStyleSheet(
        QStringLiteral("background: #fff2cc; color: #800000; border: 1px solid #c08000;"));
    m_problem->setFont(gameFont(11.25));
    m_problem->hide();

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("contents"));
    m_contents->setToolTip(tr("Содержание"));
    m_contents->setAccessibleName(tr("Содержание"));
    // Pages of text read better in the regular face than in the game's bold one.
    m_contents->setFont(gameFont(11.25, false));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    // Links are followed by us: only jumps inside the file make sense here.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    m_browser->setFont(gameFont(12, false));
    //: The pane that shows the text of the rules, as a screen reader names it.
    m_browser->setAccessibleName(tr("Текст правил"));
    // A caret that the keys move, so that a screen reader reads the rules line by line.
    m_browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 450});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_problem);
    layout->addWidget(splitter, 1);

    connect(m_contents, &QListWidget::itemActivated, this, &HelpViewer::onContentsClicked);
    connect(m_contents, &QListWidget::itemClicked, this, &HelpViewer::onContentsClicked);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::onAnchorClicked);

    setupActions();
    resize(700, 540);
}

void HelpViewer::setupActions() {
    auto* close = new QAction(tr("Закрыть"), this);
    close->setObjectName(QStringLiteral("closeHelp"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

QString HelpViewer::problem() const {
    return m_problem->isVisible() ? m_problem->text() : QString();
}

void HelpViewer::report(const QString& text) {
    m_problem->setText(text);
    m_problem->setVisible(!text.isEmpty());
}

void HelpViewer::showHelp(QWidget* owner, const QString& path, unsigned command,
                          const QVariant& data) {
    if (!m_placed) {
        placeBeside(owner);
        m_placed = true;
    }
    // Shown before the text is set, so that the jump to an anchor sees the laid-out page.
    show();
    raise();
    activateWindow();
    report(QString());

    if (!load(path)) {
        return;
    }
    switch (command) {
    case helpcmd::kContext: {
        bool ok = false;
        const qint32 context = data.toInt(&ok);
        for (const RulesTopic& topic : std::as_const(m_topics)) {
            if (ok && topic.context == context) {
                showTopic(topic);
                return;
            }
        }
        showContents();
        //: %1: the topic's context number.
        report(tr("В файле справки нет раздела номер %1.").arg(data.toString()));
        return;
    }
    case helpcmd::kContents:
        showContents();
        return;
    case helpcmd::kKeyword:
        showKeyword(data.toString(), false);
        return;
    case helpcmd::kPartialKey:
        showKeyword(data.toString(), true);
        return;
    default:
        showContents();
        //: %1: the code of the help command the game asked for.
        report(tr("Справка не знает такой просьбы (код %1).").arg(command));
        return;
    }
}

bool HelpViewer::load(const QString& path) {
    m_topics.clear();
    m_contents->clear();
    m_browser->clear();
    m_current = -1;
    setWindowTitle(tr("Справка"));

    if (path.isEmpty()) {
        report(tr("Файл справки не указан: справка для этого раздела не предусмотрена."));
        return false;
    }
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        //: %1: the path of the help file.
        report(tr("Не удалось открыть файл справки «%1». Возможно, игра установлена не полностью.")
                   .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (file.size() > kMaxFileSize) {
        report(tr("Файл справки «%1» слишком велик, чтобы быть справкой этой игры.")
                   .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const QByteArray utf8 = file.read(kMaxFileSize);
    const QString html = QString::fromUtf8(utf8);
    if (file.error() != QFileDevice::NoError) {
        report(tr("Не удалось прочитать файл справки «%1».").arg(QDir::toNativeSeparators(path)));
        return false;
    }

    m_browser->setHtml(html);
    const std::string_view bytes(utf8.constData(), std::size_t(utf8.size()));
    const QString title = QString::fromStdString(rulesFileTitle(bytes));
    if (!title.isEmpty()) {
        setWindowTitle(title);
    }
    m_topics = parseRulesTopics(bytes);
    for (const RulesTopic& topic : std::as_const(m_topics)) {
        auto* item = new QListWidgetItem(QString(4 * (topic.level - 1), u' ') +
                                         QString::fromStdString(topic.title));
        item->setData(Qt::UserRole, topic.context);
        m_contents->addItem(item);
    }
    return true;
}

void HelpViewer::showTopic(const RulesTopic& topic) {
    m_current = topic.context;
    for (int i = 0; i < m_contents->count(); ++i) {
        if (m_contents->item(i)->data(Qt::UserRole).toInt() == topic.context) {
            m_contents->setCurrentRow(i);
            break;
        }
    }
    m_browser->scrollToAnchor(QString::number(topic.context));
}

void HelpViewer::showContents() {
    if (m_topics.empty()) {
        m_current = -1;
        m_browser->verticalScrollBar()->setValue(0);
        return;
    }
    showTopic(m_topics.front());
    m_browser->verticalScrollBar()->setValue(0);
    m_contents->setFocus();
}

void HelpViewer::showKeyword(const QString& text, bool partial) {
    const QString wanted = normalised(text);
    if (wanted.isEmpty()) {
        showContents();
        return;
    }
    // Whole words first, so that a partial key that is also a keyword finds its own topic.
    const auto matches = [&](const RulesTopic& topic, bool whole) {
        std::vector<std::string> names = topic.keywords;
        names.push_back(topic.title);
        for (const std::string& n : names) {
            const QString name = normalised(QString::fromStdString(n));
            if (whole ? name == wanted : name.startsWith(wanted)) {
                return true;
            }
        }
        return false;
    };
    for (bool whole : {true, false}) {
        if (!whole && !partial) {
            break;
        }
        for (const RulesTopic& topic : std::as_const(m_topics)) {
            if (matches(topic, whole)) {
                showTopic(topic);
                return;
            }
        }
    }
    showContents();
    //: %1: the keyword the game looked for.
    report(tr("В файле справки нет раздела «%1». Выберите раздел в содержании.")
               .arg(text.simplified()));
}

void HelpViewer::onContentsClicked(QListWidgetItem* item) {
    const qint32 context = item->data(Qt::UserRole).toInt();
    for (const RulesTopic& topic : std::as_const(m_topics)) {
        if (topic.context == context) {
            report(QString());
            showTopic(topic);
            return;
        }
    }
}

void HelpViewer::onAnchorClicked(const QUrl& url) {
    if (!url.isRelative() || !url.path().isEmpty() || !url.hasFragment()) {
        return;
    }
    bool ok = false;
    const qint32 context = url.fragment().toInt(&ok);
    if (ok) {
        for (const RulesTopic& topic : std::as_const(m_topics)) {
            if (topic.context == context) {
                report(QString());
                showTopic(topic);
                return;
            }
        }
    }
    m_browser->scrollToAnchor(url.fragment());
}

void HelpViewer::placeBeside(QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    const QWidget* window = owner->window();
    QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QRect main = window->frameGeometry();
    QPoint at(main.right() + 8, main.top());
    if (at.x() + width() > free.right()) {
        at.setX(std::max(free.left(), free.right() - width()));
    }
    if (at.y() + height() > free.bottom()) {
        at.setY(std::max(free.top(), free.bottom() - height()));
    }
    move(at);
}
