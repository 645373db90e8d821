#include "catalogue.h"
#include "content_store.h"
#include "leaf_source.h"
#include "test_support.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

QStringList categoryTexts()
{
    QStringList texts;
    for (const TopicTab& tab : ExerciseCatalogue::tabs())
        for (const TopicCategory& category : tab.categories)
            if (category.lastRow > 0)
                texts.append(category.text);
    return texts;
}

bool dispatchesOnTab(const QString& text, int tab)
{
    const auto& lists = ExerciseCatalogue::dispatchLists();
    return std::any_of(lists.begin(), lists.end(), [&](const DispatchList& list) { return list.matches(text, tab); });
}

QByteArray digestOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

} // namespace

class ContentTest : public QObject {
    Q_OBJECT

private slots:
    void leafSource_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("cells"); // column=row1|row2..., Null as ~
        QTest::newRow("two columns, comments and blank lines")
            << "# c\n[加法]\n10以内加法\n20以内加法\n\n[减法]\n10以内减法\n" << "" << "加法=10以内加法|20以内加法;减法=10以内减法|~";
        QTest::newRow("a Null cell") << "[a]\nx\n~\nz\n" << "" << "a=x|~|z";
        QTest::newRow("blanks are kept") << "[a]\n 57、利润 \n" << "" << "a= 57、利润 ";
        QTest::newRow("Windows line ends") << "[a]\r\nx\r\n" << "" << "a=x";
        QTest::newRow("cell before a header") << "x\n[a]\n" << "line 1: a cell before the first [column]" << "";
        QTest::newRow("column twice") << "[a]\nx\n[a]\n" << "line 3: the column a appears twice" << "";
        QTest::newRow("broken header") << "[a]\n[b\n" << "line 2: a section header is written [column name]" << "";
    }
    void leafSource()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QFETCH(QString, cells);
        const LeafSource source = parseLeafSource(text);
        QCOMPARE(source.error, error);
        if (!error.isEmpty())
            return;
        QStringList actual;
        for (int c = 0; c < source.table.columnNames().size(); ++c) {
            QStringList column;
            for (const auto& row : source.table.rows())
                column.append(row[c].value_or(QStringLiteral("~")));
            actual.append(source.table.columnNames()[c] + u'=' + column.join(u'|'));
        }
        QCOMPARE(actual.join(u';'), cells);
    }

    void shippedTableHasEveryColumnInTabOrder()
    {
        ContentStore store(buildDir());
        QCOMPARE(store.problem(), ContentStore::Problem::None);
        QCOMPARE(store.leaves().columnNames(), categoryTexts());
        QVERIFY(store.leaves().rows().size() <= 51); // no tab reads more rows
    }

    // Each column holds leaves only within its category's rows, and every leaf
    // reaches a procedure of its tab.
    void everyLeafDispatches()
    {
        Practice practice;
        for (const TopicTab& tab : ExerciseCatalogue::tabs()) {
            practice.model.selectTab(tab.number);
            const TreeView& tree = practice.form().TreeView1;
            for (const TreeNode& node : tree.nodes()) {
                if (node.parentKey.isEmpty())
                    continue;
                QVERIFY2(dispatchesOnTab(node.text, tab.number), qPrintable(node.text));
            }
        }
        ContentStore store(buildDir());
        RecordSet& leaves = store.leaves();
        int row = 1;
        for (leaves.moveFirst(); !leaves.atEnd(); leaves.moveNext(), ++row)
            for (const TopicTab& tab : ExerciseCatalogue::tabs())
                for (const TopicCategory& category : tab.categories)
                    if (row > category.lastRow)
                        QVERIFY2(!leaves.value(category.text), qPrintable(category.text));
    }

    void practiceTabsShowTheCatalogueNames()
    {
        Practice practice;
        for (int tab = 1; tab <= 7; ++tab) {
            practice.model.selectTab(tab);
            for (const TopicCategory& category : ExerciseCatalogue::tab(tab).categories)
                QCOMPARE(practice.leavesOf(category.key), category.exerciseTypes);
        }
    }

    void tabOneTree()
    {
        Practice practice;
        QCOMPARE(practice.leavesOf(QStringLiteral("a")).size(), 14);
        QCOMPARE(practice.leavesOf(QStringLiteral("b")).size(), 14);
        QCOMPARE(practice.leavesOf(QStringLiteral("c")).size(), 12);
        QCOMPARE(practice.leavesOf(QStringLiteral("d")).size(), 12);
        const TreeView& tree = practice.form().TreeView1;
        QCOMPARE(tree.nodes()[0].text, QStringLiteral("加法"));
        QCOMPARE(tree.selectedIndex(), 0);
        QCOMPARE(tree.nodes()[tree.treeOrder()[1]].key, QStringLiteral("a 1"));
        for (const TreeNode& node : tree.nodes())
            QVERIFY(node.expanded);
    }

    void tabNineHasItsExitLeaf()
    {
        Practice practice;
        practice.model.selectTab(9);
        QCOMPARE(practice.leavesOf(QStringLiteral("f1")), QStringList{QStringLiteral("退出")});
        const TreeView& tree = practice.form().TreeView1;
        QVERIFY(std::any_of(tree.nodes().begin(), tree.nodes().end(),
                            [](const TreeNode& node) { return node.key == QStringLiteral("f1 1"); }));
    }

    void aShortTableGivesShortCategories()
    {
        QTemporaryDir folder;
        QString text;
        for (const char* column : {"加法", "减法", "乘法", "除法", "数学概念"}) {
            text += QStringLiteral("[") + QString::fromUtf8(column) + QStringLiteral("]\n");
            for (int row = 1; row <= 10; ++row)
                text += QStringLiteral("%1 %2\n").arg(QString::fromUtf8(column)).arg(row);
        }
        QVERIFY(makeContentDatabase(text, folder.path()));
        Practice practice(folder.path());
        QCOMPARE(practice.model.content().problem(), ContentStore::Problem::None);
        for (const char* key : {"a", "b", "c", "d"})
            QCOMPARE(practice.leavesOf(QString::fromLatin1(key)).size(), 10);
        practice.model.selectTab(8);
        QCOMPARE(practice.leavesOf(QStringLiteral("b1")).size(), 10);
        QCOMPARE(practice.leavesOf(QStringLiteral("c1")).size(), 0); // no such column: no leaves, no failure
    }

    void aNullCellDropsOnlyItsLeaf()
    {
        QTemporaryDir folder;
        QVERIFY(makeContentDatabase(QStringLiteral("[加法]\n一\n二\n~\n四\n五\n"), folder.path()));
        Practice practice(folder.path());
        QCOMPARE(practice.leavesOf(QStringLiteral("a")), QStringList({"一", "二", "四", "五"}));
        QStringList keys;
        for (const int index : practice.form().TreeView1.treeOrder())
            keys.append(practice.form().TreeView1.nodes()[index].key);
        QCOMPARE(keys.mid(0, 6), QStringList({"a", "a 1", "a 2", "a 4", "a 5", "b"}));
    }

    void unusableFilesFallBackToTheCatalogue_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("notice");
        QTest::newRow("missing") << QByteArray() << int(ContentStore::Problem::Missing) << "找不到数据文件";
        QTest::newRow("corrupt") << QByteArray("this is not a database, only some text that pretends to be one")
                                 << int(ContentStore::Problem::Unreadable) << "无法读取";
        QTest::newRow("zero bytes") << QByteArray("") << int(ContentStore::Problem::Unreadable) << "无法读取";
    }
    void unusableFilesFallBackToTheCatalogue()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, problem);
        QFETCH(QString, notice);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("data.db"));
        if (problem != int(ContentStore::Problem::Missing)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        Practice practice(folder.path());
        QCOMPARE(int(practice.model.content().problem()), problem);
        const Label& shown = practice.form().contentNotice;
        QVERIFY(shown.visible);
        QVERIFY2(shown.caption().contains(notice) && shown.caption().contains(path), qPrintable(shown.caption()));
        QCOMPARE(practice.leavesOf(QStringLiteral("a")), ExerciseCatalogue::tab(1).categories[0].exerciseTypes);
        practice.model.selectTab(6);
        QCOMPARE(practice.leavesOf(QStringLiteral("b1")), ExerciseCatalogue::tab(6).categories[1].exerciseTypes);
        practice.model.selectTab(11);
        QCOMPARE(practice.form().TreeView1.nodes().size(), std::size_t(1)); // the category alone
        practice.model.selectTab(1);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(1));
        QVERIFY(practice.click(QStringLiteral("10以内加法")));
        QVERIFY(practice.form().Frame1[0].visible);
    }

    void aTableWithoutRowsIsUnreadable()
    {
        QTemporaryDir folder;
        QVERIFY(makeContentDatabase(QStringLiteral("[加法]\n"), folder.path()));
        ContentStore store(folder.path());
        QCOMPARE(store.problem(), ContentStore::Problem::Unreadable);
    }

    void theFileIsOnlyRead()
    {
        const QString path = buildDir() + QStringLiteral("/data.db");
        const QByteArray before = digestOf(path);
        {
            Practice practice;
            practice.model.selectTab(8);
        }
        QCOMPARE(digestOf(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }
};

QTEST_GUILESS_MAIN(ContentTest)
#include "test_content.moc"
