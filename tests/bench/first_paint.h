// Shared by the window benchmarks: leave the event loop once a window has been painted, and read
// the process's peak memory.
#pragma once

#include <fstream>
#include <string>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Quits the application right after the watched window's first paint.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

// A field of /proc/self/status in kilobytes ("VmHWM:", "VmRSS:"), or -1 where there is none.
inline long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(field.size()));
        }
    }
    return -1;
}

// The process's peak resident memory in kilobytes.
inline long peakMemoryKb() {
    return statusKb("VmHWM:");
}
