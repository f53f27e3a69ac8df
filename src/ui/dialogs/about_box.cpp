// The about box.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/about_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/a11y/link_label.h"
#include "ui/art/art.h"
#include "ui/base/links.h"
#include "ui/base/twips.h"

namespace {

void makeLink(QLabel* label, const QString& tip) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setToolTip(tip);
    label->setTextFormat(Qt::PlainText);
}

} // namespace

AboutBox* AboutBox::open(Platform& platform, QWidget* mainWindow) {
    auto* box = new AboutBox(platform, mainWindow);
    box->show();
    return box;
}

AboutBox::AboutBox(Platform& platform, QWidget* mainWindow)
    : HoldingWindow(mainWindow, Qt::Dialog), m_platform(platform) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("О программе"));
    setFixedSize(twips(4605), twips(3615));

    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(twipRect(0, 0, 4575, 3615));

    m_portrait = new QLabel(m_frame);
    m_portrait->setObjectName(QStringLiteral("Image1"));
    m_portrait->setGeometry(twipRect(1800, 240, 1080, 1560));
    m_portrait->setPixmap(
        renderArt(QStringLiteral(":/art/king.svg"), m_portrait->size(), devicePixelRatioF()));

    m_credits = new QLabel(m_frame);
    m_credits->setObjectName(QStringLiteral("Label1"));
    m_credits->setGeometry(twipRect(240, 1920, 3375, 495));
    m_credits->setFont(gameFont(kTextPoints));
    m_credits->setTextFormat(Qt::PlainText);
    m_credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credits->setText(tr(kVersionLine) + u'\n' + tr(kCreditsLine));

    m_ok = new QPushButton(tr("&Ok"), m_frame);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setGeometry(twipRect(1920, 2520, 855, 375));
    m_ok->setFont(gameFont(9.75));
    //: "Seen enough": the tool tip of the box's OK.
    m_ok->setToolTip(tr("Насмотрелся"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    m_webLink = new QLabel(QString::fromLatin1(kWebPageAddress), m_frame);
    m_webLink->setObjectName(QStringLiteral("Label2"));
    m_webLink->setGeometry(twipRect(1320, 3000, 2175, 255));
    m_webLink->setFont(gameFont(kLinkPoints));
    makeLink(m_webLink, tr("Сайт игры"));
    new LinkLabel(m_webLink, [this] { openWebPage(m_platform); });

    m_mailLink = new QLabel(QString::fromLatin1(kFirstMailAddress), m_frame);
    m_mailLink->setObjectName(QStringLiteral("Label3"));
    m_mailLink->setGeometry(twipRect(1200, 3240, 2415, 255));
    m_mailLink->setFont(gameFont(kLinkPoints));
    makeLink(m_mailLink, tr("Написать письмо"));
    new LinkLabel(m_mailLink, [this] { openMailFirst(m_platform); });

    placeInScreenCentre(size());
}
