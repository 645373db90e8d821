#include "catalogue.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

// The names of a list, read as a pupil would: separated by either comma.
QStringList namesOf(const DispatchList& list)
{
    return list.names.split(QRegularExpression(QStringLiteral("[,，]")));
}

bool dispatchesOnTab(const QString& text, int tab)
{
    const auto& lists = ExerciseCatalogue::dispatchLists();
    return std::any_of(lists.begin(), lists.end(), [&](const DispatchList& list) { return list.matches(text, tab); });
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void tabs()
    {
        const QStringList captions = {"加减乘除", "时间换算", "小数运算", "找规律", "比例与分数", "四则运算", "倍数与约数",
                                      "数学字典", "数学游戏", "趣味数学", "名人故事", "各年级试卷", "小升初奥数精选试题"};
        const auto& tabs = ExerciseCatalogue::tabs();
        QCOMPARE(int(tabs.size()), 13);
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(tabs[i].number, i + 1);
            QCOMPARE(tabs[i].caption, captions[i]);
        }
        QCOMPARE(ExerciseCatalogue::tab(0).number, 1);
        QCOMPARE(ExerciseCatalogue::tab(14).number, 1);
    }

    void categories_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("rowsRead");
        QTest::addColumn<QString>("categories"); // key:text:lastRow, separated by blanks
        QTest::newRow("加减乘除") << 1 << 14 << "a:加法:14 b:减法:14 c:乘法:12 d:除法:12";
        QTest::newRow("时间换算") << 2 << 12 << "a1:时间转换:12 b1:求时间间隔:3 c1:时间计算:5 d1:人民币计算:7";
        QTest::newRow("小数运算") << 3 << 15 << "a1:小数加法:15 b1:小数减法:15 c1:小数乘法:15 d1:小数除法:12";
        QTest::newRow("找规律") << 4 << 5
                             << "a1:规律运算:3 b1:比较多少:4 c1:数字排序:3 d1:求补数:3 e1:求平均数:3 f1:求余数:3 "
                                "g1:求平方和立方:3";
        QTest::newRow("比例与分数") << 5 << 25 << "a1:分数:25 b1:比和比例:3 c1:分数转小数:3";
        QTest::newRow("四则运算") << 6 << 16 << "a1:四则运算:15 b1:一元一次方程:8";
        QTest::newRow("倍数与约数") << 7 << 8
                                 << "a1:最大公约数:3 b1:最小公倍数:3 c1:分解质因素:3 d1:利息计算:7 e1:读数字:3 f1:写数字:3";
        QTest::newRow("数学字典") << 8 << 51 << "a1:显示全部内容:1 b1:数学概念:51 c1:关系表达:17 d1:公式大全:3";
        QTest::newRow("数学游戏") << 9 << 4
                               << "a1:适合一年级的游戏:4 b1:适合二年级的游戏:4 c1:适合三年级的游戏:4 d1:适合四年级的游戏:4 "
                                  "e1:适合五六年级的游戏:4 f1:退出游戏:0";
        QTest::newRow("趣味数学") << 10 << 27 << "a1:趣味数学:27";
        QTest::newRow("名人故事") << 11 << 28 << "a1:名人故事:28";
        QTest::newRow("试卷") << 12 << 28 << "a1:各年级数学试卷:28";
        QTest::newRow("奥数") << 13 << 28 << "a1:小升初奥数试题及答案:28";
    }
    void categories()
    {
        QFETCH(int, tab);
        QFETCH(int, rowsRead);
        QFETCH(QString, categories);
        const TopicTab& topic = ExerciseCatalogue::tab(tab);
        QCOMPARE(topic.rowsRead, rowsRead);
        QStringList actual;
        for (const TopicCategory& category : topic.categories)
            actual.append(QStringLiteral("%1:%2:%3").arg(category.key, category.text).arg(category.lastRow));
        QCOMPARE(actual.join(u' '), categories);
    }

    // The count of names per list guards the list texts against a lost or
    // doubled name; the tab and procedure decide where a name goes.
    void lists_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("procedure");
        QTest::addColumn<int>("names");
        using P = ProcedureId;
        const struct {
            int tab;
            P procedure;
            int names;
        } rows[] = {{1, P::myframe0, 14},    {1, P::myframe0, 14},    {1, P::myframe0, 12},    {1, P::myframe0, 12},
                    {2, P::myframe1, 10},    {2, P::myframe1, 8},     {2, P::myframe1, 7},     {3, P::myframe14, 15},
                    {3, P::myframe14, 15},   {3, P::myframe14, 15},   {3, P::myframe14, 12},   {4, P::myframe15, 3},
                    {4, P::myframe15, 19},   {5, P::myframe17, 14},   {5, P::myframe17, 18},   {6, P::myframe16, 8},
                    {6, P::myframe16, 15},   {7, P::myframe18, 2},    {7, P::myframe18, 20},   {8, P::myframe19, 40},
                    {8, P::myframe19, 26},   {9, P::myframe110, 4},   {9, P::myframe110, 13},  {11, P::myframe111, 20},
                    {11, P::myframe111, 7},  {10, P::myframe112, 20}, {10, P::myframe112, 8},  {12, P::myframe113, 12},
                    {12, P::myframe113, 12}, {13, P::myframe114, 12}, {13, P::myframe114, 16}};
        for (int i = 0; i < 31; ++i)
            QTest::addRow("list %d", i + 1) << i + 1 << rows[i].tab << int(rows[i].procedure) << rows[i].names;
    }
    void lists()
    {
        QFETCH(int, number);
        QFETCH(int, tab);
        QFETCH(int, procedure);
        QFETCH(int, names);
        const DispatchList& list = ExerciseCatalogue::dispatchList(number);
        QCOMPARE(list.number, number);
        QCOMPARE(list.tab, tab);
        QCOMPARE(int(list.procedure), procedure);
        QCOMPARE(namesOf(list).size(), names);
    }

    void listTextsKeepTheirStrayCharacters()
    {
        QVERIFY(ExerciseCatalogue::dispatchList(16).names.endsWith(QStringLiteral("加减混合运算（中等））")));
        QVERIFY(ExerciseCatalogue::dispatchList(15).names.contains(QStringLiteral("分子为任意乘法（中等），分子为任意乘法（较难），")));
        QVERIFY(ExerciseCatalogue::dispatchList(19).names.contains(QStringLiteral("读数字（简单），读数字（中等）")));
        QVERIFY(ExerciseCatalogue::dispatchList(20).names.contains(QStringLiteral("32、百分数化成分数,32、最大公约数")));
        QVERIFY(ExerciseCatalogue::dispatchList(21).names.contains(QStringLiteral("59、面积单位换算  ,")));
        QCOMPARE(ExerciseCatalogue::dispatchList(11).names, ExerciseCatalogue::dispatchList(4).names);
    }

    void storyTitles()
    {
        for (const int number : {24, 25})
            for (const QString& title : namesOf(ExerciseCatalogue::dispatchList(number)))
                QVERIFY2(title.endsWith(QStringLiteral("的故事")) && title.size() > 4, qPrintable(title));
        QCOMPARE(ExerciseCatalogue::dispatchList(24).names.section(u',', 0, 0), QStringLiteral("祖冲之的故事"));
    }

    void puzzlesComeInPairs()
    {
        for (const int number : {26, 27}) {
            const QStringList names = namesOf(ExerciseCatalogue::dispatchList(number));
            for (int i = 0; i < names.size(); i += 2)
                QCOMPARE(names[i + 1], names[i] + QStringLiteral("答案"));
        }
        const QStringList first = namesOf(ExerciseCatalogue::dispatchList(26));
        const QStringList second = namesOf(ExerciseCatalogue::dispatchList(27));
        QCOMPARE(first.mid(18), QStringList({"测量金字塔的高度", "测量金字塔的高度答案"}));
        QCOMPARE(second.mid(0, 2), first.mid(18));
        QCOMPARE(first.first(), QStringLiteral("捉迷藏智力题"));
        QCOMPARE(second.last(), QStringLiteral("出售水果和图书答案"));
    }

    // The practice tabs' own names are the tree the pupil gets without the
    // content file: each must dispatch on its tab, and together they must hold
    // every name of the tab's lists.
    void practiceNamesMatchTheLists()
    {
        for (int tab = 1; tab <= 7; ++tab) {
            QStringList tabNames;
            for (const TopicCategory& category : ExerciseCatalogue::tab(tab).categories) {
                QVERIFY2(category.exerciseTypes.size() <= category.lastRow, qPrintable(category.text));
                QVERIFY2(!category.exerciseTypes.isEmpty(), qPrintable(category.text));
                for (const QString& name : category.exerciseTypes) {
                    QVERIFY2(dispatchesOnTab(name, tab), qPrintable(name));
                    tabNames.append(name);
                }
            }
            for (const DispatchList& list : ExerciseCatalogue::dispatchLists()) {
                if (list.tab != tab)
                    continue;
                for (QString name : namesOf(list)) {
                    if (name.endsWith(QStringLiteral("））")))
                        name.chop(1); // the stray bracket of list 16
                    QVERIFY2(tabNames.contains(name), qPrintable(name));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "test_catalogue.moc"
