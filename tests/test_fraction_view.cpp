// Page 7 in the real window and font: the numbers of each fraction stand
// centred over and under their bar, and the answer boxes over and under the
// result bar, for denominators of one, two and three digits.

#include "main_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QTabBar>
#include <QTest>

#include <optional>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

namespace {

// Runs of dark pixels across a band of pixel rows, as [first, last] column
// pairs; runs with at most `join` clear columns between them count as one
// (the digits of one number).
std::vector<std::pair<int, int>> inkRuns(const QImage& image, int top, int bottom, int join)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = top; y <= bottom && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < 128;
        if (!ink)
            continue;
        if (!runs.empty() && x - runs.back().second - 1 <= join)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

double centre(std::pair<int, int> run)
{
    return (run.first + run.second) / 2.0;
}

QRect pixelsOf(MainWindow& window, const QString& name)
{
    return window.widget(name)->geometry();
}

} // namespace

class FractionViewTest : public QObject {
    Q_OBJECT

private slots:
    void numbersStandOverTheirBars_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values"); // for each question its two denominators
        // 1/13 + 1/4 and 1/25 + 1/9; then 1/100 + 1/99, 1/50 + 1/100.
        QTest::newRow("one and two digits") << "分子为1加法（中等）" << Values{0.2f, 0.35f, 0.99f, 0.95f};
        QTest::newRow("two and three digits") << "分子为1加法（较难）" << Values{0.999f, 0.98f, 0.0f, 0.999f};
    }
    void numbersStandOverTheirBars()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(4);
        auto script = std::make_unique<ScriptedRandom>(values);
        for (int i = 2; i < 10; ++i)
            script->append({0.5f, 0.5f});
        window.model().form.setRandomSource(std::move(script));
        clickNode(window, type);
        QWidget* page = window.widget(QStringLiteral("Frame1(7)"));
        QVERIFY(page->isVisible());
        const QImage shot = page->grab().toImage();
        const qreal scale = shot.width() / qreal(page->width());
        auto rowsOf = [&](const QString& name) {
            const QRect rect = pixelsOf(window, name);
            return std::pair(int(rect.top() * scale), int((rect.bottom() + 1) * scale) - 1);
        };
        for (int i = 0; i < 10; ++i) {
            const auto [numeratorsTop, numeratorsBottom] = rowsOf(QStringLiteral("Label22(%1)").arg(i));
            const auto [denominatorsTop, denominatorsBottom] = rowsOf(QStringLiteral("Label23(%1)").arg(i));
            const QRect barRow = pixelsOf(window, QStringLiteral("Label24(%1)").arg(i));
            const QImage row = shot.copy(int(barRow.left() * scale), 0, int(barRow.width() * scale), shot.height());
            const int barLine = int((barRow.top() + barRow.height() / 2.0) * scale);
            std::vector<std::pair<int, int>> bars;
            for (const auto& run : inkRuns(row, barLine - 1, barLine + 1, 0))
                if (run.second - run.first > 15 * scale) // not the operator's stroke
                    bars.push_back(run);
            QCOMPARE(bars.size(), std::size_t(3));
            // The numbers, left of the result bar and its boxes.
            const QImage question = row.copy(0, 0, bars[2].first, row.height());
            const auto numerators = inkRuns(question, numeratorsTop, numeratorsBottom, int(6 * scale));
            const auto denominators = inkRuns(question, denominatorsTop, denominatorsBottom, int(6 * scale));
            QCOMPARE(numerators.size(), std::size_t(2));
            QCOMPARE(denominators.size(), std::size_t(2));
            for (std::size_t k = 0; k < 2; ++k) {
                QVERIFY2(std::abs(centre(numerators[k]) - centre(bars[k])) <= 1.5 * scale, qPrintable(QString::number(i)));
                QVERIFY2(std::abs(centre(denominators[k]) - centre(bars[k])) <= 1.5 * scale, qPrintable(QString::number(i)));
                // The bar reaches under the whole number.
                QVERIFY(bars[k].first <= denominators[k].first && denominators[k].second <= bars[k].second);
            }
            // The boxes stand over and under the result bar, centred on it.
            const QRect upper = pixelsOf(window, QStringLiteral("Text9(%1)").arg(i));
            const QRect lower = pixelsOf(window, QStringLiteral("Text10(%1)").arg(i));
            QCOMPARE(lower.left(), upper.left());
            QCOMPARE(lower.width(), upper.width());
            QVERIFY(upper.bottom() < barRow.center().y() && lower.top() > barRow.center().y());
            const double boxCentre = (upper.left() + upper.width() / 2.0 - barRow.left()) * scale;
            QVERIFY2(std::abs(boxCentre - centre(bars[2])) <= 2 * scale, qPrintable(QString::number(i)));
        }
    }
};

QTEST_MAIN(FractionViewTest)
#include "test_fraction_view.moc"
