// The makers of the main window's controls.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/controls.h"

#include <algorithm>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/number_text.h"
#include "ui/a11y/accessibility.h"
#include "ui/art/art.h"
#include "ui/base/figure_label.h"
#include "ui/base/twips.h"

namespace {

// The platform's own text colours, set explicitly so that a coloured frame caption does not
// leak into the controls inside the frame.
QPalette plainTextPalette() {
    const QPalette platform = QApplication::palette();
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, platform.color(group, role));
        }
    }
    return palette;
}

} // namespace

QString utf8Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString numberQText(double value) {
    return QString::fromStdString(numberText(value));
}

QString plainNumberQText(double value) {
    return QString::fromStdString(plainNumberText(value));
}

QFont wholeFont(QFont font) {
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                  Qt::Alignment alignment, bool boxed) {
    auto* label = new FigureLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    if (boxed) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
        // Qt indents a framed label's text from its top edge as well, which pushes one line out
        // of a low box: low boxes centre their line, tall ones keep a small even margin.
        if (rect.height() <= twips(375)) {
            label->setAlignment(alignment | Qt::AlignVCenter);
            label->setIndent(2);
        } else {
            label->setIndent(0);
            label->setMargin(2);
        }
    }
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& rect,
                        const QString& caption, const QString& toolTip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
    }
    return button;
}

QScrollBar* makeBar(QWidget* parent, const char* name, const QRect& rect) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    // A tab stop, so that the amount can be chosen with the arrow keys alone.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(rect);
    bar->setRange(0, 0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& rect) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tellFocusFirst(box);
    return box;
}

QLabel* makePicture(QWidget* parent, const char* name, const QRect& rect, const QString& art,
                    QSize artSize, const QString& toolTip) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(rect);
    picture->setFrameShape(QFrame::WinPanel);
    picture->setFrameShadow(QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    const QSize room = picture->contentsRect().size();
    picture->setPixmap(renderArt(art, artSize.boundedTo(room), picture->devicePixelRatioF()));
    if (!toolTip.isEmpty()) {
        picture->setToolTip(toolTip);
    }
    return picture;
}

QWidget* makeFrame(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                   qreal captionPoints, QGroupBox** frameOut) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(rect);
    frame->setFont(gameFont(captionPoints));
    frame->setFlat(false);
    // Frames are opaque: the report and the mercenaries cover the goods panels beneath them.
    frame->setAutoFillBackground(true);
    frame->hide();
    auto* surface = new FrameSurface(frame);
    surface->setObjectName(QLatin1String(name) + QLatin1String("_surface"));
    surface->setGeometry(0, 0, rect.width(), rect.height());
    surface->setFont(gameFont(9.75));
    surface->setPalette(plainTextPalette());
    *frameOut = frame;
    return surface;
}

void setBarMaximum(QScrollBar* bar, int maximum) {
    bar->setRange(0, std::max(0, maximum));
}
