// One goods panel of the main window.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/goods_panel.h"

#include <array>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/a11y/accessibility.h"
#include "ui/base/controls.h"
#include "ui/base/game_style.h"
#include "ui/base/key_filters.h"
#include "ui/base/twips.h"
#include "ui/i18n/rule_texts.h"

namespace {

// Each member's control name, per good.
struct GoodsNames {
    const char* frame;      // m_frame
    const char* price;      // m_price
    const char* picture;    // m_picture
    const char* art;        // the drawing in m_picture
    const char* amount;     // m_amount
    const char* sellBar;    // m_sellBar
    const char* buyBar;     // m_buyBar
    const char* buyByBar;   // m_buyByBar
    const char* sellByBar;  // m_sellByBar
    const char* barLimit;   // m_barLimit
    const char* buyTyped;   // m_buyTyped
    const char* sellTyped;  // m_sellTyped
    const char* amountBox;  // m_amountBox
    const char* maxCaption; // m_maxCaption
    const char* lowerLimit; // m_lowerLimit
};

constexpr std::array<GoodsNames, 4> kGoodsNames = {{
    {"zol", "Label1", "Picture4", ":/art/gold.svg", "Label2", "scroll", "scroll_1", "buy1", "sale1",
     "Label9", "buy1_1", "sale1_1", "Text1", "Label26", "max1"},
    {"zem", "Label3", "Picture5", ":/art/land.svg", "Label4", "scroll1", "scroll1_1", "buy2",
     "sale2", "Label10", "buy2_1", "sale2_1", "Text2", "Label28", "max2"},
    {"zer", "Label5", "Picture6", ":/art/grain.svg", "Label6", "scroll2", "scroll2_1", "buy3",
     "sale3", "Label11", "buy3_1", "sale3_1", "Text3", "Label27", "max3"},
    {"nef", "Label7", "Picture7", ":/art/oil.svg", "Label8", "scroll3", "scroll3_1", "buy4",
     "sale4", "Label12", "buy4_1", "sale4_1", "Text4", "Label29", "max4"},
}};

// The frames' captions at design, per good; with the stock they are the rules' own.
constexpr std::array<const char*, 4> kDesignCaptions = {
    QT_TRANSLATE_NOOP("GoodsPanel", "Золото"), QT_TRANSLATE_NOOP("GoodsPanel", "Земля"),
    QT_TRANSLATE_NOOP("GoodsPanel", "Зерно"), QT_TRANSLATE_NOOP("GoodsPanel", "Нефть")};
// What a screen reader calls each control, per good: four panels of the same controls, told
// apart by the good and by the way they trade.
struct SpokenNames {
    const char* buyBar;
    const char* sellBar;
    const char* buyByBar;
    const char* sellByBar;
    const char* buyTyped;
    const char* sellTyped;
    const char* amountBox;
};

constexpr std::array<SpokenNames, 4> kSpokenNames = {{
    {//: The scroll bar that chooses how much gold to buy.
     QT_TRANSLATE_NOOP("GoodsPanel", "Полоса покупки золота"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Полоса продажи золота"),
     //: The button that buys the amount chosen on the bar.
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить золото по полосе"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать золото по полосе"),
     //: The button that buys the amount typed into the box beside it.
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить золото: введённое количество"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать золото: введённое количество"),
     //: The box where the amount to trade is typed.
     QT_TRANSLATE_NOOP("GoodsPanel", "Количество золота")},
    {QT_TRANSLATE_NOOP("GoodsPanel", "Полоса покупки земли"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Полоса продажи земли"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить землю по полосе"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать землю по полосе"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить землю: введённое количество"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать землю: введённое количество"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Количество земли")},
    {QT_TRANSLATE_NOOP("GoodsPanel", "Полоса покупки зерна"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Полоса продажи зерна"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить зерно по полосе"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать зерно по полосе"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить зерно: введённое количество"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать зерно: введённое количество"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Количество зерна")},
    {QT_TRANSLATE_NOOP("GoodsPanel", "Полоса покупки нефти"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Полоса продажи нефти"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить нефть по полосе"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать нефть по полосе"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Купить нефть: введённое количество"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Продать нефть: введённое количество"),
     QT_TRANSLATE_NOOP("GoodsPanel", "Количество нефти")},
}};

constexpr std::array<QPoint, 4> kFramePlaces = {
    {{120, 960}, {120, 3240}, {3720, 960}, {3720, 3240}}};

} // namespace

GoodsPanel::GoodsPanel(QWidget* area, Good good, AmountBoxFilter& amountFilter, QObject* parent)
    : QObject(parent), m_good(good) {
    const int index = goodIndex(good);
    const GoodsNames& names = kGoodsNames[index];
    const bool gold = good == Good::Gold;

    const QPoint place = kFramePlaces[index];
    m_captionPoints = good == Good::Oil ? 11.25 : 12.0;
    QWidget* surface = makeFrame(area, names.frame, twipRect(place.x(), place.y(), 3495, 2295),
                                 tr(kDesignCaptions[index]), m_captionPoints, &m_frame);
    switch (good) {
    case Good::Gold:
        setTextColour(m_frame, QColor(255, 255, 192));
        break;
    case Good::Land:
        setTextColour(m_frame, QColor(128, 64, 0));
        break;
    case Good::Grain:
        setTextColour(m_frame, QColor(255, 255, 0));
        break;
    case Good::Oil:
        break;
    }

    m_price = makeLabel(surface, names.price,
                        twipRect(good == Good::Grain ? 240 : 120, 360, gold ? 1335 : 975, 255));
    const QSize artSize = good == Good::Grain ? QSize(35, 31) : QSize(33, 32);
    const int pictureLeft = (good == Good::Grain || good == Good::Oil) ? 1440 : 1560;
    m_picture = makePicture(surface, names.picture, twipRect(pictureLeft, 240, 550, 495),
                            QString::fromLatin1(names.art), artSize);
    m_amount = makeLabel(surface, names.amount,
                         gold ? twipRect(2280, 360, 1095, 255) : twipRect(2160, 360, 1215, 255),
                         QStringLiteral("1111111111"), Qt::AlignRight);

    // The sell bar and the buy bar share one place; the mode decides which one shows.
    m_sellBar = makeBar(surface, names.sellBar, twipRect(240, 840, 3015, 255));
    m_buyBar = makeBar(surface, names.buyBar, twipRect(240, 840, 3015, 255));
    const QString buyCaption = tr("купить");
    const QString sellCaption = tr("продать");
    m_buyByBar = makeButton(surface, names.buyByBar, twipRect(240, 1200, 855, 255), buyCaption);
    m_sellByBar = makeButton(surface, names.sellByBar, twipRect(240, 1200, 855, 255), sellCaption);
    m_barLimit =
        makeLabel(surface, names.barLimit, twipRect(1920, 1200, 1455, 255), {}, Qt::AlignRight);
    m_buyTyped = makeButton(surface, names.buyTyped, twipRect(240, 1560, 855, 255), buyCaption);
    m_sellTyped = makeButton(surface, names.sellTyped, twipRect(240, 1560, 855, 255), sellCaption);
    m_amountBox = makeBox(surface, names.amountBox,
                          gold ? twipRect(1800, 1560, 1575, 285) : twipRect(1920, 1560, 1455, 285));
    amountFilter.watch(m_amountBox);
    m_maxCaption = makeLabel(surface, names.maxCaption, twipRect(240, 1920, 855, 255), tr("max:"),
                             Qt::AlignRight);
    m_lowerLimit = makeLabel(surface, names.lowerLimit,
                             good == Good::Oil ? twipRect(1680, 1920, 1695, 255)
                                               : twipRect(1800, 1920, 1575, 255),
                             {}, Qt::AlignRight);
    m_sellBar->hide();
    m_sellByBar->hide();
    m_sellTyped->hide();

    QLabel* amount = m_amount;
    const auto showAmount = [amount](int value) { amount->setText(numberQText(value)); };
    for (QScrollBar* bar : {m_buyBar, m_sellBar}) {
        connect(bar, &QScrollBar::valueChanged, amount, showAmount);
        connect(bar, &QScrollBar::sliderMoved, amount, showAmount);
    }
    connect(m_buyByBar, &QPushButton::clicked, this,
            [this] { emit tradeByBarRequested(m_good, true); });
    connect(m_sellByBar, &QPushButton::clicked, this,
            [this] { emit tradeByBarRequested(m_good, false); });
    connect(m_buyTyped, &QPushButton::clicked, this,
            [this] { emit tradeTypedRequested(m_good, true); });
    connect(m_sellTyped, &QPushButton::clicked, this,
            [this] { emit tradeTypedRequested(m_good, false); });

    const SpokenNames& spoken = kSpokenNames[index];
    m_buyBar->setAccessibleName(tr(spoken.buyBar));
    m_sellBar->setAccessibleName(tr(spoken.sellBar));
    m_buyByBar->setAccessibleName(tr(spoken.buyByBar));
    m_sellByBar->setAccessibleName(tr(spoken.sellByBar));
    m_buyTyped->setAccessibleName(tr(spoken.buyTyped));
    m_sellTyped->setAccessibleName(tr(spoken.sellTyped));
    m_amountBox->setAccessibleName(tr(spoken.amountBox));
}

void GoodsPanel::showMode(bool buying) {
    m_frame->show();
    m_sellByBar->setVisible(!buying);
    m_sellTyped->setVisible(!buying);
    m_buyByBar->setVisible(buying);
    m_buyTyped->setVisible(buying);
    m_buyBar->setVisible(buying);
    m_sellBar->setVisible(!buying);
}

void GoodsPanel::showCaption(const QString& caption) {
    m_frame->setTitle(caption);
    // The caption stands in from the frame's edge and needs a little room behind it.
    const int room = m_frame->width() - 2 * kCaptionIndent - 4;
    QFont font = gameFont(m_captionPoints);
    for (qreal points = m_captionPoints;
         points > 6 && QFontMetrics(font).horizontalAdvance(caption) > room; points -= 0.75) {
        font.setPointSizeF(points - 0.75);
    }
    if (font != m_frame->font()) {
        m_frame->setFont(font);
    }
}

QString GoodsPanel::typedAmount() const {
    return m_amountBox->text();
}

void GoodsPanel::clearTypedAmount() {
    m_amountBox->clear();
}

std::array<QWidget*, 7> GoodsPanel::controls() const {
    return {m_buyBar, m_sellBar, m_buyByBar, m_sellByBar, m_buyTyped, m_sellTyped, m_amountBox};
}

QString GoodsPanel::spokenFigures() const {
    //: Spoken with each control of a goods panel in buy mode. %1: the frame's caption, the good
    //: and its stock ("Золото: 26"); %2: the price; %3: the most the treasury can buy.
    const QString buying = tr("%1, цена %2, купить можно до %3");
    //: The same in sell mode; %3: the most that can be sold.
    const QString selling = tr("%1, цена %2, продать можно до %3");
    const bool sellMode = m_buyBar->isHidden();
    if (!m_row) {
        return (sellMode ? selling : buying)
            .arg(m_frame->title().simplified(), QString(), QString());
    }
    const QString caption =
        (ruletext::goodCaption(m_good) + numberQText(m_row->stock)).simplified();
    const QString limit =
        sellMode ? numberQText(m_row->sellBarMax) : plainNumberQText(m_row->purchaseMax);
    return (sellMode ? selling : buying)
        .arg(caption, shownFigure(numberQText(m_row->price)), shownFigure(limit));
}

void GoodsPanel::describeFigures() {
    const QString figures = spokenFigures();
    for (QWidget* control : controls()) {
        control->setAccessibleDescription(figures);
    }
}

void GoodsPanel::setReachable(bool reachable) {
    const Qt::FocusPolicy policy = reachable ? Qt::StrongFocus : Qt::NoFocus;
    for (QWidget* control : controls()) {
        control->setFocusPolicy(policy);
    }
}
