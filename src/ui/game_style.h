// The look of the game's controls: the platform's style with classic frames and no picture files.
#pragma once

#include <QProxyStyle>

// Draws the few things the stock style would read from image files: frames with a caption get
// the classic etched border, and the menu bar's overflow button a chevron of its own. Loading
// one image file makes Qt load every image plugin it has, which costs the game more memory than
// a whole panel of its controls.
class GameStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
