// The real platform calls.
#include "ui/platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::message(QWidget* parent, const QString& title, const QString& text,
                         bool informationIcon) {
    QMessageBox box(informationIcon ? QMessageBox::Information : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

// Replaced by the help viewer.
void QtPlatform::winHelp(QWidget*, const QString&, unsigned, const QVariant&) {}
