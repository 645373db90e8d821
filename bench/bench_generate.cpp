// The time to generate one page of every exercise type of the 加减乘除 tab.

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
        QTest::addColumn<QString>("type");
        for (const TopicCategory& category : ExerciseCatalogue::tab(1).categories)
            for (const QString& name : category.exerciseTypes)
                QTest::newRow(qPrintable(name)) << name;
    }
    void onePage()
    {
        QFETCH(QString, type);
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
