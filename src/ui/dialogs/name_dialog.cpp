// The name dialog: one box for the name and an OK button.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "reign/reign_session.h"
#include "ui/a11y/accessibility.h"
#include "ui/art/art.h"
#include "ui/base/screen_place.h"
#include "ui/base/twips.h"

NameDialog::NameDialog(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    installAccessibleRoles();
    setObjectName(QStringLiteral("Form5"));
    //: The game's name, with the blank in front that the game gives it here.
    setWindowTitle(tr(" Король Велории"));
    setWindowIcon(veloriaIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(gameFont(9.75));
    setFixedSize(twips(3240), twips(1560));

    m_question = new QLabel(tr("Ваше имя?"), this);
    m_question->setObjectName(QStringLiteral("Label1"));
    m_question->setGeometry(twipRect(1200, 240, 1095, 255));
    m_question->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName(QStringLiteral("Text1"));
    m_nameBox->setGeometry(twipRect(840, 600, 1575, 375));
    m_nameBox->setFont(gameFont(12));
    // Both files keep names up to this length; a longer one would be cut there without a word.
    m_nameBox->setMaxLength(kLongestKingName);
    // A screen reader names the box by the question above it.
    m_question->setBuddy(m_nameBox);
    tellFocusFirst(m_nameBox);

    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setGeometry(twipRect(1200, 1080, 855, 375));
    connect(m_ok, &QPushButton::clicked, this, &NameDialog::Command1_Click);
    // Enter in the name box confirms the name, as the OK button does.
    connect(m_nameBox, &QLineEdit::returnPressed, this, &NameDialog::Command1_Click);

    m_nameBox->setFocus();
    placeOnScreen();
}

void NameDialog::placeOnScreen() {
    centreOnScreen(this, QSize(twips(3645), twips(1965)));
}

void NameDialog::Command1_Click() {
    const QString name = m_nameBox->text();
    if (name.isEmpty()) {
        return;
    }
    hide();
    emit nameConfirmed(name);
    close();
}
