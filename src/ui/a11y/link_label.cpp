// The label that acts as a link, and what a screen reader meets in it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/a11y/link_label.h"

#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "ui/a11y/accessibility.h"

namespace {

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

QAccessibleInterface* accessibleLink(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType() || LinkLabel::of(object) == nullptr) {
        return nullptr;
    }
    return new LinkAccessible(static_cast<QWidget*>(object));
}

void installLinkAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleLink);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

LinkLabel::LinkLabel(QLabel* label, std::function<void()> action)
    : QObject(label), m_label(label), m_action(std::move(action)) {
    label->setCursor(Qt::PointingHandCursor);
    // Reached by Tab only: a click runs the link and leaves the keyboard where it was.
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(this);
    installAccessibleRoles();
    installLinkAccessible();
    // A reader may have met the label already, as the plain text it was until now.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(label)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
        }
    }
}

LinkLabel* LinkLabel::of(const QObject* label) {
    return label->findChild<LinkLabel*>(QString(), Qt::FindDirectChildrenOnly);
}

bool LinkLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_label) {
        return false;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        QFont font = m_label->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        m_label->setFont(font);
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            m_action();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_label->rect().contains(mouse->position().toPoint())) {
            m_action();
            return true;
        }
    }
    return false;
}
