// The game's style: classic frames and a drawn overflow chevron over the platform's style.
#include "ui/game_style.h"

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

QIcon GameStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                              const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton ||
        which == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new ChevronIconEngine);
    }
    return QProxyStyle::standardIcon(which, option, widget);
}
