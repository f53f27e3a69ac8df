// The platform calls the windows make (beep, message boxes, the shell, the help viewer),
// behind one interface so that window tests can watch them instead of blocking on them.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

class Platform {
public:
    virtual ~Platform() = default;
    virtual void beep() = 0;
    // A modal message box with the single button OK; returns when it is closed.
    virtual void message(QWidget* parent, const QString& title, const QString& text,
                         bool informationIcon) = 0;
    // The shell's default action for a web or "mailto:" address; returns at once, failures
    // are ignored.
    virtual void openUrl(const QUrl& url) = 0;
};

// The real platform: QApplication::beep, QMessageBox, QDesktopServices.
class QtPlatform final : public Platform {
public:
    void beep() override;
    void message(QWidget* parent, const QString& title, const QString& text,
                 bool informationIcon) override;
    void openUrl(const QUrl& url) override;
};
