// bench_startup [--rounds N] [--library-runs N] [TALLOWBY...]  (--library-runs 0: start-up only)
//
// Starts the real program (build/tallowby, or each build named) as a user
// starts it, with its timing report switched on, in turns with two yardsticks:
// a bare Qt window and a window with one line of Chinese. For each it takes
// the time to the first frame and the resident memory after a second of
// idling, and prints the medians, each round's ratio and their median. Then it
// clicks the first library tab of the program with xdotool, as a pupil would,
// and times the page: the frame that answers the click, the page loaded, and
// the memory of all processes after it.

#include "engine_libraries.h"
#include "timing_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include <signal.h>
#include <unistd.h>

namespace {

QTextStream out(stdout);

constexpr int idleMilliseconds = 1000; // before memory is read
constexpr int reportTimeout = 30000;
constexpr int firstLibraryTab = 9; // 数学游戏: the first tab that opens the browser

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString fixed(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

QString joined(const std::vector<double>& values, int decimals)
{
    QStringList texts;
    for (double value : values)
        texts.append(fixed(value, decimals));
    return texts.join(u' ');
}

QByteArray readProc(qint64 pid, const char* file)
{
    QFile proc(QStringLiteral("/proc/%1/%2").arg(pid).arg(QString::fromLatin1(file)));
    return proc.open(QIODevice::ReadOnly) ? proc.readAll() : QByteArray();
}

// A "Name:   value kB" field of /proc/<pid>/status or smaps_rollup, as a number.
double procField(const QByteArray& text, const QByteArray& name)
{
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).simplified().split(' ').first().toDouble();
    return -1;
}

double residentMiB(qint64 pid)
{
    return procField(readProc(pid, "status"), "VmRSS") / 1024;
}

// The process and all its descendants: the browser engine's helper processes
// are children of its zygote, which is a child of the program.
std::vector<qint64> processTree(qint64 root)
{
    std::multimap<qint64, qint64> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QByteArray stat = readProc(pid, "stat");
        // pid (comm) state ppid ...; comm may hold blanks and brackets.
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children.emplace(fields[1].toLongLong(), pid);
    }
    std::vector<qint64> tree{root};
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const auto [first, last] = children.equal_range(tree[i]);
        for (auto child = first; child != last; ++child)
            tree.push_back(child->second);
    }
    return tree;
}

// Qt wants one for a program started outside a desktop session.
const QTemporaryDir& runtimeFolder()
{
    static const QTemporaryDir folder;
    return folder;
}

// A program started with the timing report on, in a process group of its own
// so that it is ended with every process it started.
class Launched {
public:
    explicit Launched(const QString& program)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(timingReportVariable), QStringLiteral("1"));
        if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder().path());
        process.setProcessEnvironment(environment);
        process.setChildProcessModifier([] { setpgid(0, 0); });
        // What the programs say on standard error (the browser engine says a lot) goes to a file.
        process.setStandardErrorFile(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup.log"),
                                     QIODevice::Append);
        clock.start();
        process.start(program, {});
    }

    ~Launched()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        ::kill(-pid(), SIGTERM);
        if (!process.waitForFinished(5000)) {
            ::kill(-pid(), SIGKILL);
            process.waitForFinished(5000);
        }
    }

    qint64 pid() const { return process.processId(); }

    // Waits for the next report line that starts with word; its other fields.
    // The time it was read is kept in seenAfter, in ms since the start.
    std::optional<QStringList> waitFor(const QString& word)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < reportTimeout) {
            while (process.canReadLine()) {
                QStringList fields = QString::fromLocal8Bit(process.readLine()).simplified().split(u' ');
                lines.append(fields);
                if (fields.first() == word) {
                    seenAfter = clock.nsecsElapsed() / 1e6;
                    fields.removeFirst();
                    return fields;
                }
            }
            if (!process.waitForReadyRead(reportTimeout - int(waited.elapsed())))
                break;
        }
        return std::nullopt;
    }

    // A report line already read, found by its first fields.
    std::optional<QStringList> line(const QStringList& start) const
    {
        for (const QStringList& fields : lines)
            if (fields.mid(0, start.size()) == start)
                return fields.mid(start.size());
        return std::nullopt;
    }

    double seenAfter = -1;

private:
    QProcess process;
    QElapsedTimer clock;
    QList<QStringList> lines;
};

struct Program {
    Program(QString label, QString path, bool yardstick = false)
        : label(std::move(label)), path(std::move(path)), yardstick(yardstick)
    {
    }

    QString label;
    QString path;
    bool yardstick;
    std::vector<double> firstPaint; // ms
    std::vector<double> resident;   // MiB
    std::vector<double> threads;
};

bool startUp(Program& program)
{
    Launched launched(program.path);
    if (!launched.waitFor(QStringLiteral("first-paint"))) {
        out << program.path << " did not report its first frame; is a display (xvfb-run) available?" << Qt::endl;
        return false;
    }
    const double firstPaint = launched.seenAfter;
    QThread::msleep(idleMilliseconds);
    program.firstPaint.push_back(firstPaint);
    program.resident.push_back(residentMiB(launched.pid()));
    program.threads.push_back(procField(readProc(launched.pid(), "status"), "Threads"));
    return true;
}

void printComparison(const QString& what, const QString& unit, int decimals, const std::vector<Program>& programs,
                     std::vector<double> Program::*series, const Program& yardstick, double goal)
{
    out << what << " (" << unit << "), medians:";
    for (const Program& program : programs)
        out << "  " << program.label << " " << fixed(median(program.*series), decimals);
    out << Qt::endl;
    for (const Program& program : programs) {
        if (program.yardstick)
            continue;
        std::vector<double> ratios;
        for (std::size_t round = 0; round < (program.*series).size(); ++round)
            ratios.push_back((program.*series)[round] / (yardstick.*series)[round]);
        out << "  " << program.label << " / " << yardstick.label << ", each round: " << joined(ratios, 2) << Qt::endl;
        out << "  " << program.label << " / " << yardstick.label << ", median ratio " << fixed(median(ratios), 2);
        if (goal > 0)
            out << " (goal <= " << fixed(goal, 2) << (median(ratios) <= goal ? ", reached)" : ", not reached)");
        out << Qt::endl;
    }
}

struct LibraryRun {
    double frame = -1;     // ms from the press to the frame that answers it
    double loaded = -1;    // ms from the press to the page loaded
    double stall = -1;     // the longest the window did not answer in between
    double residentSum = 0; // MiB, of all processes
    double proportionalSum = 0;
    int processes = 0;
    QStringList engineBefore; // engine libraries mapped before the click
    int processesBefore = 0;
};

std::optional<LibraryRun> openFirstLibraryPage(const QString& program, const QString& xdotool)
{
    Launched launched(program);
    if (!launched.waitFor(QStringLiteral("first-paint")))
        return std::nullopt;
    const auto window = launched.line({QStringLiteral("window")});
    const auto tab = launched.line({QStringLiteral("tab"), QString::number(firstLibraryTab)});
    if (!window || !tab)
        return std::nullopt;
    QThread::msleep(idleMilliseconds);
    LibraryRun run;
    run.engineBefore = browserEngineLibraries(QString::fromLocal8Bit(readProc(launched.pid(), "maps")));
    run.processesBefore = int(processTree(launched.pid()).size());
    QProcess::execute(xdotool, {QStringLiteral("mousemove"), QStringLiteral("--window"), window->first(), tab->at(0),
                                tab->at(1), QStringLiteral("click"), QStringLiteral("1")});
    const auto frame = launched.waitFor(QStringLiteral("click-frame"));
    const auto loaded = launched.waitFor(QStringLiteral("page-loaded"));
    if (!frame || !loaded || loaded->size() < 2)
        return std::nullopt;
    run.frame = frame->first().toDouble();
    run.loaded = loaded->at(0).toDouble();
    run.stall = loaded->at(1).toDouble();
    QThread::msleep(idleMilliseconds);
    for (const qint64 pid : processTree(launched.pid())) {
        run.residentSum += residentMiB(pid);
        run.proportionalSum += procField(readProc(pid, "smaps_rollup"), "Pss") / 1024;
        ++run.processes;
    }
    return run;
}

void printLibrary(const Program& program, const std::vector<LibraryRun>& done)
{
    auto series = [&](double LibraryRun::*field) {
        std::vector<double> values;
        for (const LibraryRun& run : done)
            values.push_back(run.*field);
        return values;
    };
    out << "  " << program.label << ":" << Qt::endl;
    const QStringList& before = done.front().engineBefore;
    const int processesBefore = done.front().processesBefore;
    out << "    before the click: " << processesBefore << " process(es), "
        << (before.isEmpty() ? QStringLiteral("no GL, LLVM or WebEngine library mapped")
                             : QStringLiteral("engine libraries mapped: ") + before.join(QStringLiteral(", ")))
        << (processesBefore == 1 && before.isEmpty() ? " (goal reached)" : " (goal not reached)") << Qt::endl;
    const std::vector<double> frames = series(&LibraryRun::frame);
    const std::vector<double> loads = series(&LibraryRun::loaded);
    out << "    click to the frame that answers it: median " << fixed(median(frames)) << " ms (goal < 50"
        << (median(frames) < 50 ? ", reached" : ", not reached") << "); runs: " << joined(frames, 1) << Qt::endl;
    out << "    click to the page loaded: median " << fixed(median(loads)) << " ms (goal <= 250"
        << (median(loads) <= 250 ? ", reached" : ", not reached") << "); runs: " << joined(loads, 1) << Qt::endl;
    out << "    longest time the window did not answer, from the click to the page: median "
        << fixed(median(series(&LibraryRun::stall))) << " ms; runs: " << joined(series(&LibraryRun::stall), 1)
        << Qt::endl;
    out << "    memory of all " << done.front().processes << " processes 1 s after the page: resident "
        << fixed(median(series(&LibraryRun::residentSum))) << " MiB summed, proportional (PSS) "
        << fixed(median(series(&LibraryRun::proportionalSum))) << " MiB summed (medians)" << Qt::endl;
}

// Every program measured, in turns, as the start-up rounds.
void benchLibrary(const std::vector<Program>& programs, int runs)
{
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty() || qEnvironmentVariable("QT_QPA_PLATFORM") == QStringLiteral("offscreen")) {
        out << "First library page: not measured (it needs an X display and xdotool)." << Qt::endl;
        return;
    }
    std::map<const Program*, std::vector<LibraryRun>> done;
    for (int run = -1; run < runs; ++run) { // run -1 brings the engine's files into the cache
        for (const Program& program : programs) {
            if (program.yardstick)
                continue;
            const auto result = openFirstLibraryPage(program.path, xdotool);
            if (!result) {
                out << "First library page: " << program.path << " did not report the page loaded." << Qt::endl;
                return;
            }
            if (run >= 0)
                done[&program].push_back(*result);
        }
    }
    out << "First library page: tab " << firstLibraryTab << " clicked with xdotool after a second of idling, "
        << runs << " runs (each a fresh start):" << Qt::endl;
    for (const auto& [program, results] : done)
        printLibrary(*program, results);
}

QString machine()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QString model;
    if (cpuinfo.open(QIODevice::ReadOnly))
        for (const QByteArray& line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name")) {
                model = QString::fromLatin1(line).section(u':', 1).trimmed();
                break;
            }
    QFile load(QStringLiteral("/proc/loadavg"));
    const QString average = load.open(QIODevice::ReadOnly) ? QString::fromLatin1(load.readAll()).section(u' ', 0, 2) : QString();
    return QStringLiteral("%1 × %2, load average %3, platform %4")
        .arg(QThread::idealThreadCount())
        .arg(model, average, qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb")));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath() + u'/';
    QStringList arguments = application.arguments().mid(1);
    auto option = [&](const QString& name, int fallback) {
        const int at = int(arguments.indexOf(name));
        if (at < 0 || at + 1 >= arguments.size())
            return fallback;
        const int value = arguments.at(at + 1).toInt();
        arguments.remove(at, 2);
        return value >= 0 ? value : fallback;
    };
    const int rounds = option(QStringLiteral("--rounds"), 15);
    const int libraryRuns = option(QStringLiteral("--library-runs"), 9);
    if (arguments.isEmpty())
        arguments.append(folder + QStringLiteral("tallowby"));

    std::vector<Program> programs;
    for (const QString& path : arguments)
        programs.emplace_back(arguments.size() == 1 ? QStringLiteral("tallowby") : QStringLiteral("tallowby ") + path,
                              QFileInfo(path).absoluteFilePath());
    programs.emplace_back(QStringLiteral("one-line-of-Chinese window"), folder + QStringLiteral("text_window_probe"), true);
    programs.emplace_back(QStringLiteral("bare window"), folder + QStringLiteral("bare_window_probe"), true);
    const Program& chineseLine = programs[programs.size() - 2];
    const Program& bare = programs.back();

    out << "Start-up: " << rounds << " rounds, each starting every program once in turn; first paint is the time "
        << "from starting the process to its first frame flushed, memory its resident set after " << idleMilliseconds
        << " ms idle." << Qt::endl;
    out << "Machine: " << machine() << Qt::endl;
    for (Program& program : programs) { // warms the file cache
        Program warmUp{program.label, program.path, program.yardstick};
        if (!startUp(warmUp))
            return 1;
    }
    for (int round = 0; round < rounds; ++round)
        for (Program& program : programs)
            if (!startUp(program))
                return 1;

    printComparison(QStringLiteral("First paint"), QStringLiteral("ms"), 1, programs, &Program::firstPaint, chineseLine, 1.25);
    printComparison(QStringLiteral("Idle resident memory"), QStringLiteral("MiB"), 1, programs, &Program::resident,
                    chineseLine, 1.25);
    out << "  (against the bare window:";
    for (const Program& program : programs)
        if (!program.yardstick)
            out << " first paint " << fixed(median(program.firstPaint) / median(bare.firstPaint), 2) << "×, memory "
                << fixed(median(program.resident) / median(bare.resident), 2) << "×;";
    out << " threads at idle:";
    for (const Program& program : programs)
        out << " " << program.label << " " << median(program.threads);
    out << ")" << Qt::endl;

    if (libraryRuns > 0)
        benchLibrary(programs, libraryRuns);
    out << "Machine at the end: " << machine() << Qt::endl;
    return 0;
}
