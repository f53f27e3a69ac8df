// The chronicle window: its two pages, the report of the chosen year, following and copying.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chronicle/chronicle_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/a11y/accessibility.h"
#include "ui/base/controls.h"
#include "ui/base/twips.h"
#include "ui/chronicle/chronicle_chart.h"
#include "ui/chronicle/chronicle_interfaces.h"
#include "ui/chronicle/chronicle_table.h"
#include "ui/i18n/rule_texts.h"

namespace {

const char* const kSeriesKeys[ChronicleChart::SeriesCount] = {
    "population", "workers", "soldiers", "land", "grain", "money", "rating"};

} // namespace

ChronicleWindow::ChronicleWindow(const Chronicle& chronicle, QWidget* parent)
    : QWidget(parent, Qt::Window), m_chronicle(&chronicle) {
    setObjectName(QStringLiteral("chronicle"));
    installAccessibleRoles();
    chronicleAccessibility::install();
    //: The chronicle of the reign.
    setWindowTitle(tr("Летопись"));
    setFont(gameFont(9.75));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);

    // Faces the main window has already loaded (see ChronicleTable).
    m_table = new ChronicleTable(chronicle);
    m_report = new ReportView;
    m_report->setFont(wholeFont(QApplication::font())); // as the report panel writes it

    auto* tablePage = new QSplitter(Qt::Vertical);
    tablePage->setObjectName(QStringLiteral("chronicleTablePage"));
    tablePage->addWidget(m_table);
    tablePage->addWidget(m_report);
    tablePage->setStretchFactor(0, 3);
    tablePage->setStretchFactor(1, 2);
    tablePage->setChildrenCollapsible(false);

    m_chart = new ChronicleChart(chronicle);
    auto* toggles = new QHBoxLayout;
    toggles->setSpacing(8);
    for (int series = 0; series < ChronicleChart::SeriesCount; ++series) {
        auto* box = new QCheckBox(ChronicleChart::seriesName(series));
        box->setObjectName(QStringLiteral("chronicleSeries_") + QLatin1String(kSeriesKeys[series]));
        box->setChecked(true);
        box->setFont(gameFont(9));
        QPalette colours = box->palette();
        colours.setColor(QPalette::WindowText, ChronicleChart::seriesColour(series).darker(115));
        box->setPalette(colours);
        connect(box, &QCheckBox::toggled, m_chart,
                [this, series](bool on) { m_chart->setSeriesVisible(series, on); });
        m_seriesBoxes[std::size_t(series)] = box;
        toggles->addWidget(box);
    }
    toggles->addStretch();
    auto* chartPage = new QWidget;
    chartPage->setObjectName(QStringLiteral("chronicleChartPage"));
    auto* chartLayout = new QVBoxLayout(chartPage);
    chartLayout->setContentsMargins(4, 4, 4, 4);
    chartLayout->addLayout(toggles);
    chartLayout->addWidget(m_chart, 1);

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("chroniclePages"));
    // Named for a screen reader, which would otherwise find it nameless. Its tab bar reads as
    // the page shown, as every Qt tab bar does.
    //: The chronicle window's two pages, as a screen reader names them.
    m_pages->setAccessibleName(tr("Страницы летописи"));
    //: The page with the chronicle's table (not the table of the best kings).
    m_pages->addTab(tablePage, tr("&Таблица"));
    m_pages->addTab(chartPage, tr("&График"));
    m_copy = new QPushButton(tr("Копировать"));
    m_copy->setObjectName(QStringLiteral("chronicleCopy"));
    m_copy->setToolTip(tr("Скопировать таблицу для электронной таблицы (Ctrl+C)"));
    connect(m_copy, &QPushButton::clicked, this, &ChronicleWindow::copyTable);
    m_pages->setCornerWidget(m_copy, Qt::TopRightCorner);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_pages);

    setTabOrder(m_table, m_report);
    QWidget* previous = m_report;
    for (QCheckBox* box : m_seriesBoxes) {
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_copy);

    // The whole table, wherever the keyboard is.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &ChronicleWindow::copyTable);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(m_table, &ChronicleTable::currentRowChanged, this, &ChronicleWindow::showReport);
    // The size of the main window's age: the table's figures side by side, a report whole. A
    // larger window is the player's to make; each pixel of it is memory while it is open.
    QSize size(640, 480);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    }
    resize(size);
    if (m_table->rowCount() > 0) {
        m_table->setCurrentRow(m_table->rowCount() - 1);
        m_table->scrollToBottom();
    }
}

void ChronicleWindow::chronicleChanged() {
    const int before = m_table->rowCount();
    const int current = m_table->currentRow();
    const bool atNewest = current < 0 || current == before - 1;
    m_table->follow();
    const int rows = m_table->rowCount();
    // A reader at the newest year keeps reading the newest; one looking back stays there.
    if (rows > 0 && (atNewest || rows < before)) {
        m_table->setCurrentRow(rows - 1);
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
    const int current = m_table->currentRow();
    m_table->setChronicle(chronicle);
    m_chart->setChronicle(chronicle);
    m_table->setCurrentRow(current);
    showReport();
}

void ChronicleWindow::showReport() {
    const int row = m_table->currentRow();
    m_report->setText(row >= 0 && row < m_table->rowCount()
                          ? ruletext::report(m_chronicle->entries[std::size_t(row)].report)
                          : QString());
}

void ChronicleWindow::copyTable() {
    QApplication::clipboard()->setText(m_table->tabSeparated());
}
