// Starts the real window and a bare Qt window in turns, several times each,
// and compares the medians of time to first paint and idle resident memory.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

struct Sample {
    double milliseconds = -1;
    long kilobytes = -1;
};

Sample measure(const QString& program)
{
    QProcess probe;
    QElapsedTimer clock;
    clock.start();
    probe.start(program, {});
    Sample sample;
    while (probe.waitForReadyRead(20000)) {
        while (probe.canReadLine()) {
            const QByteArray line = probe.readLine().trimmed();
            if (line == "painted")
                sample.milliseconds = clock.nsecsElapsed() / 1e6;
            else if (line.startsWith("rss "))
                sample.kilobytes = line.mid(4).toLong();
        }
        if (sample.kilobytes >= 0)
            break;
    }
    probe.waitForFinished(20000);
    return sample;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

struct Medians {
    double milliseconds;
    double megabytes;
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QString folder = QCoreApplication::applicationDirPath() + u'/';
    const QStringList probes = {QStringLiteral("startup_probe"), QStringLiteral("bare_window_probe"),
                                QStringLiteral("text_window_probe")};
    const int runs = 9;
    std::vector<std::vector<Sample>> samples(probes.size());
    for (const QString& probe : probes)
        measure(folder + probe); // warm the file cache for all of them
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < probes.size(); ++p) {
            const Sample sample = measure(folder + probes[p]);
            if (sample.milliseconds < 0 || sample.kilobytes < 0) {
                out << probes[p] << " did not report; is a display or QT_QPA_PLATFORM=offscreen available?" << Qt::endl;
                return 1;
            }
            samples[p].push_back(sample);
        }
    }
    std::vector<Medians> medians;
    for (const auto& series : samples) {
        std::vector<double> times, sizes;
        for (const Sample& sample : series) {
            times.push_back(sample.milliseconds);
            sizes.push_back(sample.kilobytes / 1024.0);
        }
        medians.push_back({median(times), median(sizes)});
    }
    const Medians& real = medians[0];
    const Medians& bare = medians[1];
    const Medians& text = medians[2];
    auto line = [&](const char* what, double mine, double bareValue, double textValue, const char* unit) {
        out << QStringLiteral("%1 Tallowby %2 %6, bare window %3 %6 (ratio %4, goal <= 1.3), "
                              "window with one line of Chinese %5 %6 (ratio %7)")
                   .arg(QString::fromLatin1(what))
                   .arg(mine, 0, 'f', 1)
                   .arg(bareValue, 0, 'f', 1)
                   .arg(mine / bareValue, 0, 'f', 2)
                   .arg(textValue, 0, 'f', 1)
                   .arg(QString::fromLatin1(unit))
                   .arg(mine / textValue, 0, 'f', 2)
            << Qt::endl;
    };
    line("start-up to first paint:", real.milliseconds, bare.milliseconds, text.milliseconds, "ms");
    line("idle resident memory:   ", real.megabytes, bare.megabytes, text.megabytes, "MB");
    out << QStringLiteral("(medians of %1 runs each, platform %2)")
               .arg(runs)
               .arg(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb")))
        << Qt::endl;
    return 0;
}
