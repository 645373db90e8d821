#include "timing_report.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTabBar>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace {

void say(const QString& line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// Watches every event of the application; it exists only while the report is asked for.
class TimingReport final : public QObject {
    Q_OBJECT

public:
    explicit TimingReport(QWidget& window) : QObject(&window), window(window)
    {
        qApp->installEventFilter(this);
        heartbeat.setTimerType(Qt::PreciseTimer);
        heartbeat.setInterval(2);
        connect(&heartbeat, &QTimer::timeout, this, &TimingReport::beat);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &window)
                painted();
            break;
        case QEvent::MouseButtonPress:
            pressed();
            break;
        case QEvent::Show:
            // Found by class name: the program does not link the browser engine.
            if (watched->inherits("QWebEngineView"))
                connect(watched, SIGNAL(loadFinished(bool)), this, SLOT(pageLoaded()), Qt::UniqueConnection);
            break;
        default:
            break;
        }
        return false;
    }

private slots:
    void pageLoaded()
    {
        if (!clickClock.isValid())
            return;
        beat();
        say(QStringLiteral("page-loaded %1 %2").arg(milliseconds(clickClock), 0, 'f', 1).arg(longestStall, 0, 'f', 1));
        heartbeat.stop();
        clickClock.invalidate();
    }

private:
    static double milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

    // A frame is flushed to the screen right after its paint events, before the
    // event loop turns again: a zero timer started here fires once it is shown.
    void painted()
    {
        if (!firstFrameShown) {
            firstFrameShown = true;
            QTimer::singleShot(0, this, [this] { firstFrame(); });
        } else if (awaitingFrame) {
            awaitingFrame = false;
            QTimer::singleShot(0, this, [this] {
                say(QStringLiteral("click-frame %1").arg(milliseconds(clickClock), 0, 'f', 1));
            });
        }
    }

    // Where to click comes first, so that a reader has it once it reads first-paint.
    void firstFrame()
    {
        say(QStringLiteral("window %1").arg(window.winId()));
        if (const auto* tabs = window.findChild<QTabBar*>())
            for (int i = 0; i < tabs->count(); ++i) {
                const QPoint centre = tabs->mapTo(&window, tabs->tabRect(i).center());
                say(QStringLiteral("tab %1 %2 %3").arg(i + 1).arg(centre.x()).arg(centre.y()));
            }
        say(QStringLiteral("first-paint"));
    }

    void pressed()
    {
        clickClock.start();
        awaitingFrame = true;
        longestStall = 0;
        lastBeat.start();
        heartbeat.start();
    }

    // The heartbeat runs from a click to the page it opens; a long gap between
    // two beats is a time the window could not answer the pupil.
    void beat()
    {
        longestStall = std::max(longestStall, milliseconds(lastBeat));
        lastBeat.start();
    }

    QWidget& window;
    bool firstFrameShown = false;
    bool awaitingFrame = false;
    QElapsedTimer clickClock;
    QElapsedTimer lastBeat;
    QTimer heartbeat;
    double longestStall = 0;
};

} // namespace

void reportTimingsIfAsked(QWidget& window)
{
    if (qEnvironmentVariableIsSet(timingReportVariable))
        new TimingReport(window);
}

#include "timing_report.moc"
