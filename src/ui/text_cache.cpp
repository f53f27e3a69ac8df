// Lines of text laid out once and drawn many times.
#include "ui/text_cache.h"

#include <QPainter>
#include <QRect>

void TextCache::draw(QPainter& painter, const QRect& rect, int alignment, const QString& text) {
    const QFont font = painter.font();
    const QString key = QString::number(font.pointSizeF()) + (font.bold() ? u'b' : u'r') + text;
    auto found = m_texts.find(key);
    if (found == m_texts.end()) {
        // A long reign shows a few thousand different texts; start afresh past that.
        if (m_texts.size() > 4096) {
            m_texts.clear();
        }
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        found = m_texts.insert(key, laid);
    }
    const QSizeF size = found->size();
    const qreal x = alignment & Qt::AlignRight     ? rect.right() + 1 - size.width()
                    : alignment & Qt::AlignHCenter ? rect.left() + (rect.width() - size.width()) / 2
                                                   : rect.left();
    const qreal y = alignment & Qt::AlignBottom ? rect.bottom() + 1 - size.height()
                    : alignment & Qt::AlignVCenter
                        ? rect.top() + (rect.height() - size.height()) / 2
                        : rect.top();
    const bool tooWide = size.width() > rect.width();
    if (tooWide) {
        painter.save();
        painter.setClipRect(rect);
    }
    painter.drawStaticText(QPointF(x, y), *found);
    if (tooWide) {
        painter.restore();
    }
}
