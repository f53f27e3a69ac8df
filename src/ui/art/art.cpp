// Rendering of the game's SVG pictures.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/art.h"

#include <utility>

#include <QIconEngine>
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

namespace {

// Draws the icon only at the sizes that are asked for, when they are asked for: rendering every
// size up front would cost the start of the program for pictures nobody looks at.
class ArtIconEngine final : public QIconEngine {
public:
    explicit ArtIconEngine(QString path) : m_path(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        initArtResources();
        QSvgRenderer renderer(m_path);
        renderer.render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return renderArt(m_path, size, 1.0);
    }

    QIconEngine* clone() const override { return new ArtIconEngine(m_path); }

private:
    QString m_path;
};

} // namespace

QIcon veloriaIcon() {
    return QIcon(new ArtIconEngine(QStringLiteral(":/art/veloria.svg")));
}
