// The roles of our windows and widgets, the spoken form of shown texts, the announcer and the
// spoken summary.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/a11y/accessibility.h"

#include <algorithm>
#include <array>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "ui/base/key_filters.h"

namespace {

// A widget that a screen reader passes by without a word.
class NamelessAccessible final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
};

// A label that acts as a link: pressed by the reader's action as by Enter.
class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return own;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction()) {
            if (LinkLabel* link = LinkLabel::of(object())) {
                link->activate();
            }
        }
    }
};

struct ClassRole {
    const char* className;
    QAccessible::Role role;
};

// By class, as Qt asks for each class of an object from the most derived one up: a save or load
// dialog is found as a FileDialog before Qt's own factory would take it for a plain QWidget.
constexpr std::array<ClassRole, 7> kClassRoles = {{
    {"NameDialog", QAccessible::Dialog},
    {"FileDialog", QAccessible::Dialog},
    {"AboutBox", QAccessible::Dialog},
    {"HallOfFameWindow", QAccessible::Window},
    {"HelpViewer", QAccessible::Window},
    {"Announcer", QAccessible::Notification},
    {"SpokenSummary", QAccessible::StaticText},
}};

QAccessibleInterface* accessibleByRole(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    if (LinkLabel::of(object) != nullptr) {
        return new LinkAccessible(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("FrameSurface")) {
        return new NamelessAccessible(static_cast<QWidget*>(object));
    }
    for (const ClassRole& entry : kClassRoles) {
        if (className == QLatin1String(entry.className)) {
            return new QAccessibleWidget(static_cast<QWidget*>(object), entry.role);
        }
    }
    return nullptr;
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
