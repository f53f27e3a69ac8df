// Not a test: pictures of the chronicle window after a long reign with wars, to be looked at.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTableView>

#include <cstdio>

#include "chronicle_reign.h"
#include "ui/application.h"
#include "ui/chronicle_chart.h"
#include "ui/chronicle_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    prepareApplication();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    Chronicle chronicle;
    playFullReign(chronicle);
    ChronicleWindow window(chronicle);
    window.show();
    window.table()->selectRow(60);
    app.processEvents();
    bool ok = window.grab().save(folder.filePath(QStringLiteral("chronicle_reign.png")));
    for (const char* hidden : {"chronicleSeries_population", "chronicleSeries_workers",
                               "chronicleSeries_land", "chronicleSeries_grain"}) {
        window.findChild<QCheckBox*>(QLatin1String(hidden))->setChecked(false);
    }
    app.processEvents();
    ok = window.grab().save(folder.filePath(QStringLiteral("chronicle_three_series.png"))) && ok;

    Chronicle empty;
    ChronicleWindow fresh(empty);
    fresh.show();
    app.processEvents();
    ok = fresh.grab().save(folder.filePath(QStringLiteral("chronicle_empty.png"))) && ok;
    std::printf("%zu entries, pictures in %s\n", chronicle.entries.size(),
                qPrintable(folder.absolutePath()));
    return ok ? 0 : 1;
}
