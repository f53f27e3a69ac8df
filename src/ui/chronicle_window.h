// The chronicle window: the reign year by year in a table, the chosen year's report and a chart.
#pragma once

#include <array>
#include <cstdint>

#include <QAbstractTableModel>
#include <QWidget>

#include "sim/chronicle.h"

class ChronicleChart;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The table's rows are the chronicle's entries; the model follows the chronicle by its counters,
// so a new year end inserts one row instead of rebuilding the table.
class ChronicleTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Year,
        Workers,
        Soldiers,
        Total,
        Land,
        Grain,
        Money,
        Gold,
        Oil,
        Mood,
        Rating,
        Events,
        ColumnCount
    };

    explicit ChronicleTableModel(const Chronicle& chronicle, QObject* parent = nullptr);

    void setChronicle(const Chronicle& chronicle); // another chronicle: the rows start over
    void follow(); // the chronicle changed: rows dropped at the front, appended, or all new

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The whole table as tab-separated lines, the header first, for a spreadsheet.
    QString tabSeparated() const;

private:
    const Chronicle* m_chronicle;
    std::uint64_t m_generation = 0;
    std::uint64_t m_dropped = 0;
    int m_rows = 0;
};

// A plain window beside the game: it blocks nothing and follows the reign while it is open.
class ChronicleWindow final : public QWidget {
    Q_OBJECT
public:
    // The chronicle belongs to the caller and must outlive the window (or keepFinishedReign).
    explicit ChronicleWindow(const Chronicle& chronicle, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    ChronicleChart* chart() const { return m_chart; }

public slots:
    // Call after every change: a year end recorded, a battle closed, a restart or a restore.
    void chronicleChanged();
    // A reign has ended and the caller's chronicle is about to start anew: the window keeps a
    // copy of the finished reign and stops following until it is closed.
    void keepFinishedReign();
    // The table as tab-separated text on the clipboard («Копировать», Ctrl+C).
    void copyTable();

private:
    void showReport();
    void adoptChronicle(const Chronicle& chronicle);

    const Chronicle* m_chronicle;
    Chronicle m_finished; // the copy a finished reign is kept in
    ChronicleTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QPlainTextEdit* m_report = nullptr;
    ChronicleChart* m_chart = nullptr;
    std::array<QCheckBox*, 7> m_seriesBoxes{};
    QPushButton* m_copy = nullptr;
    QString m_shownReport;
};
