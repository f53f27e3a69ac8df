// The main window: its controls, the trading panels, the mercenaries, the year and the war panel.
#include "ui/form1.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "market/trade.h"
#include "sim/end_of_reign.h"
#include "sim/new_game.h"
#include "core/number_text.h"
#include "sim/status.h"
#include "sim/year.h"
#include "ui/art/art.h"
#include "ui/module1.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "war/battle.h"
#include "war/mercenaries.h"

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString number(double value) {
    return QString::fromStdString(numberText(value));
}

QString plainNumber(double value) {
    return QString::fromStdString(plainNumberText(value));
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// The platform's own text colours, set explicitly so that a coloured frame caption does not
// leak into the controls inside the frame.
QPalette plainTextPalette() {
    const QPalette platform = QApplication::palette();
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, platform.color(group, role));
        }
    }
    return palette;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& rect, const QString& caption = {},
                  Qt::Alignment alignment = Qt::AlignLeft, bool boxed = false) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    if (boxed) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
        // Qt indents a framed label's text from its top edge as well, which pushes one line out
        // of a low box: low boxes centre their line, tall ones keep a small even margin.
        if (rect.height() <= twips(375)) {
            label->setAlignment(alignment | Qt::AlignVCenter);
            label->setIndent(2);
        } else {
            label->setIndent(0);
            label->setMargin(2);
        }
    }
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& rect,
                        const QString& caption, const QString& toolTip = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    if (!toolTip.isEmpty()) {
        button->setToolTip(toolTip);
    }
    return button;
}

QScrollBar* makeBar(QWidget* parent, const char* name, const QRect& rect) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    // A tab stop, so that the amount can be chosen with the arrow keys alone.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(rect);
    bar->setRange(0, 0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& rect) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

// A picture box: a sunken border around one of our drawings.
QLabel* makePicture(QWidget* parent, const char* name, const QRect& rect, const QString& art,
                    QSize artSize, const QString& toolTip = {}) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(rect);
    picture->setFrameShape(QFrame::WinPanel);
    picture->setFrameShadow(QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    const QSize room = picture->contentsRect().size();
    picture->setPixmap(renderArt(art, artSize.boundedTo(room), picture->devicePixelRatioF()));
    if (!toolTip.isEmpty()) {
        picture->setToolTip(toolTip);
    }
    return picture;
}

// A frame with a caption. Its controls go on the returned surface, which covers the whole frame
// (so positions stay relative to the frame) and carries the ordinary font and text colours.
QWidget* makeFrame(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                   qreal captionPoints, QGroupBox** frameOut) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(rect);
    frame->setFont(gameFont(captionPoints));
    frame->setFlat(false);
    // Frames are opaque: the report and the mercenaries cover the goods panels beneath them.
    frame->setAutoFillBackground(true);
    frame->hide();
    auto* surface = new QWidget(frame);
    surface->setObjectName(QLatin1String(name) + QLatin1String("_surface"));
    surface->setGeometry(0, 0, rect.width(), rect.height());
    surface->setFont(gameFont(9.75));
    surface->setPalette(plainTextPalette());
    *frameOut = frame;
    return surface;
}

struct GoodsNames {
    const char* frame;
    const char* caption;
    const char* price;
    const char* picture;
    const char* art;
    const char* amount;
    const char* sellBar;
    const char* buyBar;
    const char* buyBarButton;
    const char* sellBarButton;
    const char* barLimit;
    const char* buyTypedButton;
    const char* sellTypedButton;
    const char* box;
    const char* maxCaption;
    const char* lowerLimit;
};

constexpr std::array<GoodsNames, 4> kGoodsNames = {{
    {"zol", "Золото", "Label1", "Picture4", ":/art/gold.svg", "Label2", "scroll", "scroll_1",
     "buy1", "sale1", "Label9", "buy1_1", "sale1_1", "Text1", "Label26", "max1"},
    {"zem", "Земля", "Label3", "Picture5", ":/art/land.svg", "Label4", "scroll1", "scroll1_1",
     "buy2", "sale2", "Label10", "buy2_1", "sale2_1", "Text2", "Label28", "max2"},
    {"zer", "Зерно", "Label5", "Picture6", ":/art/grain.svg", "Label6", "scroll2", "scroll2_1",
     "buy3", "sale3", "Label11", "buy3_1", "sale3_1", "Text3", "Label27", "max3"},
    {"nef", "Нефть", "Label7", "Picture7", ":/art/oil.svg", "Label8", "scroll3", "scroll3_1",
     "buy4", "sale4", "Label12", "buy4_1", "sale4_1", "Text4", "Label29", "max4"},
}};

const QColor kRed(255, 0, 0);

} // namespace

Form1::Form1(KingdomState& state, HallOfFame& hall, RandomSource& random, Platform& platform,
             QWidget* parent)
    : QMainWindow(parent), m_state(state), m_hall(hall), m_random(random), m_platform(platform) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Король \"Велории\""));
    setWindowIcon(veloriaIcon());
    setFont(gameFont(9.75));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);

    buildWindow();
    setupActions();
    // The bars take the arrow keys themselves (see eventFilter).
    for (QScrollBar* bar : findChildren<QScrollBar*>()) {
        bar->installEventFilter(this);
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    load();
}

// ---------------------------------------------------------------------------------------------
// Building the window

void Form1::buildWindow() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setFixedSize(twips(10185), twips(6000));
    setCentralWidget(area);

    m_line1 = new QFrame(area);
    m_line1->setObjectName(QStringLiteral("Line1"));
    m_line1->setFrameShape(QFrame::HLine);
    m_line1->setFrameShadow(QFrame::Plain);
    m_line1->setLineWidth(1);
    m_line1->setGeometry(0, 0, twips(9720), 1);

    m_buy = makeButton(area, "buy", twipRect(120, 120, 1335, 255), QStringLiteral("Покупка"),
                       QStringLiteral("Купить что-нибуть"));
    m_sale = makeButton(area, "Sale", twipRect(1440, 120, 1335, 255), QStringLiteral("Продажа"),
                        QStringLiteral("Продать что-нибудь"));
    m_naemniki = makeButton(area, "naemniki", twipRect(2760, 120, 1335, 255),
                            QStringLiteral("Наёмники"), QStringLiteral("Нанять наёмников"));
    m_dalshe = makeButton(area, "dalshe", twipRect(4080, 120, 1335, 255), QStringLiteral("Дальше"),
                          QStringLiteral("Дальше"));
    connect(m_buy, &QPushButton::clicked, this, &Form1::buy_Click);
    connect(m_sale, &QPushButton::clicked, this, &Form1::Sale_Click);
    connect(m_naemniki, &QPushButton::clicked, this, &Form1::naemniki_Click);
    connect(m_dalshe, &QPushButton::clicked, this, &Form1::dalshe_Click);

    m_label14 = makeLabel(area, "Label14", twipRect(2040, 480, 3135, 375),
                          QStringLiteral("1   год правления"));
    m_label14->setFont(gameFont(14.25));
    setTextColour(m_label14, QColor(192, 0, 192));
    m_label15 = makeLabel(area, "Label15", twipRect(7800, 240, 2055, 375));
    m_label15->setFont(gameFont(14.25));
    setTextColour(m_label15, QColor(0, 0, 255));

    for (const Good good : kGoods) {
        buildGoodsPanel(area, good);
    }
    buildReportPanel(area);
    buildMercenaryPanel(area);
    buildStatusColumn(area);

    m_label19 = makeLabel(area, "Label19", twipRect(120, 5640, 4335, 255),
                          QStringLiteral("Король Велории, 2026: наша игра"));
    m_label19->setFont(gameFont(11.25));
    setTextColour(m_label19, QColor(0, 0, 0));
    m_label20 = makeLabel(area, "Label20", twipRect(4680, 5640, 1455, 255),
                          QString::fromLatin1(kSecondMailAddress));
    setTextColour(m_label20, QColor(0, 0, 255));
    m_label20->setCursor(Qt::PointingHandCursor);
    // An address cut short is no address: the label grows to the right when it must.
    const int addressWidth = m_label20->fontMetrics().horizontalAdvance(m_label20->text()) + 2;
    if (addressWidth > m_label20->width()) {
        m_label20->resize(addressWidth, m_label20->height());
    }
    m_label20->installEventFilter(this);
}

void Form1::buildStatusColumn(QWidget* area) {
    makeLabel(area, "dengi", twipRect(7320, 1080, 855, 255), QStringLiteral("Деньги: $"));
    const auto valueLabel = [area](const char* name, int top) {
        return makeLabel(area, name, twipRect(8280, top, 1815, 255), {}, Qt::AlignRight, true);
    };
    m_money1 = valueLabel("money1", 1080);
    makeLabel(area, "rabochie", twipRect(7320, 1440, 855, 255), QStringLiteral("Рабочие :"));
    m_rabochie1 = valueLabel("rabochie1", 1440);
    makeLabel(area, "soldaty", twipRect(7320, 1800, 855, 255), QStringLiteral("Солдаты:"));
    m_soldaty1 = valueLabel("soldaty1", 1800);
    makeLabel(area, "wsego", twipRect(7320, 2160, 855, 255), QStringLiteral("Всего:"));
    m_wsego1 = valueLabel("wsego1", 2160);
    setTextColour(m_wsego1, QColor(0, 0, 192));

    auto* needed =
        makeLabel(area, "Label21", twipRect(8520, 2640, 1575, 375), QStringLiteral("Требуется :"));
    needed->setFont(gameFont(14.25));
    auto* land =
        makeLabel(area, "Label24", twipRect(7320, 3240, 735, 255), QStringLiteral("Земли "));
    land->setFont(gameFont(11.25));
    setTextColour(land, QColor(128, 64, 0));
    m_label22 = valueLabel("Label22", 3240);
    auto* grain =
        makeLabel(area, "Label25", twipRect(7320, 3720, 735, 255), QStringLiteral("Зерна"));
    grain->setFont(gameFont(11.25));
    setTextColour(grain, QColor(255, 255, 0));
    m_label23 = valueLabel("Label23", 3720);

    auto* mood = makeLabel(area, "nastroenie", twipRect(8280, 4080, 1815, 375),
                           QStringLiteral("Настроение :"));
    mood->setFont(gameFont(14.25));
    m_nasnas = makeLabel(area, "nasnas", twipRect(8280, 4560, 1815, 375), {}, Qt::AlignLeft, true);
    m_nasnas->setFont(gameFont(12));
}

void Form1::buildGoodsPanel(QWidget* area, Good good) {
    const int index = goodIndex(good);
    const GoodsNames& names = kGoodsNames[index];
    GoodsPanel& panel = m_goods[index];
    const bool gold = good == Good::Gold;

    static constexpr std::array<QPoint, 4> kFramePlaces = {
        {{120, 960}, {120, 3240}, {3720, 960}, {3720, 3240}}};
    const QPoint place = kFramePlaces[index];
    QWidget* surface =
        makeFrame(area, names.frame, twipRect(place.x(), place.y(), 3495, 2295),
                  QString::fromUtf8(names.caption), good == Good::Oil ? 11.25 : 12.0, &panel.frame);
    switch (good) {
    case Good::Gold:
        setTextColour(panel.frame, QColor(255, 255, 192));
        break;
    case Good::Land:
        setTextColour(panel.frame, QColor(128, 64, 0));
        break;
    case Good::Grain:
        setTextColour(panel.frame, QColor(255, 255, 0));
        break;
    case Good::Oil:
        break;
    }

    panel.price = makeLabel(surface, names.price,
                            twipRect(good == Good::Grain ? 240 : 120, 360, gold ? 1335 : 975, 255));
    const QSize artSize = good == Good::Grain ? QSize(35, 31) : QSize(33, 32);
    const int pictureLeft = (good == Good::Grain || good == Good::Oil) ? 1440 : 1560;
    panel.picture = makePicture(surface, names.picture, twipRect(pictureLeft, 240, 550, 495),
                                QString::fromLatin1(names.art), artSize);
    panel.amount = makeLabel(surface, names.amount,
                             gold ? twipRect(2280, 360, 1095, 255) : twipRect(2160, 360, 1215, 255),
                             QStringLiteral("1111111111"), Qt::AlignRight);

    // The sell bar and the buy bar share one place; the mode decides which one shows.
    panel.sellBar = makeBar(surface, names.sellBar, twipRect(240, 840, 3015, 255));
    panel.buyBar = makeBar(surface, names.buyBar, twipRect(240, 840, 3015, 255));
    const QString buyCaption = QStringLiteral("купить");
    const QString sellCaption = QStringLiteral("продать");
    panel.buyBarButton =
        makeButton(surface, names.buyBarButton, twipRect(240, 1200, 855, 255), buyCaption);
    panel.sellBarButton =
        makeButton(surface, names.sellBarButton, twipRect(240, 1200, 855, 255), sellCaption);
    panel.barLimit =
        makeLabel(surface, names.barLimit, twipRect(1920, 1200, 1455, 255), {}, Qt::AlignRight);
    panel.buyTypedButton =
        makeButton(surface, names.buyTypedButton, twipRect(240, 1560, 855, 255), buyCaption);
    panel.sellTypedButton =
        makeButton(surface, names.sellTypedButton, twipRect(240, 1560, 855, 255), sellCaption);
    panel.box = makeBox(surface, names.box,
                        gold ? twipRect(1800, 1560, 1575, 285) : twipRect(1920, 1560, 1455, 285));
    panel.box->installEventFilter(this);
    panel.maxCaption = makeLabel(surface, names.maxCaption, twipRect(240, 1920, 855, 255),
                                 QStringLiteral("max:"), Qt::AlignRight);
    panel.lowerLimit = makeLabel(surface, names.lowerLimit,
                                 good == Good::Oil ? twipRect(1680, 1920, 1695, 255)
                                                   : twipRect(1800, 1920, 1575, 255),
                                 {}, Qt::AlignRight);
    panel.sellBar->hide();
    panel.sellBarButton->hide();
    panel.sellTypedButton->hide();

    QLabel* amount = panel.amount;
    const auto showAmount = [amount](int value) { amount->setText(number(value)); };
    for (QScrollBar* bar : {panel.buyBar, panel.sellBar}) {
        connect(bar, &QScrollBar::valueChanged, amount, showAmount);
        connect(bar, &QScrollBar::sliderMoved, amount, showAmount);
    }
    connect(panel.buyBarButton, &QPushButton::clicked, this,
            [this, good] { tradeByBar(good, true); });
    connect(panel.sellBarButton, &QPushButton::clicked, this,
            [this, good] { tradeByBar(good, false); });
    connect(panel.buyTypedButton, &QPushButton::clicked, this,
            [this, good] { tradeTyped(good, true); });
    connect(panel.sellTypedButton, &QPushButton::clicked, this,
            [this, good] { tradeTyped(good, false); });
}

void Form1::buildReportPanel(QWidget* area) {
    QWidget* report = makeFrame(area, "informacia", twipRect(120, 960, 7095, 4575),
                                QStringLiteral("Прошёл год"), 12, &m_informacia);
    m_info = makeLabel(report, "info", twipRect(120, 360, 6855, 4095), {}, Qt::AlignLeft, true);
    // The report has no font of its own: it is written in the toolkit's.
    QFont toolkitFont = QApplication::font();
    // Every attribute is set so that nothing of the window's bold serif is inherited.
    toolkitFont.setFamily(toolkitFont.family());
    toolkitFont.setPointSizeF(toolkitFont.pointSizeF());
    toolkitFont.setWeight(toolkitFont.weight());
    toolkitFont.setItalic(toolkitFont.italic());
    m_info->setFont(toolkitFont);
    // The war announcement is longer than the panel is wide; cut short it would hide the
    // enemy's strength, so long lines wrap (the rule of underscores is one word and just ends).
    m_info->setWordWrap(true);

    QWidget* war = makeFrame(m_informacia, "boy", twipRect(0, 0, 7095, 4575),
                             QStringLiteral("Война"), 12, &m_boy);
    // The frame's background hides the report beneath while the battle is shown.
    m_boy->setAutoFillBackground(true);

    makePicture(war, "Picture1", twipRect(70, 240, 1135, 1575), QStringLiteral(":/art/king.svg"),
                QSize(72, 104), QStringLiteral("Вы"));
    auto* ours =
        makeButton(war, "Command1", twipRect(1200, 240, 2295, 375), QStringLiteral("Ваша армия"));
    auto* theirs =
        makeButton(war, "Command2", twipRect(3480, 240, 2415, 375), QStringLiteral("Враги"));
    for (auto [button, colour] :
         {std::pair{ours, QColor(0, 255, 0)}, std::pair{theirs, QColor(128, 128, 255)}}) {
        button->setFont(gameFont(12));
        button->setEnabled(false);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, colour);
        // The headings are disabled buttons, yet they must stay readable on their colours.
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(72, 72, 72));
        button->setPalette(palette);
        button->setAutoFillBackground(true);
    }
    makePicture(war, "Picture2", twipRect(5880, 240, 1135, 1575), QStringLiteral(":/art/enemy.svg"),
                QSize(72, 104), QStringLiteral("Вражеский военачальник"));

    m_boy1 = makeLabel(war, "boy1", twipRect(1200, 600, 2295, 1215), {}, Qt::AlignLeft, true);
    m_boy2 = makeLabel(war, "boy2", twipRect(3480, 600, 2415, 1215), {}, Qt::AlignLeft, true);
    m_boy1->setFont(gameFont(36));
    m_boy2->setFont(gameFont(36));
    m_pobeda = makeLabel(war, "pobeda", twipRect(120, 1800, 6855, 375), {}, Qt::AlignLeft, true);
    m_pobeda->setFont(gameFont(15.75));
    m_label13 =
        makeLabel(war, "Label13", twipRect(2760, 2280, 1575, 375), QStringLiteral("Захвачено:"));
    m_label13->setFont(gameFont(14.25));
    setTextColour(m_label13, QColor(128, 0, 0));
    m_trofey = makeLabel(war, "trofey", twipRect(1080, 2760, 2415, 1005), {}, Qt::AlignLeft, true);
    m_trofey1 =
        makeLabel(war, "trofey1", twipRect(3480, 2760, 2415, 1005), {}, Qt::AlignLeft, true);
    m_command3 = makeButton(war, "Command3", twipRect(2880, 3960, 1095, 375), QStringLiteral("OK"),
                            QStringLiteral("Навоевался"));
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::buildMercenaryPanel(QWidget* area) {
    QWidget* panel = makeFrame(area, "naemniki1", twipRect(120, 960, 7095, 4575),
                               QStringLiteral("Наёмники"), 12, &m_naemniki1);
    makePicture(panel, "Picture3", twipRect(5280, 360, 1140, 1575),
                QStringLiteral(":/art/mercenary.svg"), QSize(72, 104));
    m_label16 = makeLabel(panel, "Label16", twipRect(720, 1080, 1335, 255));
    m_label17 = makeLabel(panel, "Label17", twipRect(2520, 1080, 1575, 255), {}, Qt::AlignRight);
    m_scroll4 = makeBar(panel, "scroll4", twipRect(720, 1680, 3375, 255));
    m_scroll4->setRange(0, 32767);
    m_buy5 = makeButton(panel, "buy5", twipRect(720, 2160, 975, 255), QStringLiteral("нанять"));
    m_label18 = makeLabel(panel, "Label18", twipRect(2040, 2160, 2055, 255), QStringLiteral("max:"),
                          Qt::AlignRight);
    m_buy5_1 = makeButton(panel, "buy5_1", twipRect(720, 2640, 975, 255), QStringLiteral("нанять"));
    m_text5 = makeBox(panel, "Text5", twipRect(2520, 2640, 1575, 285));
    m_text5->installEventFilter(this);
    makeLabel(panel, "Label30", twipRect(720, 3120, 975, 255), QStringLiteral("max:"),
              Qt::AlignRight);
    m_max5 = makeLabel(panel, "max5", twipRect(2520, 3120, 1575, 255), {}, Qt::AlignRight);

    QLabel* position = m_label17;
    const auto showPosition = [position](int value) { position->setText(number(value)); };
    connect(m_scroll4, &QScrollBar::valueChanged, position, showPosition);
    connect(m_scroll4, &QScrollBar::sliderMoved, position, showPosition);
    connect(m_buy5, &QPushButton::clicked, this, &Form1::buy5_Click);
    connect(m_buy5_1, &QPushButton::clicked, this, &Form1::buy5_1_Click);
}

void Form1::setupActions() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // Menus speak in the desktop's own font, not in the window's.
    bar->setFont(QApplication::font(bar));

    m_files = bar->addMenu(QStringLiteral("&Игра"));
    m_files->setObjectName(QStringLiteral("files"));
    m_files->menuAction()->setObjectName(QStringLiteral("files_action"));
    const auto item = [this](const char* name, const QString& caption, Qt::Key key) {
        QAction* action = m_files->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(QKeySequence(key));
        return action;
    };
    m_newgame = item("newgame", QStringLiteral("Новая игра"), Qt::Key_F2);
    m_savegame = item("savegame", QStringLiteral("Сохранить"), Qt::Key_F3);
    m_loadgame = item("loadgame", QStringLiteral("Загрузить"), Qt::Key_F4);
    m_quitgame = item("quitgame", QStringLiteral("Выход"), Qt::Key_F12);

    const auto command = [this, bar](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QLatin1String(name));
        addAction(action);
        return action;
    };
    m_tablica = command("tablica", QStringLiteral("&Таблица"));
    m_pravila = command("pravila", QStringLiteral("&Правила"));
    m_aboutgame = command("aboutgame", QStringLiteral("&О программе"));

    connect(m_newgame, &QAction::triggered, this, &Form1::newgame_Click);
    connect(m_savegame, &QAction::triggered, this, &Form1::savegame_Click);
    connect(m_loadgame, &QAction::triggered, this, &Form1::loadgame_Click);
    connect(m_quitgame, &QAction::triggered, this, &Form1::quitgame_Click);
    connect(m_tablica, &QAction::triggered, this, &Form1::tablica_Click);
    connect(m_pravila, &QAction::triggered, this, &Form1::pravila_Click);
    connect(m_aboutgame, &QAction::triggered, this, &Form1::aboutgame_Click);

    // F1 asks for the rules, as in most desktop programs.
    auto* rules = new QAction(this);
    rules->setObjectName(QStringLiteral("rulesKey"));
    rules->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(rules);
    connect(rules, &QAction::triggered, this, &Form1::pravila_Click);
}

void Form1::placeOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - twips(9600)) / 2,
         area.top() + (area.height() - twips(5550)) / 2);
}

void Form1::load() {
    placeOnScreen();
    setWindowTitle(text(kMainCaptionPrefix) + QString::fromStdString(m_state.kingName));
    initKingdom(m_state, m_random);
    refreshStatus();
    setEnabled(true);
    setCommandButtonsEnabled(true);
    showYearLabel();
    buy_Click();
}

// ---------------------------------------------------------------------------------------------
// Display refreshes

void Form1::showYearLabel() {
    m_label14->setText(QString::fromStdString(yearLabelText(m_state.year)));
}

void Form1::showMoodWord() {
    if (const auto word = moodWord(m_state.moodLevel)) {
        m_nasnas->setText(text(*word));
    }
}

void Form1::refreshStatus() {
    const StatusView view = statusView(m_state);
    const QColor normal = QApplication::palette().color(QPalette::ButtonText);
    setTextColour(m_label23, view.grainWarning ? kRed : normal);
    setTextColour(m_label22, view.landWarning ? kRed : normal);
    m_money1->setText(QString::fromStdString(view.money));
    m_rabochie1->setText(QString::fromStdString(view.workers));
    m_soldaty1->setText(QString::fromStdString(view.soldiers));
    m_wsego1->setText(QString::fromStdString(view.total));
    m_label22->setText(QString::fromStdString(view.landNeeded));
    m_label23->setText(QString::fromStdString(view.grainNeeded));
    if (view.moodWord) {
        m_nasnas->setText(text(*view.moodWord));
    }
}

void Form1::setBarMaximum(QScrollBar* bar, int maximum) {
    // A bar cannot reach below its minimum; the label shows the true figure from m_limits.
    bar->setRange(0, std::max(0, maximum));
}

void Form1::refreshMarket() {
    m_limits = ::refreshMarket(m_state);
    for (const Good good : kGoods) {
        const int i = goodIndex(good);
        setBarMaximum(m_goods[i].sellBar, m_limits.sellBarMax[i]);
    }
    for (const GoodsPanel& panel : m_goods) {
        panel.buyBar->setValue(0);
    }
    for (const GoodsPanel& panel : m_goods) {
        panel.sellBar->setValue(0);
    }
    for (const Good good : kGoods) {
        const int i = goodIndex(good);
        GoodsPanel& panel = m_goods[i];
        panel.lowerLimit->setText(plainNumber(purchaseMaxOf(m_state, good)));
        setBarMaximum(panel.buyBar, m_limits.buyBarMax[i]);
    }
    for (const Good good : kGoods) {
        GoodsPanel& panel = m_goods[goodIndex(good)];
        panel.frame->setTitle(text(goodCaption(good)) + number(stockOf(m_state, good)));
        panel.price->setText(QStringLiteral("Цена: ") + number(priceOf(m_state, good)));
    }
    for (const GoodsPanel& panel : m_goods) {
        panel.amount->setText(QStringLiteral("0"));
    }
    m_money1->setText(number(m_state.money));
}

void Form1::showBuyLimits() {
    for (std::size_t i = 0; i < m_goods.size(); ++i) {
        m_goods[i].barLimit->setText(QStringLiteral("max: ") + number(m_limits.buyBarMax[i]));
    }
}

void Form1::showSellLimits() {
    for (std::size_t i = 0; i < m_goods.size(); ++i) {
        m_goods[i].barLimit->setText(QStringLiteral("max: ") + number(m_limits.sellBarMax[i]));
    }
    for (std::size_t i = 0; i < m_goods.size(); ++i) {
        m_goods[i].lowerLimit->setText(QStringLiteral("max: ") + number(m_limits.sellBarMax[i]));
    }
}

BarMaxima Form1::barMaxima() const {
    return {m_limits.sellBarMax[0], m_limits.sellBarMax[1], m_limits.sellBarMax[2],
            m_limits.sellBarMax[3], m_mercenaryBarMax,      m_limits.buyBarMax[0],
            m_limits.buyBarMax[1],  m_limits.buyBarMax[2],  m_limits.buyBarMax[3]};
}

void Form1::restoreBarMaxima() {
    const KingdomState& s = m_state;
    m_limits.sellBarMax = {barRange(s.sliderMax1), barRange(s.sliderMax2), barRange(s.sliderMax3),
                           barRange(s.sliderMax4)};
    m_mercenaryBarMax = barRange(s.sliderMax5);
    m_limits.buyBarMax = {barRange(s.sliderMax6), barRange(s.sliderMax7), barRange(s.sliderMax8),
                          barRange(s.sliderMax9)};
    for (std::size_t i = 0; i < m_goods.size(); ++i) {
        setBarMaximum(m_goods[i].sellBar, m_limits.sellBarMax[i]);
        setBarMaximum(m_goods[i].buyBar, m_limits.buyBarMax[i]);
    }
    setBarMaximum(m_scroll4, m_mercenaryBarMax);
}

// ---------------------------------------------------------------------------------------------
// Trading panels

void Form1::setTradingMode(bool buying) {
    for (const GoodsPanel& panel : m_goods) {
        panel.frame->show();
    }
    for (const GoodsPanel& panel : m_goods) {
        panel.sellBarButton->setVisible(!buying);
        panel.sellTypedButton->setVisible(!buying);
        panel.buyBarButton->setVisible(buying);
        panel.buyTypedButton->setVisible(buying);
    }
    for (const GoodsPanel& panel : m_goods) {
        panel.buyBar->setVisible(buying);
        panel.sellBar->setVisible(!buying);
    }
}

void Form1::buy_Click() {
    m_label15->setText(QStringLiteral("Покупайте!"));
    m_naemniki1->hide();
    m_informacia->hide();
    showYearLabel();
    refreshStatus();
    setTradingMode(true);
    refreshMarket();
    showBuyLimits();
}

void Form1::Sale_Click() {
    m_label15->setText(QStringLiteral("Продавайте!"));
    m_naemniki1->hide();
    m_informacia->hide();
    setTradingMode(false);
    refreshMarket();
    showSellLimits();
}

void Form1::tradeByBar(Good good, bool buying) {
    const GoodsPanel& panel = m_goods[goodIndex(good)];
    const TradeResult result = buying ? buyByBar(m_state, good, panel.buyBar->value())
                                      : sellByBar(m_state, good, panel.sellBar->value());
    if (result == TradeResult::Done) {
        afterTrade(good, buying);
    }
}

void Form1::tradeTyped(Good good, bool buying) {
    QLineEdit* box = m_goods[goodIndex(good)].box;
    const std::string typed = box->text().toStdString();
    const TradeResult result =
        buying ? buyTyped(m_state, good, typed) : sellTyped(m_state, good, typed);
    switch (result) {
    case TradeResult::Ignored:
        return;
    case TradeResult::Refused:
        box->clear();
        m_platform.beep();
        return;
    case TradeResult::Done:
        box->clear();
        afterTrade(good, buying);
        return;
    }
}

void Form1::afterTrade(Good good, bool buying) {
    refreshMarket();
    if (buying) {
        showBuyLimits();
    } else {
        showSellLimits();
    }
    if (tradeRefreshesStatus(good)) {
        refreshStatus();
    }
}

// ---------------------------------------------------------------------------------------------
// Mercenaries

void Form1::naemniki_Click() {
    m_label15->clear();
    m_naemniki1->show();
    m_informacia->hide();
    m_naemniki1->setTitle(QStringLiteral("Наёмники "));
    m_label16->setText(QStringLiteral("Цена : ") + number(m_state.mercenaryPrice));
    m_label17->setText(number(m_scroll4->value()));
    const MercenaryLimits limits = mercenaryLimits(m_state);
    m_mercenaryBarMax = limits.barMax;
    setBarMaximum(m_scroll4, limits.barMax);
    m_label18->setText(QStringLiteral("max :") + number(limits.barMax));
    m_max5->setText(plainNumber(limits.payable));
}

void Form1::buy5_Click() {
    hireByBar(m_state, m_scroll4->value());
    refreshStatus();
    m_scroll4->setValue(0);
    m_label17->setText(number(0));
    naemniki_Click();
}

void Form1::buy5_1_Click() {
    switch (hireTyped(m_state, m_text5->text().toStdString())) {
    case TradeResult::Ignored:
        return;
    case TradeResult::Refused:
        m_text5->clear();
        m_platform.beep();
        return;
    case TradeResult::Done:
        m_text5->clear();
        refreshStatus();
        naemniki_Click();
        return;
    }
}

// ---------------------------------------------------------------------------------------------
// The year and the war panel

void Form1::setCommandButtonsEnabled(bool enabled) {
    for (QPushButton* button : {m_buy, m_sale, m_naemniki, m_dalshe}) {
        button->setEnabled(enabled);
    }
}

void Form1::dalshe_Click() {
    m_label15->clear();
    m_naemniki1->hide();
    m_informacia->show();

    const YearResult year = nextYear(m_state, m_random);
    showMoodWord();
    if (!year.stoppedBeforeHarvest) {
        if (year.starved) {
            m_rabochie1->setText(number(m_state.workers));
            m_wsego1->setText(number(m_state.soldiers + m_state.workers));
            showMessage(QString::fromStdString(starvationMessage()));
            newgame_Click();
            return;
        }
        refreshStatus();
        if (year.battle) {
            showBattle(*year.battle);
        } else if (year.shownReport) {
            m_boy->hide();
            m_informacia->show();
            m_info->setText(QString::fromStdString(*year.shownReport));
        }
        showYearLabel();
        if (year.reignComplete) {
            endReign();
        }
    }
    if (year.overthrown) {
        showMessage(QString::fromStdString(overthrowMessage()));
        newgame_Click();
    }
}

void Form1::showBattle(const BattleReport& battle) {
    setCommandButtonsEnabled(false);
    m_boy->show();
    m_boy1->setText(number(battle.kingArmy));
    m_boy2->setText(number(battle.enemyArmy));
    m_pobeda->setText(text(battleOutcomeText(battle.outcome)));
    if (battle.outcome == BattleOutcome::Draw) {
        // Nothing changed hands: an earlier battle's spoils must not look like this one's.
        m_label13->clear();
        m_trofey->clear();
        m_trofey1->clear();
        return;
    }
    m_label13->setText(text(battleHeading(battle.outcome)));
    m_trofey->setText(QString::fromStdString(trophyGoodsText(battle)));
    m_trofey1->setText(QString::fromStdString(trophyPeopleText(battle)));
}

void Form1::Command3_Click() {
    m_boy->hide();
    m_informacia->show();
    m_info->setText(QString::fromStdString(closeBattle(m_state)));
    setCommandButtonsEnabled(true);
}

void Form1::showMessage(const QString& message) {
    m_platform.message(this, windowTitle(), message, false);
}

// ---------------------------------------------------------------------------------------------
// Leaving the game

void Form1::newgame_Click() {
    if (m_leaving) {
        return;
    }
    m_leaving = true;
    // The name dialog is shown before this window goes, so the program never finds itself
    // without a window and quits.
    emit newGameRequested();
    close();
}

void Form1::quitgame_Click() {
    m_leaving = true;
    close();
}

// ---------------------------------------------------------------------------------------------
// Keys and clicks

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const bool amountBox =
            watched == m_text5 || std::any_of(m_goods.begin(), m_goods.end(),
                                              [watched](auto& p) { return watched == p.box; });
        if (amountBox) {
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
    }
    if (auto* bar = qobject_cast<QScrollBar*>(watched); bar && event->type() == QEvent::KeyPress) {
        // The toolkit's bars ignore the arrow keys; a player without a mouse needs them.
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
            break;
        }
    }
    if (watched == m_label20 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_label20->rect().contains(mouse->position().toPoint())) {
            Label20_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
