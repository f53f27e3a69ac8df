// Rendering of the game's SVG pictures.
#include "ui/art/art.h"

#include <QPainter>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerArt() {
    Q_INIT_RESOURCE(art);
}

void initArtResources() {
    static const bool registered = (registerArt(), true);
    (void)registered;
}

QPixmap renderArt(const QString& resourcePath, QSize size, qreal devicePixelRatio) {
    initArtResources();
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon veloriaIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(renderArt(QStringLiteral(":/art/veloria.svg"), QSize(side, side), 1.0));
    }
    return icon;
}
