// The common body of the save and load windows.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/file_dialog.h"

#include <utility>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include "ui/a11y/accessibility.h"
#include "ui/base/platform.h"
#include "ui/base/twips.h"

namespace {

// Blanks in front of a folder's name show its depth in the folder list.
constexpr int kIndentPerLevel = 2;

QString withoutTrailingSeparator(const QString& path) {
    QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (clean.size() > 1 && clean.endsWith(QLatin1Char('/'))) {
        clean.chop(1);
    }
    return clean;
}

// The mount point that holds `path`, as the drive list names it.
QString volumeOf(const QString& path) {
    return QStorageInfo(path).rootPath();
}

} // namespace

FileDialog::FileDialog(QWidget* mainWindow, Platform& platform, int clientHeight, int buttonTop)
    : HoldingWindow(mainWindow, Qt::Window), m_platform(platform) {
    setFixedSize(twips(6120), twips(clientHeight));

    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setGeometry(twipRect(120, 120, 3135, 315));

    m_dir1 = new QListWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setGeometry(twipRect(120, 600, 3135, 1890));

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setGeometry(twipRect(3600, 120, 2415, 1455));

    m_txtFileName = new QLineEdit(this);
    m_txtFileName->setObjectName(QStringLiteral("txtFileName"));
    m_txtFileName->setGeometry(twipRect(3600, 1680, 2415, 285));

    const QFont buttonFont = gameFont(9.75);

    m_command1 = new QPushButton(this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twipRect(3600, buttonTop, 1095, 315));
    m_command1->setFont(buttonFont);

    m_command2 = new QPushButton(this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setGeometry(twipRect(4920, buttonTop, 1095, 315));
    m_command2->setFont(buttonFont);

    // The lists and the box have no caption of their own: a screen reader hears these.
    // Qt names a combo box by its current entry and takes its caption from a label for it: the
    // drive list's label is never shown.
    auto* driveCaption = new QLabel(this);
    driveCaption->setObjectName(QStringLiteral("driveCaption"));
    //: The list of the mounted volumes in the save and load dialogs.
    driveCaption->setText(tr("Диск"));
    driveCaption->setBuddy(m_drive1);
    driveCaption->hide();
    //: The list of folders in the save and load dialogs.
    m_dir1->setAccessibleName(tr("Папки"));
    //: The list of saved games (".txt" files) in the chosen folder.
    m_file1->setAccessibleName(tr("Файлы игр"));
    //: The box for the saved game's file name, without ".txt".
    m_txtFileName->setAccessibleName(tr("Имя файла"));
    tellFocusFirst(m_txtFileName);

    setTabOrder(m_drive1, m_dir1);
    setTabOrder(m_dir1, m_file1);
    setTabOrder(m_file1, m_txtFileName);
    setTabOrder(m_txtFileName, m_command1);
    setTabOrder(m_command1, m_command2);

    setupActions();

    // Should the working folder have vanished, the lists open at home instead.
    m_folder = withoutTrailingSeparator(QDir::homePath());
    fillDrives();
    setFolder(QDir::currentPath());
}

void FileDialog::setupActions() {
    connect(m_drive1, &QComboBox::currentIndexChanged, this, &FileDialog::driveChosen);
    connect(m_dir1, &QListWidget::itemActivated, this, &FileDialog::folderActivated);
    // A click picks a file, and so does moving through the list with the keys.
    connect(m_file1, &QListWidget::itemClicked, this, &FileDialog::fileChosen);
    connect(m_file1, &QListWidget::currentItemChanged, this, &FileDialog::fileChosen);
    connect(m_command1, &QPushButton::clicked, this, &FileDialog::acceptFile);
    connect(m_command2, &QPushButton::clicked, this, &QWidget::close);
}

void FileDialog::fillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Some systems mount single files too; only folders can be listed.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) {
            roots << volume.rootPath();
        }
    }
    roots.sort();
    roots.removeDuplicates();

    const QSignalBlocker quiet(m_drive1);
    m_drive1->clear();
    m_drive1->addItems(roots);
}

void FileDialog::driveChosen(int index) {
    if (index < 0) {
        return;
    }
    // Only the working folder's volume has a folder of its own to return to; any other volume
    // opens at its top.
    const QString working = withoutTrailingSeparator(QDir::currentPath());
    setFolder(driveHolding(working) == index ? working : m_drive1->itemText(index));
}

int FileDialog::driveHolding(const QString& folder) const {
    // The innermost one: "/" holds every folder, but a volume mounted below it holds its own.
    int found = -1;
    for (int index = 0; index < m_drive1->count(); ++index) {
        const QString root = m_drive1->itemText(index);
        const bool holds =
            folder == root ||
            folder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && (found < 0 || root.size() > m_drive1->itemText(found).size())) {
            found = index;
        }
    }
    return found;
}

void FileDialog::setFolder(const QString& path) {
    if (QFileInfo(path).isDir()) {
        m_folder = withoutTrailingSeparator(path);
    }
    // A folder list that walks into another mounted volume, or out of the chosen one, takes the
    // drive list along.
    int driveIndex = driveHolding(m_folder);
    const QSignalBlocker quiet(m_drive1);
    if (driveIndex < 0) {
        const QString volume = volumeOf(m_folder);
        m_drive1->addItem(volume.isEmpty() ? QDir::rootPath() : volume);
        driveIndex = m_drive1->count() - 1;
    }
    m_drive1->setCurrentIndex(driveIndex);
    listFolder();
    listFiles();
}

void FileDialog::listFolder() {
    m_dir1->clear();

    // The way down from the top folder to the current one, then the current folder's own
    // subfolders one level deeper.
    QStringList chain;
    for (QDir dir(m_folder);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) {
            break;
        }
    }

    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto addFolder = [this](const QString& path, const QString& name, int depth,
                            const QIcon& icon) {
        auto* item = new QListWidgetItem(
            icon, QString(depth * kIndentPerLevel, QLatin1Char(' ')) + name, m_dir1);
        item->setData(Qt::UserRole, path);
        return item;
    };

    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& path : std::as_const(chain)) {
        const QString name = QDir(path).isRoot() ? path : QFileInfo(path).fileName();
        current = addFolder(path, name, depth++, open);
    }
    const QDir here(m_folder);
    const QStringList subfolders =
        here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        addFolder(here.filePath(name), name, depth, closed);
    }
    m_dir1->setCurrentItem(current);
}

void FileDialog::listFiles() {
    const QSignalBlocker quiet(m_file1);
    m_file1->clear();
    // Only names that end in exactly ".txt": the main button adds that ending to the name, so
    // a listed "GAME.TXT" could never be the file it opens.
    const QDir here(m_folder);
    const QStringList files =
        here.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden | QDir::CaseSensitive,
                       QDir::Name | QDir::IgnoreCase);
    m_file1->addItems(files);
}

void FileDialog::folderActivated(QListWidgetItem* item) {
    if (item) {
        setFolder(item->data(Qt::UserRole).toString());
    }
}

QString FileDialog::nameOfListedFile(const QString& fileName) {
    const QString ending = QStringLiteral(".txt");
    return fileName.endsWith(ending) ? fileName.chopped(ending.size()) : fileName;
}

void FileDialog::fileChosen(QListWidgetItem* item) {
    if (item) {
        m_txtFileName->setText(nameOfListedFile(item->text()));
    }
}

QString FileDialog::chosenPath() const {
    QString path = m_folder;
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path + m_txtFileName->text() + QStringLiteral(".txt");
}
