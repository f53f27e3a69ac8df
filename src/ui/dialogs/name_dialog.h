// The name dialog that opens every game: it asks the king's name.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// A plain window with a dialog's frame: Escape and Enter do nothing here, as in the rest of the
// game, and only the frame's close box closes it without a name.
class NameDialog : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Dialog")
public:
    explicit NameDialog(QWidget* parent = nullptr);

    // Near the centre of the screen, as the dialog has always opened.
    void placeOnScreen();

signals:
    // A name was confirmed; the dialog has hidden itself and closes right after the receivers
    // have run, so the main window can be shown before the last window goes away.
    void nameConfirmed(const QString& name);

public slots:
    void Command1_Click();

private:
    QLabel* m_question = nullptr;
    QLineEdit* m_nameBox = nullptr;
    QPushButton* m_ok = nullptr;
};
