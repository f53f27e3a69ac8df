// Lines of text laid out once and drawn many times: the chronicle's cells and chart labels come
// back at every year end.
#pragma once

#include <QHash>
#include <QStaticText>
#include <QString>

class QPainter;
class QRect;

class TextCache {
public:
    // Draws one line of `text` in the painter's font and pen, aligned in `rect` (left, right or
    // centred across; top, bottom or centred down) and clipped to it when it is wider.
    void draw(QPainter& painter, const QRect& rect, int alignment, const QString& text);

private:
    QHash<QString, QStaticText> m_texts;
};
