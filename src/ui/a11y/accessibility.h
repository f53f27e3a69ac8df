// What the windows give a screen reader beyond Qt's own: the roles of our windows and widgets, the
// spoken form of a shown text, the announcer that tells what happens and the spoken summary.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;

// Qt takes a plain QWidget for a filler: each class of ours that is a dialog, a window, a
// notification or a text says so in its declaration, by the name of its QAccessible::Role:
//     Q_CLASSINFO("accessibleRole", "Dialog")
// which the classes derived from it share. Every such class calls this in its constructor; the
// factory that reads the roles is installed once.
inline constexpr char kAccessibleRole[] = "accessibleRole";
void installAccessibleRoles();

// A shown text as a screen reader should speak it: the lines that are only underscores (the
// report's rule) left out, blanks run together, and a line that ends in a letter or a figure
// ended as a sentence, so that a voice pauses between the lines. Lines are kept apart by "\n".
QString spokenText(const QString& shown);

// A line of nothing but underscores: the report's rule, drawn and never spoken.
bool isReportRule(const QString& line);

// The last word of a shown text: the figure of "Цена:  1025" or of "max:  9".
QString shownFigure(const QString& shown);

// Reached by Tab, a line edit selects its text and tells the caret before Qt tells its focus, and
// Orca 43 then takes the focus as told already and says nothing of the box: while a screen reader
// listens, such a box selects its text only once its focus has been told.
void tellFocusFirst(QLineEdit* box);

// The plain surface a frame's controls stand on. Qt names a widget in a frame by the frame's
// caption; this one is nameless to a screen reader, which would hear the caption twice.
class FrameSurface final : public QWidget {
    Q_OBJECT
public:
    explicit FrameSurface(QWidget* frame);
};

// Tells a screen reader what just happened, whatever holds the keyboard: a widget of no size and
// of the notification role, shown anew with each text, which Orca speaks as it shows. (Qt 6.4
// has no announcement of its own, and Orca 43 cannot speak the description change it sends.)
class Announcer final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Notification")
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
    // The last text told, as the reader read it.
    QString lastAnnouncement() const { return accessibleName(); }
};

// A Tab stop over figures that only labels show: a screen reader reads its text (its accessible
// name) when it takes the keyboard. It draws nothing but a focus frame while it has the focus,
// and lets the mouse through to what lies beneath.
class SpokenSummary final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "StaticText")
public:
    SpokenSummary(QWidget* parent, const QRect& rect);

    // The parts are spoken one after the other, each as a sentence.
    void setParts(const QStringList& parts);
    QString text() const { return accessibleName(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
