// The reference library without a screen: the dictionary and where each
// viewer points the browser, checked against the content the build installs.

#include "dictionary.h"
#include "library_address.h"
#include "test_support.h"
#include "viewers.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The leaves of the selected tab, in tree order, without the categories.
QStringList leavesOfTab(Practice& practice)
{
    QStringList leaves;
    const TreeView& tree = practice.form().TreeView1;
    for (const int index : tree.treeOrder())
        if (!tree.nodes()[index].parentKey.isEmpty())
            leaves.append(tree.nodes()[index].text);
    return leaves;
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT

private slots:
    void dictionaryTextIsWellFormed()
    {
        const QString text = dictionaryText();
        QVERIFY2(text.size() > 4000, qPrintable(QStringLiteral("%1 characters").arg(text.size())));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))));
        QVERIFY(text.startsWith(QStringLiteral("1、加法交换律：")));
        // 64 numbered entries in order, 32 twice, each after an empty line.
        QRegularExpression head(QStringLiteral("(?:^|\r\n\r\n)(\\d+)、"));
        QList<int> numbers;
        for (const auto& match : head.globalMatch(text))
            numbers.append(match.captured(1).toInt());
        QList<int> expected;
        for (int n = 1; n <= 64; ++n)
            expected.append(n);
        expected.insert(32, 32);
        QCOMPARE(numbers, expected);
        // Then the formulas, numbered ⑴ on in two runs.
        QCOMPARE(text.count(QStringLiteral("⑴、")), 2);
        QVERIFY(text.indexOf(QStringLiteral("⑴、")) > text.indexOf(QStringLiteral("64、")));
    }

    // Every dictionary leaf the pupil can click shows the text from its own
    // entry on, the two entries numbered 32 included.
    void everyDictionaryTitleFindsItsEntry()
    {
        Practice practice;
        practice.model.selectTab(8);
        const QString whole = practice.form().Text12[0].text;
        const QStringList titles = leavesOfTab(practice);
        QCOMPARE(titles.size(), 66);
        QVERIFY(titles.contains(QStringLiteral("32、百分数化成分数")) && titles.contains(QStringLiteral("32、最大公约数")));
        int entries = 0;
        for (const QString& title : titles) {
            QVERIFY(practice.click(title));
            const QString shown = practice.form().Text12[1].text;
            if (title == QStringLiteral("显示全部内容")) {
                QCOMPARE(shown, whole);
                continue;
            }
            ++entries;
            QVERIFY2(shown.startsWith(title), qPrintable(title + QStringLiteral(" shows: ") + shown.left(20)));
            QVERIFY2(QStringLiteral("：:？?").contains(shown.at(title.size())), qPrintable(title));
            QVERIFY(whole.endsWith(shown));
        }
        QCOMPARE(entries, 65);
    }

    // On a small text of our own: an entry is found by its whole title at the
    // start of a line, whatever else shares its number or stands before it.
    void dictionaryEntryIsFoundByItsWholeTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownFrom");
        const QString whole = QStringLiteral("1、加法：");
        QTest::newRow("own entry") << QStringLiteral("1、加法") << QStringLiteral("1、加法：");
        QTest::newRow("title also inside an earlier entry") << QStringLiteral("2、百分数") << QStringLiteral("2、百分数：百分之几");
        QTest::newRow("second entry with the same number") << QStringLiteral("2、比例") << QStringLiteral("2、比例？两个比");
        QTest::newRow("the start of a title only") << QStringLiteral("2、百") << whole;
        QTest::newRow("the number only") << QStringLiteral("2") << whole;
        QTest::newRow("not in the text") << QStringLiteral("99、无") << whole;
        QTest::newRow("显示全部内容") << QStringLiteral("显示全部内容") << whole;
        QTest::newRow("empty title") << QString() << whole;
    }
    void dictionaryEntryIsFoundByItsWholeTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, shownFrom);
        Practice practice;
        MainForm& form = practice.form();
        form.Text12[0].text = QStringLiteral("1、加法：见 2、百分数。\r\n\r\n2、百分数：百分之几。\r\n\r\n2、比例？两个比相等。");
        form.TreeView1.clear();
        form.TreeView1.add({}, QStringLiteral("k"), title);
        form.TreeView1.select(0);
        myframe19(form);
        QVERIFY2(form.Text12[1].text.startsWith(shownFrom), qPrintable(form.Text12[1].text));
    }

    // Each library tab's viewer, reached through the dispatch, asks for the
    // page named after the leaf, in the program folder.
    void viewersOpenThePageOfTheLeaf_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("leaf");
        QTest::addColumn<QString>("page");
        QTest::newRow("game") << 9 << QStringLiteral("小熊分饼") << QStringLiteral("/小熊分饼.swf");
        QTest::newRow("leaving the games") << 9 << QStringLiteral("退出") << QStringLiteral("/123.htm");
        QTest::newRow("puzzle") << 10 << QStringLiteral("计算年龄") << QStringLiteral("/123_files/计算年龄.htm");
        QTest::newRow("puzzle answer") << 10 << QStringLiteral("计算年龄答案") << QStringLiteral("/123_files/计算年龄答案.htm");
        QTest::newRow("story") << 11 << QStringLiteral("高斯的故事") << QStringLiteral("/123_files/高斯的故事.htm");
        QTest::newRow("exam paper") << 12 << QStringLiteral("六年级数学下册期末考试卷")
                                    << QStringLiteral("/123_files/六年级数学下册期末考试卷.htm");
        QTest::newRow("olympiad paper") << 13 << QStringLiteral("小升初奥数试题及答案⒇")
                                        << QStringLiteral("/123_files/小升初奥数试题及答案⒇.htm");
    }
    void viewersOpenThePageOfTheLeaf()
    {
        QFETCH(int, tab);
        QFETCH(QString, leaf);
        QFETCH(QString, page);
        Practice practice;
        practice.model.selectTab(tab);
        const int before = practice.form().WebBrowser1.navigationCount();
        QVERIFY(practice.click(leaf));
        QCOMPARE(practice.form().WebBrowser1.address(), buildDir() + page);
        QVERIFY(practice.form().WebBrowser1.navigationCount() > before);
        QCOMPARE(practice.form().seenPage(), 10);
    }

    void libraryTabsOpenTheirStartPages_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("page");
        QTest::newRow("games") << 9 << QStringLiteral("数学游戏") << QStringLiteral("/123.htm");
        QTest::newRow("puzzles") << 10 << QStringLiteral("智力题") << QStringLiteral("/123.htm");
        QTest::newRow("stories") << 11 << QStringLiteral("名人故事") << QStringLiteral("/123_files/祖冲之的故事.htm");
        QTest::newRow("exam papers") << 12 << QStringLiteral("各年级数学试卷")
                                     << QStringLiteral("/123_files/一年级数学上册期中考试卷.htm");
        QTest::newRow("olympiad papers") << 13 << QStringLiteral("小升初奥数试题及答案") << QStringLiteral("/123.htm");
    }
    void libraryTabsOpenTheirStartPages()
    {
        QFETCH(int, tab);
        QFETCH(QString, caption);
        QFETCH(QString, page);
        Practice practice;
        practice.model.selectTab(tab);
        const MainForm& form = practice.form();
        QCOMPARE(form.WebBrowser1.address(), buildDir() + page);
        QCOMPARE(form.Frame1[10].caption, caption);
        QVERIFY(form.Label31.visible);
        QVERIFY(!form.Picture14.visible);
        QCOMPARE(form.seenPage(), 10);
    }

    // What the browser is given for an address: the page itself, its HTML5
    // edition for a game, or one of our own pages, never a path outside.
    void addressesResolveInsideTheProgramFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        const int page = int(LibraryPage::Kind::File);
        const int missing = int(LibraryPage::Kind::Missing);
        const int refused = int(LibraryPage::Kind::Refused);
        QTest::newRow("start page") << QStringLiteral("/123.htm") << page << QStringLiteral("/123.htm");
        QTest::newRow("library page") << QStringLiteral("/123_files/故事.htm") << page << QStringLiteral("/123_files/故事.htm");
        QTest::newRow("game as its HTML5 edition") << QStringLiteral("/小熊分饼.swf") << page << QStringLiteral("/小熊分饼.html");
        QTest::newRow("title with URL characters") << QStringLiteral("/123_files/a#b?c%20.htm") << page
                                                   << QStringLiteral("/123_files/a#b?c%20.htm");
        QTest::newRow("missing page") << QStringLiteral("/123_files/没有.htm") << missing << QStringLiteral("/123_files/没有.htm");
        QTest::newRow("missing game") << QStringLiteral("/倍数.swf") << missing << QStringLiteral("/倍数.html");
        QTest::newRow("dots that stay inside") << QStringLiteral("/123_files/../123.htm") << page << QStringLiteral("/123.htm");
        QTest::newRow("climbing out") << QStringLiteral("/123_files/../../secret.htm") << refused << QString();
        QTest::newRow("climbing out as a game") << QStringLiteral("/../outside.swf") << refused << QString();
        QTest::newRow("link to a page inside") << QStringLiteral("/123_files/link_in.htm") << page
                                               << QStringLiteral("/123_files/link_in.htm");
        QTest::newRow("link to a page outside") << QStringLiteral("/123_files/link_out.htm") << refused << QString();
        QTest::newRow("game linked outside") << QStringLiteral("/linked_game.swf") << refused << QString();
        QTest::newRow("linked folder outside") << QStringLiteral("/123_files/out/secret.htm") << refused << QString();
        QTest::newRow("dangling link") << QStringLiteral("/dangling.htm") << missing << QStringLiteral("/dangling.htm");
    }
    void addressesResolveInsideTheProgramFolder()
    {
        QFETCH(QString, path);
        QFETCH(int, kind);
        QFETCH(QString, file);
        QTemporaryDir root;
        const QString folder = root.path() + QStringLiteral("/program");
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/123_files")));
        for (const char* name : {"/123.htm", "/123_files/故事.htm", "/小熊分饼.html", "/123_files/a#b?c%20.htm", "/secret.htm"})
            QVERIFY(writeFile((QString::fromUtf8(name) == QStringLiteral("/secret.htm") ? root.path() : folder)
                                  + QString::fromUtf8(name),
                              "<p>x</p>"));
        const QString secret = root.filePath(QStringLiteral("secret.htm"));
        QVERIFY(QFile::link(folder + QStringLiteral("/123.htm"), folder + QStringLiteral("/123_files/link_in.htm")));
        QVERIFY(QFile::link(secret, folder + QStringLiteral("/123_files/link_out.htm")));
        QVERIFY(QFile::link(secret, folder + QStringLiteral("/linked_game.html")));
        QVERIFY(QFile::link(root.path(), folder + QStringLiteral("/123_files/out")));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("gone.htm")), folder + QStringLiteral("/dangling.htm")));
        const LibraryPage resolved = LibraryFolder(folder).resolve(folder + path);
        QCOMPARE(int(resolved.kind), kind);
        if (!file.isEmpty())
            QCOMPARE(resolved.localFile, folder + file);
    }

    // The folder may itself be reached through a link; where it leads is taken
    // once, so pointing the link elsewhere later moves nothing inside.
    void aLinkedProgramFolderIsResolvedOnce()
    {
        QTemporaryDir root;
        for (const char* version : {"/v1", "/v2"}) {
            QVERIFY(QDir().mkpath(root.path() + QString::fromUtf8(version)));
            QVERIFY(writeFile(root.path() + QString::fromUtf8(version) + QStringLiteral("/123.htm"), "<p>x</p>"));
        }
        const QString current = root.filePath(QStringLiteral("current"));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("v1")), current));
        const LibraryFolder folder(current);
        QCOMPARE(folder.resolve(current + QStringLiteral("/123.htm")).kind, LibraryPage::Kind::File);
        QVERIFY(QFile::remove(current));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("v2")), current));
        QCOMPARE(folder.resolve(current + QStringLiteral("/123.htm")).kind, LibraryPage::Kind::Refused);
        QVERIFY(!folder.holds(current + QStringLiteral("/123.htm")));
        QVERIFY(folder.holds(root.filePath(QStringLiteral("v1/123.htm"))));
    }

    void addressOfAnotherFolderIsRefused()
    {
        QCOMPARE(LibraryFolder(QStringLiteral("/opt/tallowby")).resolve(QStringLiteral("/etc/passwd")).kind,
                 LibraryPage::Kind::Refused);
    }

    void ownPagesEscapeTheNameTheyShow()
    {
        const QString page = missingPageHtml(QStringLiteral("<b>&"));
        QVERIFY(page.contains(QStringLiteral("页面不存在")));
        QVERIFY(page.contains(QStringLiteral("&lt;b&gt;&amp;")));
        QVERIFY(refusedPageHtml(QStringLiteral("<x>")).contains(QStringLiteral("&lt;x&gt;")));
    }

    // Every leaf of the library tabs, as the installed content lists them, and
    // every start page resolves to a page the build installed.
    void everyLibraryLeafHasItsPage_data()
    {
        QTest::addColumn<int>("tab");
        for (int tab = 9; tab <= 13; ++tab)
            QTest::addRow("tab %d", tab) << tab;
    }
    void everyLibraryLeafHasItsPage()
    {
        QFETCH(int, tab);
        Practice practice;
        practice.model.selectTab(tab);
        QStringList missing;
        const LibraryFolder folder(buildDir());
        auto check = [&](const QString& what) {
            const QString address = practice.form().WebBrowser1.address();
            if (folder.resolve(address).kind != LibraryPage::Kind::File)
                missing.append(what + QStringLiteral(" → ") + address.mid(buildDir().size()));
        };
        check(QStringLiteral("start page"));
        const QStringList leaves = leavesOfTab(practice);
        QVERIFY(!leaves.isEmpty());
        for (const QString& leaf : leaves) {
            QVERIFY(practice.click(leaf));
            check(leaf);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(LibraryTest)
#include "test_library.moc"
