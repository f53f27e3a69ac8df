// The game's message box: a title, an optional information icon, the text and one OK button.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Shows the text on the lines it was written in. A stock message box wraps a long line at a
// width of its own choosing, and a second line indented with blanks to sit under the first then
// lands past the end of the wrapped one. Here a line wraps only when it is wider than the screen.
class MessageBox final : public QDialog {
    Q_OBJECT
public:
    MessageBox(QWidget* parent, const QString& title, const QString& text, bool informationIcon);

    QLabel* textLabel() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }

private:
    QLabel* m_text = nullptr;
    QPushButton* m_ok = nullptr;
};
