// bench_pages: from a click on an exercise type in the tree to its page drawn,
// in the real window (offscreen), for every type of the practice tabs that
// opens a page. Each type is clicked once to open it, then timed over several
// clicks; the median of those is the type's time.

#include "catalogue.h"
#include "main_window.h"
#include "program_folder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTest>
#include <QTextStream>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr int timedClicks = 5;
constexpr double goalMilliseconds = 16; // one frame at 60 Hz

struct Timing {
    int tab;
    QString type;
    double firstClick; // the first click of a page also builds its widgets
    double median;
};

// Clicks the tree item as the pupil does and waits until the window has drawn
// what the click changed. Milliseconds.
double clickAndDraw(QTreeWidget* tree, QTreeWidgetItem* item)
{
    const QPoint centre = tree->visualItemRect(item).center();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
    QCoreApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTextStream out(stdout);
    MainWindow window(programFolder());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* tabs = window.findChild<QTabBar*>();
    auto* tree = static_cast<QTreeWidget*>(window.widget(QStringLiteral("TreeView1")));
    MainForm& form = window.model().form;

    std::vector<Timing> timings;
    int withoutPage = 0;
    for (int tab = 1; tab <= practiceTabCount; ++tab) {
        tabs->setCurrentIndex(tab - 1);
        QCoreApplication::processEvents();
        std::vector<QTreeWidgetItem*> leaves;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->parent())
                leaves.push_back(*it);
        for (QTreeWidgetItem* leaf : leaves) {
            tree->scrollToItem(leaf);
            QCoreApplication::processEvents();
            const double first = clickAndDraw(tree, leaf);
            const TreeNode& node = form.TreeView1.nodes()[leaf->data(0, Qt::UserRole).toInt()];
            if (form.seenPage() < 0 || form.state.pageNodeKey != node.key) {
                ++withoutPage;
                continue;
            }
            std::vector<double> times;
            for (int click = 0; click < timedClicks; ++click)
                times.push_back(clickAndDraw(tree, leaf));
            timings.push_back({tab, leaf->text(0), first, median(times)});
        }
    }
    if (timings.empty()) {
        out << "No exercise type opened a page." << Qt::endl;
        return 1;
    }

    std::vector<double> medians;
    for (const Timing& timing : timings)
        medians.push_back(timing.median);
    const auto worst = std::max_element(timings.begin(), timings.end(),
                                        [](const Timing& a, const Timing& b) { return a.median < b.median; });
    const auto worstFirst = std::max_element(timings.begin(), timings.end(),
                                             [](const Timing& a, const Timing& b) { return a.firstClick < b.firstClick; });
    const auto over = std::count_if(timings.begin(), timings.end(),
                                    [](const Timing& timing) { return timing.median >= goalMilliseconds; });
    out << "Click to page in the window (offscreen), " << timings.size() << " exercise types that open a page ("
        << withoutPage << " names of tabs 1-" << practiceTabCount << " open none yet), median of " << timedClicks
        << " clicks each:" << Qt::endl;
    out << "  median " << QString::number(median(medians), 'f', 2) << " ms, worst "
        << QString::number(worst->median, 'f', 2) << " ms (" << worst->type << ", tab " << worst->tab << "); goal: every type < "
        << goalMilliseconds << " ms, " << (over == 0 ? QStringLiteral("reached") : QStringLiteral("%1 over").arg(over))
        << Qt::endl;
    out << "  the first click of each type (a page's first opening builds its widgets): worst "
        << QString::number(worstFirst->firstClick, 'f', 2) << " ms (" << worstFirst->type << ", tab " << worstFirst->tab
        << ")" << Qt::endl;
    return 0;
}
