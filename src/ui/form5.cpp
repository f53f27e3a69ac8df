// The name dialog: one box for the name and an OK button.
#include "ui/form5.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/art/art.h"
#include "ui/twips.h"

Form5::Form5(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral(" Король Велории"));
    setWindowIcon(veloriaIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(gameFont(9.75));
    setFixedSize(twips(3240), twips(1560));

    m_label1 = new QLabel(QStringLiteral("Ваше имя?"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twipRect(1200, 240, 1095, 255));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipRect(840, 600, 1575, 375));
    m_text1->setFont(gameFont(12));

    m_command1 = new QPushButton(QStringLiteral("&OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twipRect(1200, 1080, 855, 375));
    connect(m_command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    // Enter in the name box confirms the name, as the OK button does.
    connect(m_text1, &QLineEdit::returnPressed, this, &Form5::Command1_Click);

    m_text1->setFocus();
    placeOnScreen();
}

void Form5::placeOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - twips(3645)) / 2,
         area.top() + (area.height() - twips(1965)) / 2);
}

void Form5::Command1_Click() {
    const QString name = m_text1->text();
    if (name.isEmpty()) {
        return;
    }
    hide();
    emit nameConfirmed(name);
    close();
}
