// The chronicle window: its table model, the report of the chosen year, the chart and copying.
#include "ui/chronicle_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "ui/chronicle_chart.h"
#include "ui/text_cache.h"
#include "ui/twips.h"

namespace {

// Cells drawn as plain text from laid-out texts kept between paints: the style's own item
// painting measures and shapes every cell again for eliding and focus frames, which cost most of
// a year end's repaint while the window is open. A new row shifts the others, whose texts stay.
class PlainCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        if (selected) {
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        }
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        m_texts.draw(*painter, option.rect.adjusted(3, 0, -3, 0),
                     index.data(Qt::TextAlignmentRole).toInt() | Qt::AlignVCenter,
                     index.data(Qt::DisplayRole).toString());
    }

private:
    mutable TextCache m_texts;
};

const char* const kColumnTitles[ChronicleTableModel::ColumnCount] = {
    "Год",    "Рабочие", "Солдаты", "Всего",      "Земля",   "Зерно",
    "Деньги", "Золото",  "Нефть",   "Настроение", "Рейтинг", "События"};

const char* const kSeriesKeys[ChronicleChart::SeriesCount] = {
    "population", "workers", "soldiers", "land", "grain", "money", "rating"};

QString cellText(const ChronicleEntry& e, int column) {
    const double numbers[] = {e.year,  e.workers, e.soldiers, e.total, e.land,
                              e.grain, e.money,   e.gold,     e.oil};
    if (column < ChronicleTableModel::Mood) {
        return QString::fromStdString(plainNumberText(numbers[column]));
    }
    switch (column) {
    case ChronicleTableModel::Mood:
        return QString::fromStdString(e.mood);
    case ChronicleTableModel::Rating:
        return QString::fromStdString(plainNumberText(e.rating));
    default:
        return QString::fromStdString(e.events);
    }
}

} // namespace

ChronicleTableModel::ChronicleTableModel(const Chronicle& chronicle, QObject* parent)
    : QAbstractTableModel(parent), m_chronicle(&chronicle), m_generation(chronicle.generation),
      m_dropped(chronicle.dropped), m_rows(int(chronicle.entries.size())) {}

void ChronicleTableModel::setChronicle(const Chronicle& chronicle) {
    beginResetModel();
    m_chronicle = &chronicle;
    m_generation = chronicle.generation;
    m_dropped = chronicle.dropped;
    m_rows = int(chronicle.entries.size());
    endResetModel();
}

void ChronicleTableModel::follow() {
    const Chronicle& c = *m_chronicle;
    if (c.generation != m_generation || c.dropped < m_dropped) {
        setChronicle(c);
        return;
    }
    const int gone = int(std::min<std::uint64_t>(c.dropped - m_dropped, std::uint64_t(m_rows)));
    if (gone > 0) {
        beginRemoveRows({}, 0, gone - 1);
        m_rows -= gone;
        m_dropped = c.dropped;
        endRemoveRows();
    }
    const int now = int(c.entries.size());
    if (now > m_rows) {
        beginInsertRows({}, m_rows, now - 1);
        m_rows = now;
        endInsertRows();
    } else if (now < m_rows) { // cannot happen without a restart; start over to be safe
        setChronicle(c);
        return;
    }
    // A closed battle may have rewritten the last entry's report.
    if (m_rows > 0) {
        emit dataChanged(index(m_rows - 1, 0), index(m_rows - 1, ColumnCount - 1));
    }
}

int ChronicleTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ChronicleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChronicleTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows) {
        return {};
    }
    const ChronicleEntry& e = m_chronicle->entries[std::size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (role == Qt::ToolTipRole && index.column() != Events) {
            return {};
        }
        return cellText(e, index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() >= Mood && index.column() != Rating
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ChronicleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return QString::fromUtf8(kColumnTitles[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString ChronicleTableModel::tabSeparated() const {
    QStringList lines;
    QStringList cells;
    for (const char* title : kColumnTitles) {
        cells << QString::fromUtf8(title);
    }
    lines << cells.join(QLatin1Char('\t'));
    for (int row = 0; row < m_rows; ++row) {
        cells.clear();
        for (int column = 0; column < ColumnCount; ++column) {
            cells << cellText(m_chronicle->entries[std::size_t(row)], column);
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

ChronicleWindow::ChronicleWindow(const Chronicle& chronicle, QWidget* parent)
    : QWidget(parent, Qt::Window), m_chronicle(&chronicle) {
    setObjectName(QStringLiteral("chronicle"));
    setWindowTitle(QStringLiteral("Летопись"));
    setFont(gameFont(9.75));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);

    m_model = new ChronicleTableModel(chronicle, this);
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("chronicleTable"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new PlainCellDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideNone);
    m_table->setTabKeyNavigation(false); // Tab goes on to the report and the series
    m_table->setFont(gameFont(9.75, false));
    m_table->verticalHeader()->hide();
    // Fixed row heights and column widths: measuring the contents would cost every row on each
    // year end.
    const QFontMetrics metrics(m_table->font());
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    QHeaderView* header = m_table->horizontalHeader();
    header->setFont(gameFont(9.75));
    header->setStretchLastSection(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const int widths[] = {5, 8, 8, 8, 8, 9, 11, 7, 7, 0, 8};
    for (int column = 0; column < ChronicleTableModel::Mood; ++column) {
        m_table->setColumnWidth(column, digit * widths[column]);
    }
    m_table->setColumnWidth(ChronicleTableModel::Mood,
                            metrics.horizontalAdvance(QStringLiteral("Вас Боготворят")) + 24);
    m_table->setColumnWidth(ChronicleTableModel::Rating, digit * widths[10]);

    m_report = new QPlainTextEdit;
    m_report->setObjectName(QStringLiteral("chronicleReport"));
    m_report->setReadOnly(true);
    m_report->setTabChangesFocus(true);
    // Lines as the report panel shows them: the rule of 89 underscores stays one line, and a
    // narrow pane scrolls sideways rather than breaking it.
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_report->setFont(gameFont(9, false));
    m_report->setPlaceholderText(QStringLiteral("Выберите год, чтобы прочитать его доклад."));

    m_chart = new ChronicleChart(chronicle);

    auto* toggles = new QHBoxLayout;
    toggles->setSpacing(12);
    for (int series = 0; series < ChronicleChart::SeriesCount; ++series) {
        auto* box = new QCheckBox(ChronicleChart::seriesName(series));
        box->setObjectName(QStringLiteral("chronicleSeries_") + QLatin1String(kSeriesKeys[series]));
        box->setChecked(true);
        QPalette colours = box->palette();
        colours.setColor(QPalette::WindowText, ChronicleChart::seriesColour(series).darker(115));
        box->setPalette(colours);
        connect(box, &QCheckBox::toggled, m_chart,
                [this, series](bool on) { m_chart->setSeriesVisible(series, on); });
        m_seriesBoxes[std::size_t(series)] = box;
        toggles->addWidget(box);
    }
    toggles->addStretch();
    m_copy = new QPushButton(QStringLiteral("Копировать"));
    m_copy->setObjectName(QStringLiteral("chronicleCopy"));
    m_copy->setToolTip(QStringLiteral("Скопировать таблицу для электронной таблицы (Ctrl+C)"));
    connect(m_copy, &QPushButton::clicked, this, &ChronicleWindow::copyTable);
    toggles->addWidget(m_copy);

    // The table across the top; the chart below it beside the chosen year's report.
    auto* chartPart = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPart);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addLayout(toggles);
    chartLayout->addWidget(m_chart, 1);

    auto* lower = new QSplitter(Qt::Horizontal);
    lower->addWidget(chartPart);
    lower->addWidget(m_report);
    lower->setStretchFactor(0, 6);
    lower->setStretchFactor(1, 5);
    lower->setChildrenCollapsible(false);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_table);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(splitter);

    setTabOrder(m_table, m_report);
    QWidget* previous = m_report;
    for (QCheckBox* box : m_seriesBoxes) {
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_copy);

    // The whole table, not the current cell as the view alone would copy.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &ChronicleWindow::copyTable);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ChronicleWindow::showReport);
    // Room for the chart and a whole report where the screen has it; smaller screens keep it all
    // on screen.
    QSize size(1260, 780);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    }
    resize(size);
    if (m_model->rowCount() > 0) {
        m_table->selectRow(m_model->rowCount() - 1);
        m_table->scrollToBottom();
    }
}

void ChronicleWindow::chronicleChanged() {
    const int before = m_model->rowCount();
    const int current = m_table->currentIndex().row();
    m_model->follow();
    const int rows = m_model->rowCount();
    // A reader at the newest year keeps reading the newest; one looking back stays there.
    if (rows > 0 && (current < 0 || current == before - 1 || rows < before)) {
        m_table->selectRow(rows - 1);
        m_table->scrollToBottom();
    }
    showReport();
    m_chart->update();
}

void ChronicleWindow::keepFinishedReign() {
    m_finished = *m_chronicle;
    adoptChronicle(m_finished);
}

void ChronicleWindow::adoptChronicle(const Chronicle& chronicle) {
    m_chronicle = &chronicle;
    const int current = m_table->currentIndex().row();
    m_model->setChronicle(chronicle);
    m_chart->setChronicle(chronicle);
    if (current >= 0 && current < m_model->rowCount()) {
        m_table->selectRow(current);
    }
    showReport();
}

void ChronicleWindow::showReport() {
    const int row = m_table->currentIndex().row();
    QString text;
    if (row >= 0 && row < m_model->rowCount()) {
        text = QString::fromStdString(m_chronicle->entries[std::size_t(row)].report);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    // The text is laid out again only when another one is shown.
    if (text != m_shownReport) {
        m_shownReport = text;
        m_report->setPlainText(text);
    }
}

void ChronicleWindow::copyTable() {
    QApplication::clipboard()->setText(m_model->tabSeparated());
}
