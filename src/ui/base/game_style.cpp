// The game's style: classic frames and a drawn overflow chevron over the platform's style.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/game_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// "»", drawn at any size in the text colour (dimmed when disabled).
class ChevronIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette;
        const QColor colour = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
        const qreal side = qMin(rect.width(), rect.height());
        const QPointF centre = QRectF(rect).center();
        const qreal arm = side * 0.22;
        QPainterPath path;
        for (const qreal shift : {-arm * 0.6, arm * 0.6}) {
            path.moveTo(centre.x() + shift - arm / 2, centre.y() - arm);
            path.lineTo(centre.x() + shift + arm / 2, centre.y());
            path.lineTo(centre.x() + shift - arm / 2, centre.y() + arm);
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(
            QPen(colour, qMax<qreal>(1.0, side / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(path);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new ChevronIconEngine; }
};

// The gap the border leaves on either side of a frame's caption.
constexpr int kCaptionGap = 2;

} // namespace

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox) {
        // A dark line with a light one inside it, as frames have always looked on the desktop.
        qDrawShadeRect(painter, option->rect, option->palette, true, 1, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void GameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == CE_ShapedFrame && frame && frame->frameShape == QFrame::Box &&
        !(frame->state & (State_Sunken | State_Raised))) {
        // A coloured label (the blue total, a red warning) colours its text, not its box.
        QStyleOptionFrame plain = *frame;
        const QPalette platform = QApplication::palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            plain.palette.setColor(group, QPalette::WindowText,
                                   platform.color(group, QPalette::WindowText));
        }
        QProxyStyle::drawControl(element, &plain, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || box->text.isEmpty() ||
        (box->features & QStyleOptionFrame::Flat) || !(box->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The border starts at the caption's middle and leaves the caption's text clear.
    const QRect caption = proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    QRect border = box->rect;
    border.setTop(caption.center().y());
    painter->save();
    painter->setClipRegion(
        QRegion(box->rect).subtracted(QRegion(caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0))));
    qDrawShadeRect(painter, border, box->palette, true, 1, 0);
    painter->restore();

    QStyleOptionGroupBox rest = *box;
    rest.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

QRect GameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl part, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control == CC_GroupBox && part == SC_GroupBoxLabel && box &&
        !(box->features & QStyleOptionFrame::Flat) && (box->textAlignment & Qt::AlignLeft)) {
        rect.translate(kCaptionIndent, 0);
    }
    return rect;
}

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                              const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton ||
        which == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new ChevronIconEngine);
    }
    return QProxyStyle::standardIcon(which, option, widget);
}
