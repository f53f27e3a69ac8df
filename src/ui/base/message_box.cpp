// The game's message box.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/message_box.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

MessageBox::MessageBox(QWidget* parent, const QString& title, const QString& text,
                       bool informationIcon)
    : QDialog(parent) {
    setObjectName(QStringLiteral("messageBox"));
    setWindowTitle(title);
    setModal(true);

    auto* row = new QHBoxLayout;
    if (informationIcon) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("messageIcon"));
        const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()
                            ->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this)
                            .pixmap(QSize(side, side), devicePixelRatioF()));
        icon->setAlignment(Qt::AlignTop);
        row->addWidget(icon);
    }
    m_text = new QLabel(text, this);
    m_text->setObjectName(QStringLiteral("messageText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_text, 1);

    // Lines keep their length as long as the box fits the screen; only wider text wraps.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const int room = screen->availableGeometry().width() * 9 / 10;
        if (m_text->sizeHint().width() > room) {
            m_text->setWordWrap(true);
            m_text->setFixedWidth(room);
        }
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("messageOk"));
    m_ok->setDefault(true);
    m_ok->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
