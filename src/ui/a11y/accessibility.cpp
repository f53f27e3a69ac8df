// The roles of our windows and widgets, the spoken form of shown texts, the announcer and the
// spoken summary.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/a11y/accessibility.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace {

// A widget that a screen reader passes by without a word.
class NamelessAccessible final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
};

// By the class that says its role, as Qt asks for each class of an object from the most derived
// one up: a save or load dialog is met as the FileDialog it is before Qt's own factory would take
// it for a plain QWidget.
QAccessibleInterface* accessibleByRole(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    const QMetaObject* meta = object->metaObject();
    while (meta != nullptr && className != QLatin1String(meta->className())) {
        meta = meta->superClass();
    }
    if (meta == nullptr) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (meta == &FrameSurface::staticMetaObject) {
        return new NamelessAccessible(widget);
    }
    // Said by this very class, not by one it derives from: Qt asks for that one in its turn.
    const int said = meta->indexOfClassInfo(kAccessibleRole);
    if (said < meta->classInfoOffset()) {
        return nullptr;
    }
    bool known = false;
    const int role =
        QMetaEnum::fromType<QAccessible::Role>().keyToValue(meta->classInfo(said).value(), &known);
    Q_ASSERT_X(known, meta->className(), "names no role of QAccessible::Role");
    return known ? new QAccessibleWidget(widget, QAccessible::Role(role)) : nullptr;
}

class FocusToldFirst final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn || !QAccessible::isActive()) {
            return false;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) {
            return false;
        }
        // Reached by Tab, the box would select its text at once and tell the caret. It takes the
        // focus plainly instead and selects its text once the focus has been told.
        auto* box = static_cast<QLineEdit*>(watched);
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(box, &plain);
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus() && !box->hasSelectedText()) {
                box->selectAll();
            }
        });
        return true;
    }
};

} // namespace

void tellFocusFirst(QLineEdit* box) {
    box->installEventFilter(new FocusToldFirst(box));
}

bool isReportRule(const QString& line) {
    return !line.isEmpty() &&
           std::all_of(line.begin(), line.end(), [](QChar c) { return c == u'_'; });
}

void installAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleByRole);
        return true;
    }();
    Q_UNUSED(installed);
}

QString spokenText(const QString& shown) {
    QStringList lines;
    for (const QString& piece : shown.split(u'\n')) {
        QString line = piece.simplified();
        if (line.isEmpty() || isReportRule(line)) {
            continue;
        }
        // A blank before a stop ("год правления .") would have the stop read out on its own.
        static const QRegularExpression blankBeforeStop(QStringLiteral(" +([.,;:!?])"));
        line.replace(blankBeforeStop, QStringLiteral("\\1"));
        if (line.back().isLetterOrNumber()) {
            line += u'.';
        }
        lines << line;
    }
    return lines.join(u'\n');
}

QString shownFigure(const QString& shown) {
    const QStringList words = shown.simplified().split(u' ', Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.last();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    installAccessibleRoles();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Hidden until the first text: shown with its window, it would tell an empty notification.
    hide();
}

void Announcer::announce(const QString& text) {
    setAccessibleName(text);
    // Hidden and shown again, so that the reader hears each text, the same one twice too.
    hide();
    show();
}

FrameSurface::FrameSurface(QWidget* frame) : QWidget(frame) {
    installAccessibleRoles();
}

SpokenSummary::SpokenSummary(QWidget* parent, const QRect& rect) : QWidget(parent) {
    installAccessibleRoles();
    setGeometry(rect);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SpokenSummary::setParts(const QStringList& parts) {
    const QString text = spokenText(parts.join(u'\n')).replace(u'\n', u' ');
    if (text != accessibleName()) {
        setAccessibleName(text);
    }
}

void SpokenSummary::paintEvent(QPaintEvent*) {
    // A frame only for a player who moves the focus with the keys, as the style frames buttons.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    if (!(option.state & QStyle::State_HasFocus) ||
        !(option.state & QStyle::State_KeyboardFocusChange)) {
        return;
    }
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
