// The makers of the main window's controls and the text helpers its panels share.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

QString utf8Text(std::string_view utf8);
// Number text, with and without its leading blank.
QString numberQText(double value);
QString plainNumberQText(double value);

// The font with every attribute its own, so that a widget given it inherits nothing (the main
// window's bold serif above all) from its parent.
QFont wholeFont(QFont font);

// Colours the text of a control (label text, frame caption, button text).
void setTextColour(QWidget* widget, const QColor& colour);

// A label whose one line is shown whole: too wide for the label, it is drawn smaller.
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& rect, const QString& caption = {},
                  Qt::Alignment alignment = Qt::AlignLeft, bool boxed = false);
QPushButton* makeButton(QWidget* parent, const char* name, const QRect& rect,
                        const QString& caption, const QString& toolTip = {});
QScrollBar* makeBar(QWidget* parent, const char* name, const QRect& rect);
QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& rect);
// A picture box: a sunken border around one of our drawings.
QLabel* makePicture(QWidget* parent, const char* name, const QRect& rect, const QString& art,
                    QSize artSize, const QString& toolTip = {});
// A frame with a caption. Its controls go on the returned surface, which covers the whole frame
// (so positions stay relative to the frame) and carries the ordinary font and text colours.
QWidget* makeFrame(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                   qreal captionPoints, QGroupBox** frameOut);

// A bar cannot reach below its minimum of 0; the labels show the true figure.
void setBarMaximum(QScrollBar* bar, int maximum);
