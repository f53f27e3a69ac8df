// The table of the ten best kings.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/hall_of_fame_window.h"

#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "core/number_text.h"
#include "reign/reign_session.h"
#include "ui/base/twips.h"

namespace {

constexpr int kShownPlaces = 10;

const QColor kDarkBlue(0, 0, 192);
const QColor kLightBlue(128, 128, 255);
const QColor kPink(255, 128, 128);
const QColor kTopBandRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kPaleYellow(255, 255, 128);
const QColor kGreen(0, 255, 0);

void paint(QWidget* widget, const QColor& background, const QColor& text = QColor()) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor bandColour(int place, bool isName) {
    if (place < 3) {
        return kTopBandRed;
    }
    if (place < 7) {
        return place == 3 && isName ? kPaleYellow : kYellow;
    }
    return kGreen;
}

} // namespace

HallOfFameWindow::HallOfFameWindow(QWidget* mainWindow) : HoldingWindow(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("Form7"));
    //: The window of the table of the best kings.
    setWindowTitle(tr("Таблица"));
    const QString tableTip = tr("Таблица результатов");
    setFixedSize(twips(5640), twips(6735));
    // Centred for a window of 5790 by 7245 twips, its frame included.
    placeInScreenCentre(QSize(twips(5790), twips(7245)));

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twipRect(0, 0, 5655, 1095));
    frame1->setToolTip(tableTip);
    paint(frame1, kDarkBlue);

    //: "The best of the best": the blanks in front centre it roughly over the table.
    auto* label1 = new QLabel(tr("         Лучшие из лучших"), frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(twipRect(480, 360, 4095, 375));
    QFont headingFont = gameFont(18);
    headingFont.setItalic(true);
    label1->setFont(headingFont);
    paint(label1, kDarkBlue, kPink);

    auto* frame2 = new QFrame(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(twipRect(0, 1080, 5655, 5655));
    frame2->setToolTip(tableTip);
    paint(frame2, kLightBlue);

    const QFont rowFont = gameFont(14.25);
    for (int place = 0; place < kShownPlaces; ++place) {
        const int top = 240 + 480 * place;

        auto* name = new QLabel(frame2);
        name->setObjectName(QStringLiteral("Label2_%1").arg(place));
        name->setGeometry(twipRect(600, top, 2055, 375));
        name->setFont(rowFont);
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        paint(name, kLightBlue, bandColour(place, true));
        m_names[place] = name;

        auto* score = new QLabel(frame2);
        score->setObjectName(QStringLiteral("Label3_%1").arg(place));
        score->setGeometry(twipRect(3840, top, 1215, 375));
        score->setFont(rowFont);
        score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        paint(score, kLightBlue, bandColour(place, false));
        m_scores[place] = score;
    }

    m_ok = new QPushButton(tr("&OK"), frame2);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setGeometry(twipRect(2280, 5160, 975, 375));
    m_ok->setFont(gameFont(9.75));

    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    showScores(ReignSession::defaultTable());
}

QString HallOfFameWindow::scoreText(double score) {
    // The file's spelling (at most 15 significant digits, no exponent below 10^15), with only
    // the decimal point and the minus sign taken from the locale: the locale's own shortest
    // form would print a million as "1E+06".
    QString text = QString::fromStdString(plainNumberText(score));
    const QLocale locale;
    if (text.startsWith(QLatin1Char('-'))) {
        text.replace(0, 1, locale.negativeSign());
    }
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

void HallOfFameWindow::showScores(const HallOfFame& rows) {
    for (int place = 0; place < kShownPlaces; ++place) {
        m_names[place]->setText(QString::fromStdString(rows.bestNames[place]));
        m_scores[place]->setText(scoreText(rows.bestScores[place]));
    }
    // The OK holds the keyboard: a screen reader hears the table with it, row by row.
    QStringList spoken;
    for (int place = 0; place < kShownPlaces; ++place) {
        //: A row of the table of the best kings as a screen reader speaks it: %1 the place,
        //: %2 the king's name, %3 the score.
        spoken << tr("%1. %2: %3")
                      .arg(QString::number(place + 1), m_names[place]->text(),
                           m_scores[place]->text());
    }
    m_ok->setAccessibleDescription(spoken.join(u'\n'));
}
