// The common body of the save and load windows: drive, folder and file lists, the name box and
// the two buttons.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "ui/base/holding_window.h"

class Platform;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// A small window that picks a ".txt" file of some folder, holding the main window while it is
// open. Create it with `new`; it deletes itself once closed.
class FileDialog : public HoldingWindow {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Dialog")
public:
    // The folder the lists show, absolute and without a trailing separator (except for "/").
    QString folder() const { return m_folder; }
    // Moves the folder list, and with it the file list and the drive shown, to `path`.
    // A path that is no folder (any more) leaves the folder as it was and just lists it again.
    void setFolder(const QString& path);

    // The file the main button works on: the folder, the name box's text and ".txt".
    QString chosenPath() const;

    // The name that picks a listed file: the file's name without its final ".txt".
    static QString nameOfListedFile(const QString& fileName);

protected:
    FileDialog(QWidget* mainWindow, Platform& platform, int clientHeight, int buttonTop);

    // The main button: the twin windows differ only here.
    virtual void acceptFile() = 0;

    Platform& platform() const { return m_platform; }
    QLineEdit* nameBox() const { return m_txtFileName; }
    QPushButton* mainButton() const { return m_command1; }
    QPushButton* cancelButton() const { return m_command2; }

private:
    void setupActions();
    void fillDrives();
    void driveChosen(int index);
    // The drive list's entry that holds `folder`, or -1.
    int driveHolding(const QString& folder) const;
    void listFolder();
    void listFiles();
    void folderActivated(QListWidgetItem* item);
    void fileChosen(QListWidgetItem* item);
    Platform& m_platform;
    QString m_folder;

    QComboBox* m_drive1 = nullptr;
    QListWidget* m_dir1 = nullptr;
    QListWidget* m_file1 = nullptr;
    QLineEdit* m_txtFileName = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
};
