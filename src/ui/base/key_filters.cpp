// Event filters the windows share.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/key_filters.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/typed_amount.h"
#include "ui/base/platform.h"

namespace {

bool amountTextAccepted(const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        if (!amountKeyAccepted(character)) {
            return false;
        }
    }
    return true;
}

} // namespace

AmountBoxFilter::AmountBoxFilter(Platform& platform, QObject* parent)
    : QObject(parent), m_platform(platform) {}

void AmountBoxFilter::watch(QLineEdit* box) {
    box->installEventFilter(this);
}

bool AmountBoxFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::InputMethod) {
        // Text composed in an input method arrives whole, not as keys: it meets the same filter.
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (!amountTextAccepted(input->commitString())) {
            m_platform.beep();
            QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
            QCoreApplication::sendEvent(watched, &withoutCommit);
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    // Moving about and leaving the box are not characters for the box to hold.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false;
    default:
        break;
    }
    const QString typed = key->text();
    if (typed.isEmpty()) {
        return false;
    }
    const QList<uint> characters = typed.toUcs4();
    if (!characters.isEmpty() && amountKeyAccepted(char32_t(characters.front()))) {
        return false;
    }
    m_platform.beep();
    return true;
}

void BarKeysFilter::watch(QScrollBar* bar) {
    bar->installEventFilter(this);
}

bool BarKeysFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* bar = qobject_cast<QScrollBar*>(watched);
    if (!bar || event->type() != QEvent::KeyPress) {
        return false;
    }
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Up:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible()) {
        return false;
    }
    // One press, one click: a held key does not repeat the command.
    if (!key->isAutoRepeat()) {
        button->click();
    }
    return true;
}
