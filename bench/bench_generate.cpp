// The time to generate one page of every exercise type of the practice tabs.

#include "catalogue.h"
#include "text_metrics.h"
#include "window_model.h"

#include <QCoreApplication>
#include <QTest>

class GenerateBench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        model.Form_Load();
        model.form.setRandomSource(std::make_unique<SeededRandom>(2026));
    }

    void onePage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("type");
        for (int tab = 1; tab <= practiceTabCount; ++tab)
            for (const QString& name : ExerciseCatalogue::tab(tab).exerciseTypes())
                QTest::addRow("%d %s", tab, qPrintable(name)) << tab << name;
    }
    void onePage()
    {
        QFETCH(int, tab);
        QFETCH(QString, type);
        if (model.form.state.currentTab != tab)
            model.selectTab(tab);
        QVERIFY(model.form.TreeView1.selectText(type));
        QBENCHMARK {
            model.form.TreeView1_Click();
        }
    }

private:
    FixedTextMetrics metrics;
    WindowModel model{metrics, QCoreApplication::applicationDirPath()};
};

QTEST_GUILESS_MAIN(GenerateBench)
#include "bench_generate.moc"
