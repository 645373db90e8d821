#pragma once

// Shared by the two start-up probes: report on standard output when the
// window has first been painted, then, after a second of idling, how much
// resident memory the process holds; then quit.

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(QWidget& window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            // Report once this paint has been delivered, not before.
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
                std::fflush(stdout);
                QTimer::singleShot(1000, [] {
                    std::printf("rss %ld\n", residentKilobytes());
                    std::fflush(stdout);
                    QApplication::quit();
                });
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static long residentKilobytes()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        return -1;
    }

    bool painted = false;
};
