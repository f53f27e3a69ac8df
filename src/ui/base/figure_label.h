// A label that shows its one line whole, in a smaller font when the line is wider than the label.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// Labels keep the size the window gives them, yet a figure cut short is a wrong figure: a line
// too wide for its label is drawn in a font scaled down just enough to fit. The text itself, and
// anything drawn on more than one line, stays as QLabel has it.
class FigureLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The font the text is drawn in: the label's own, or a smaller one that fits.
    QFont shownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The room QLabel gives its text: inside the frame, the margin and the indent.
    QRect textRoom() const;
    bool drawnAsOneLine() const;
};
