// The look of the game's controls: the platform's style with classic frames and no picture files.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// How far a frame's caption stands in from the frame's left edge.
inline constexpr int kCaptionIndent = 8;

// Draws the few things the stock style would read from image files: frames with a caption get
// the classic etched border, and the menu bar's overflow button a chevron of its own. Loading
// one image file makes Qt load every image plugin it has, which costs the game more memory than
// a whole panel of its controls.
//
// A frame's caption stands a little in from its left edge, and the border runs through the
// caption's middle with a gap behind the text. Single-line boxes around labels are drawn in the
// platform's window-text colour whatever colour the label's text has.
class GameStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
