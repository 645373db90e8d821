#include "answer_numbers.h"
#include "catalogue.h"
#include "expression.h"
#include "page_renderer.h"
#include "page_source.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

QString libraryFolder()
{
    return sourceDir() + QStringLiteral("/content/library");
}

QString pagesFolder()
{
    return buildDir() + QStringLiteral("/123_files");
}

// The leaves of the 名人故事, 趣味数学, 试卷 and 奥数 tabs, puzzle answers included.
QStringList libraryTitles()
{
    QStringList titles;
    for (int list = 24; list <= 31; ++list)
        titles += ExerciseCatalogue::dispatchList(list).names.split(u',', Qt::SkipEmptyParts);
    titles.removeDuplicates();
    return titles;
}

QString numbersText(const QList<Rational>& numbers)
{
    QStringList texts;
    for (const Rational& number : numbers)
        texts.append(number.toString());
    return texts.join(u' ');
}

struct CheckedAnswer {
    QString where;
    QString answer;
    QStringList calc;
};

QList<CheckedAnswer> checkedAnswers(const PageSource& page)
{
    QList<CheckedAnswer> answers;
    if (page.kind == PageKind::Puzzle)
        answers.append({QStringLiteral("answer"), page.answer.answer, page.answer.calc});
    for (qsizetype s = 0; s < page.sections.size(); ++s)
        for (qsizetype i = 0; i < page.sections[s].items.size(); ++i) {
            const Item& item = page.sections[s].items[i];
            answers.append({QStringLiteral("sections[%1].items[%2] (%3)").arg(s).arg(i).arg(item.question.left(20)),
                            item.answer, item.calc});
        }
    for (qsizetype p = 0; p < page.problems.size(); ++p)
        answers.append({QStringLiteral("problems[%1] (%2)").arg(p).arg(page.problems[p].question.left(20)),
                        page.problems[p].answer, page.problems[p].calc});
    return answers;
}

// What a rendered page holds, read back as XML.
struct ParsedPage {
    QString error; // the XML error, if the page is not well-formed
    QString text;  // all text of <body>
    QStringList links; // every href and src
    QStringList elements;
};

ParsedPage parsePage(const QString& html)
{
    ParsedPage page;
    QXmlStreamReader xml(html);
    bool inBody = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            inBody = inBody || xml.name() == u"body";
            page.elements.append(xml.name().toString());
            for (const QString& attribute : {QStringLiteral("href"), QStringLiteral("src")})
                if (xml.attributes().hasAttribute(attribute))
                    page.links.append(xml.attributes().value(attribute).toString());
        } else if (xml.isCharacters() && inBody) {
            page.text += xml.text();
        }
    }
    if (xml.hasError())
        page.error = QStringLiteral("%1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
    return page;
}

// Why a rendered page file is not fit to show, or nothing.
QString pageFileProblem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("missing");
    const ParsedPage page = parsePage(QString::fromUtf8(file.readAll()));
    if (!page.error.isEmpty())
        return QStringLiteral("not well-formed: ") + page.error;
    if (page.elements.contains(QStringLiteral("script")))
        return QStringLiteral("holds a script");
    for (const QString& link : page.links) {
        const QUrl url(link);
        if (!url.isRelative() || link.startsWith(u'/'))
            return QStringLiteral("links outside its folder: ") + link;
        const QString target = url.path();
        if (!target.isEmpty() && !QFileInfo::exists(QFileInfo(path).dir().filePath(target)))
            return QStringLiteral("links to a missing file: ") + link;
    }
    return {};
}

const char* const storyFixture = R"({
  "title": "小数点的故事", "kind": "story", "subtitle": "一个小故事",
  "paragraphs": ["从前有一个小数点。", "它很小，可是很重要。"],
  "think": "3.5 和 35 差多少？"
})";

const char* const puzzleFixture = R"({
  "title": "分苹果", "kind": "puzzle",
  "paragraphs": ["6 个苹果分给 3 个人，每人几个？"],
  "table": [["人", "苹果"], ["甲", "？"]],
  "figure": "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'><circle cx='10' cy='10' r='8'/></svg>",
  "answer": { "paragraphs": ["6÷3＝2"], "a": "答：每人 2 个。", "calc": "6/3" }
})";

const char* const examFixture = R"({
  "title": "小测验", "kind": "exam", "subtitle": "（时间：10分钟）",
  "sections": [
    { "heading": "一、填空题（每空50分，共100分）", "points": 100,
      "items": [
        { "q": "比较：3 < 5 & 5 > 3，{1/2} 的一半是（　　）", "a": "{1/4}", "calc": "1/2/2" },
        { "q": "选一选", "choices": ["A. 1", "B. 2"], "a": "B", "solution": ["因为 2 比 1 大。"] }
      ] }
  ]
})";

const char* const olympiadFixture = R"({
  "title": "奥数小卷", "kind": "olympiad",
  "problems": [ { "q": "1+2+…+10＝？", "a": "55", "solution": ["首尾相加，11×5＝55。"], "calc": "11*5" } ]
})";

QByteArray storyWith(const char* extraField)
{
    return QByteArray(R"({"title": "故事", "kind": "story", "paragraphs": ["一段。"], "think": "想？")") + extraField
        + "}";
}

QByteArray examWithItem(const char* item)
{
    return QByteArray(R"({"title": "卷", "kind": "exam", "sections": [{"heading": "一、", "points": 100, "items": [)")
        + item + "]}]}";
}

bool writeText(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class LibraryPagesTest : public QObject {
    Q_OBJECT

    QList<SourceFile> m_sources;

private slots:
    void initTestCase()
    {
        m_sources = readLibrarySources(libraryFolder());
        qInfo("%lld page sources under %s", qint64(m_sources.size()), qPrintable(libraryFolder()));
    }

    void evaluate_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("value"); // empty when an error is expected
        QTest::addColumn<QString>("error"); // a part of the error text

        QTest::newRow("sum") << "7+2" << "9" << "";
        QTest::newRow("product before sum") << "2+3*4" << "14" << "";
        QTest::newRow("parentheses") << "(2+3)*4" << "20" << "";
        QTest::newRow("full-width parentheses, × ÷ and blanks") << "（ 2 + 3 ）× 6 ÷ 4" << "15/2" << "";
        QTest::newRow("left to right") << "12/3/2-1-1" << "0" << "";
        QTest::newRow("fractions stay exact") << "1/3+1/6" << "1/2" << "";
        QTest::newRow("decimals stay exact") << "0.1+0.2" << "3/10" << "";
        QTest::newRow("pi as 3.14") << "3.14*10^2" << "314" << "";
        QTest::newRow("unary minus") << "-3+5" << "2" << "";
        QTest::newRow("minus after an operator") << "2*-3" << "-6" << "";
        QTest::newRow("double minus") << "--3" << "3" << "";
        QTest::newRow("power before unary minus") << "-2^2" << "-4" << "";
        QTest::newRow("power is right-associative") << "2^3^2" << "512" << "";
        QTest::newRow("negative exponent") << "2^-2" << "1/4" << "";
        QTest::newRow("fraction to a power") << "(2/3)^3" << "8/27" << "";
        QTest::newRow("huge exponent of one") << "1^1000000000000000000" << "1" << "";
        QTest::newRow("gcd of three") << "gcd(12,18,30)" << "6" << "";
        QTest::newRow("gcd with a full-width comma") << "gcd(12，18)" << "6" << "";
        QTest::newRow("lcm of three") << "lcm(4,6,10)" << "60" << "";
        QTest::newRow("round half up") << "round(2.345,2)" << "47/20" << "";
        QTest::newRow("round a half to whole") << "round(2.5,0)" << "3" << "";
        QTest::newRow("round keeps the sign") << "round(-2.5,0)" << "-3" << "";
        QTest::newRow("round an area") << "round(3.14*2.5^2,1)" << "98/5" << "";
        QTest::newRow("floor") << "floor(7/2)" << "3" << "";
        QTest::newRow("floor of a negative") << "floor(-7/2)" << "-4" << "";
        QTest::newRow("largest number") << "9223372036854775807" << "9223372036854775807" << "";
        QTest::newRow("product that fits after cancelling") << "(9223372036854775807/2)*2" << "9223372036854775807" << "";

        QTest::newRow("division by zero") << "1/0" << "" << "division by zero";
        QTest::newRow("division by a zero result") << "5÷(2-2)" << "" << "division by zero";
        QTest::newRow("zero to a negative power") << "0^-1" << "" << "0 has no power -1";
        QTest::newRow("sum overflows") << "9223372036854775807+1" << "" << "does not fit in 64 bits";
        QTest::newRow("product overflows") << "3037000500*3037000500" << "" << "does not fit in 64 bits";
        QTest::newRow("power overflows") << "2^63" << "" << "does not fit in 64 bits";
        QTest::newRow("lcm overflows") << "lcm(9223372036854775807,2)" << "" << "does not fit in 64 bits";
        QTest::newRow("number too long") << "99999999999999999999" << "" << "the number 99999999999999999999 does not fit";
        QTest::newRow("empty") << "" << "" << "a number expected at the end";
        QTest::newRow("trailing operator") << "2+" << "" << "a number expected at the end";
        QTest::newRow("unclosed parenthesis") << "(2+3" << "" << "“)” expected at the end";
        QTest::newRow("two numbers") << "2 3" << "" << "unexpected “3” at position 3";
        QTest::newRow("percent sign") << "50%" << "" << "unexpected “%” at position 3";
        QTest::newRow("two points") << "3..4" << "" << "“3..4” is not a number";
        QTest::newRow("unknown function") << "sqrt(4)" << "" << "unknown function “sqrt”";
        QTest::newRow("gcd of a fraction") << "gcd(5/2,5)" << "" << "gcd takes whole numbers, not 5/2";
        QTest::newRow("round without places") << "round(2.5)" << "" << "round does not take 1 argument(s)";
        QTest::newRow("round to negative places") << "round(25,-1)" << "" << "round keeps 0 to 18 decimals";
        QTest::newRow("fractional exponent") << "2^0.5" << "" << "the exponent 1/2 is not a whole number";
        QTest::newRow("nested too deeply") << QString(500, u'(') + u'1' + QString(500, u')') << "" << "nested too deeply";
        QTest::newRow("minus chain too long") << QString(100000, u'-') + u'1' << "" << "nested too deeply";
    }
    void evaluate()
    {
        QFETCH(QString, expression);
        QFETCH(QString, value);
        QFETCH(QString, error);
        const Evaluation result = evaluateExpression(expression);
        QVERIFY2(result.error.contains(error) && (error.isEmpty() == result.error.isEmpty()), qPrintable(result.error));
        QCOMPARE(result.value.has_value(), !value.isEmpty());
        if (result.value)
            QCOMPARE(result.value->toString(), value);
    }

    void answerNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("a sentence") << "答：鱼缸里一共有 12 条鱼。" << "12";
        QTest::newRow("several numbers") << "999999；1000000；1" << "999999 1000000 1";
        QTest::newRow("decimal") << "每千克 7.5 元" << "15/2";
        QTest::newRow("full stop after a number") << "是 3." << "3";
        QTest::newRow("fraction") << "{3/4}" << "3/4";
        QTest::newRow("mixed number") << "2{1/3} 小时" << "7/3";
        QTest::newRow("percent counts twice") << "出勤率是 25%。" << "25 1/4";
        QTest::newRow("full-width percent") << "12.5％" << "25/2 1/8";
        QTest::newRow("minus at the start") << "-3" << "-3";
        QTest::newRow("minus after a blank") << "气温是 -3 ℃" << "-3";
        QTest::newRow("minus after a parenthesis") << "（-2）和(-5)" << "-2 -5";
        QTest::newRow("negative fraction") << "-{1/2}" << "-1/2";
        QTest::newRow("minus between numbers") << "8-3＝5" << "8 3 5";
        QTest::newRow("minus after a letter") << "x-4" << "4";
        QTest::newRow("zero denominator left out") << "{1/0} 和 4" << "4";
        QTest::newRow("too long left out") << "99999999999999999999 和 7" << "7";
        QTest::newRow("full-width digits not read") << "１２" << "";
        QTest::newRow("no numbers") << "√" << "";
    }
    void answerNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, numbers);
        QCOMPARE(numbersText(numbersInText(text)), numbers);
    }

    void readerErrors_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray("{\n  \"title\": }") << "x.json: line 2, column ";
        QTest::newRow("not an object") << QByteArray("[]") << "x.json: the page must be one JSON object";
        QTest::newRow("missing title") << QByteArray(R"({"kind": "story"})") << "x.json: field title is missing";
        QTest::newRow("unknown kind") << QByteArray(R"({"title": "t", "kind": "poem"})")
                                      << "x.json: field kind must be story, puzzle, exam or olympiad, not poem";
        QTest::newRow("missing think") << QByteArray(R"({"title": "t", "kind": "story", "paragraphs": ["p"]})")
                                       << "x.json: field think is missing";
        QTest::newRow("paragraphs as one text") << QByteArray(R"({"title": "t", "kind": "story", "paragraphs": "p", "think": "?"})")
                                                << "x.json: field paragraphs must be a list of texts";
        QTest::newRow("empty paragraph list") << QByteArray(R"({"title": "t", "kind": "story", "paragraphs": [], "think": "?"})")
                                              << "x.json: field paragraphs is an empty list";
        QTest::newRow("blank text") << storyWith(R"(, "subtitle": "  ")") << "x.json: field subtitle is empty";
        QTest::newRow("misspelt field") << storyWith(R"(, "subtitel": "s")")
                                        << "x.json: unknown field subtitel (known here: heading, kind, paragraphs, subtitle, think, title)";
        QTest::newRow("field of another kind") << storyWith(R"(, "sections": [])") << "x.json: unknown field sections";
        QTest::newRow("points as text") << QByteArray(R"({"title": "t", "kind": "exam", "sections": [{"heading": "h", "points": "20", "items": []}]})")
                                        << "x.json: field sections[0].points must be a positive number";
        QTest::newRow("item field misspelt") << examWithItem(R"({"q": "1+1", "a": "2"}, {"q": "2+2", "a": "4", "clac": "2+2"})")
                                             << "x.json: unknown field sections[0].items[1].clac";
        QTest::newRow("item without answer") << examWithItem(R"({"q": "1+1"})") << "x.json: field sections[0].items[0].a is missing";
        QTest::newRow("calc as a number") << examWithItem(R"({"q": "1+1", "a": "2", "calc": 2})")
                                          << "x.json: field sections[0].items[0].calc must be a text or a list of texts";
        QTest::newRow("calc list with a number") << examWithItem(R"({"q": "1+1", "a": "2", "calc": ["1+1", 2]})")
                                                 << "x.json: field sections[0].items[0].calc must be a list of texts";
        QTest::newRow("choices as text") << examWithItem(R"({"q": "?", "a": "A", "choices": "A. 1"})")
                                         << "x.json: field sections[0].items[0].choices must be a list of texts";
        QTest::newRow("table row as text") << examWithItem(R"({"q": "?", "a": "1", "table": ["a", "b"]})")
                                           << "x.json: field sections[0].items[0].table must be a list of rows, each a list of texts";
        QTest::newRow("broken figure") << examWithItem(R"({"q": "?", "a": "1", "figure": "<svg><rect></svg>"})")
                                       << "x.json: field sections[0].items[0].figure is not well-formed XML";
        QTest::newRow("figure not svg") << examWithItem(R"({"q": "?", "a": "1", "figure": "<img src='x.png'/>"})")
                                        << "x.json: field sections[0].items[0].figure must start with <svg>, not <img>";
        QTest::newRow("figure with a script") << examWithItem(R"({"q": "?", "a": "1", "figure": "<svg><script>alert(1)</script></svg>"})")
                                              << "x.json: field sections[0].items[0].figure may not hold <script>";
        QTest::newRow("figure fetching a picture") << examWithItem(R"({"q": "?", "a": "1", "figure": "<svg><image href='http://x/a.png'/></svg>"})")
                                                   << "x.json: field sections[0].items[0].figure may only link inside itself";
        QTest::newRow("olympiad problem without solution") << QByteArray(R"({"title": "t", "kind": "olympiad", "problems": [{"q": "?", "a": "1"}]})")
                                                           << "x.json: field problems[0].solution is missing";
        QTest::newRow("puzzle answer without a") << QByteArray(R"({"title": "t", "kind": "puzzle", "paragraphs": ["p"], "answer": {"paragraphs": ["s"]}})")
                                                 << "x.json: field answer.a is missing";
    }
    void readerErrors()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        const PageSourceRead read = parsePageSource(json, QStringLiteral("x.json"));
        QVERIFY2(read.error.startsWith(error), qPrintable(read.error));
    }

    void sourceFileErrors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("title differs from the file name") << "stories/别的故事.json"
                                                          << "stories/别的故事.json: the title “小数点的故事” differs from the file name";
        QTest::newRow("kind in the wrong folder") << "puzzles/小数点的故事.json"
                                                  << "puzzles/小数点的故事.json: a page of kind story belongs in stories/";
        QTest::newRow("outside the kind folders") << "小数点的故事.json"
                                                  << "小数点的故事.json: a page source belongs in stories/, puzzles/, exams/ or olympiad/";
        QTest::newRow("right place") << "stories/小数点的故事.json" << "";
    }
    void sourceFileErrors()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        QTemporaryDir folder;
        QVERIFY(writeText(folder.filePath(path), storyFixture));
        const QList<SourceFile> sources = readLibrarySources(folder.path());
        QCOMPARE(sources.size(), 1);
        QCOMPARE(sources.front().path, path);
        QCOMPARE(sources.front().read.error, error);
    }

    void rendersEachKind_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("fileNames");
        QTest::addColumn<QStringList>("texts");  // per page, in the order they must appear
        QTest::addColumn<QStringList>("links");  // per page, besides library.css
        QTest::newRow("story") << QByteArray(storyFixture) << QStringList{"小数点的故事.htm"}
                               << QStringList{"小数点的故事|一个小故事|从前有一个小数点。|想一想|3.5 和 35 差多少？"}
                               << QStringList{""};
        QTest::newRow("puzzle") << QByteArray(puzzleFixture) << QStringList{"分苹果.htm", "分苹果答案.htm"}
                                << QStringList{"分苹果|6 个苹果分给 3 个人，每人几个？|甲|看答案",
                                               "分苹果答案|6÷3＝2|答：每人 2 个。|回到题目"}
                                << QStringList{"分苹果答案.htm", "分苹果.htm"};
        QTest::newRow("exam") << QByteArray(examFixture) << QStringList{"小测验.htm"}
                              << QStringList{"小测验|（时间：10分钟）|姓名|一、填空题（每空50分，共100分）|比较：3 < 5 & 5 > 3，12 的一半是|"
                                             "A. 1|B. 2|参考答案|一、填空题|14|B|因为 2 比 1 大。"}
                              << QStringList{""};
        QTest::newRow("olympiad") << QByteArray(olympiadFixture) << QStringList{"奥数小卷.htm"}
                                  << QStringList{"奥数小卷|第1题|1+2+…+10＝？|解答|首尾相加，11×5＝55。|答案：55"}
                                  << QStringList{""};
    }
    void rendersEachKind()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, fileNames);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, links);
        const PageSourceRead read = parsePageSource(json, QStringLiteral("fixture.json"));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        const QList<RenderedPage> pages = renderPages(read.page);
        QCOMPARE(pages.size(), fileNames.size());
        for (qsizetype p = 0; p < pages.size(); ++p) {
            QCOMPARE(pages[p].fileName, fileNames[p]);
            QVERIFY(pages[p].html.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"zh-CN\">")));
            const ParsedPage page = parsePage(pages[p].html);
            QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
            qsizetype at = 0;
            for (const QString& text : texts[p].split(u'|')) {
                at = page.text.indexOf(text, at);
                QVERIFY2(at >= 0, qPrintable(QStringLiteral("“%1” missing or out of order in %2").arg(text, page.text)));
            }
            const QStringList expectedLinks = QStringList{QStringLiteral("library.css")} + links[p].split(u'|', Qt::SkipEmptyParts);
            QCOMPARE(page.links, expectedLinks);
        }
    }

    void escapesTextAndStacksFractions()
    {
        const PageSourceRead read = parsePageSource(examFixture, QStringLiteral("fixture.json"));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        const QString html = renderPages(read.page).front().html;
        QVERIFY(html.contains(QStringLiteral("比较：3 &lt; 5 &amp; 5 &gt; 3，")));
        QVERIFY(html.contains(QStringLiteral(
            "<span class=\"frac\"><span class=\"num\">1</span><span class=\"den\">2</span></span> 的一半")));
        QCOMPARE(richText(QStringLiteral("2{1/3} 和 {a<b/2} 和 {不是分数}")),
                 QStringLiteral("2<span class=\"frac\"><span class=\"num\">1</span><span class=\"den\">3</span></span> 和 "
                                "<span class=\"frac\"><span class=\"num\">a&lt;b</span><span class=\"den\">2</span></span> 和 "
                                "{不是分数}"));
    }

    // A bad source stops the whole run before any page is written; once fixed, all pages come.
    void brokenSourceGivesAnErrorNotAPage()
    {
        QTemporaryDir source, output;
        QVERIFY(writeText(source.filePath(QStringLiteral("library.css")), "body {}\n"));
        QVERIFY(writeText(source.filePath(QStringLiteral("stories/小数点的故事.json")), storyFixture));
        QVERIFY(writeText(source.filePath(QStringLiteral("puzzles/分苹果.json")), QByteArray(puzzleFixture).replace("\"a\":", "\"b\":")));
        QProcess tool;
        tool.start(buildDir() + QStringLiteral("/make-library-pages"), {source.path(), output.path()});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 1);
        const QString errors = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(errors.contains(QStringLiteral("puzzles/分苹果.json: field answer.a is missing")), qPrintable(errors));
        QCOMPARE(QDir(output.path()).entryList(QDir::Files), QStringList());

        QVERIFY(writeText(source.filePath(QStringLiteral("puzzles/分苹果.json")), puzzleFixture));
        QCOMPARE(QProcess::execute(buildDir() + QStringLiteral("/make-library-pages"), {source.path(), output.path()}), 0);
        QDir pages(output.path());
        QStringList written = pages.entryList(QDir::Files);
        written.sort();
        QCOMPARE(written, (QStringList{"library.css", "分苹果.htm", "分苹果答案.htm", "小数点的故事.htm"}));
        for (const QString& name : pages.entryList({QStringLiteral("*.htm")}))
            QVERIFY2(pageFileProblem(pages.filePath(name)).isEmpty(), qPrintable(name + u' ' + pageFileProblem(pages.filePath(name))));
    }

    // The shipped sources: each reads, belongs to a tree leaf and has the shape of its kind.
    void shippedSourcesAreSound()
    {
        const QStringList titles = libraryTitles();
        QStringList problems;
        for (const SourceFile& source : m_sources) {
            const PageSource& page = source.read.page;
            if (!source.read.error.isEmpty()) {
                problems.append(source.read.error);
                continue;
            }
            if (!titles.contains(page.title))
                problems.append(source.path + QStringLiteral(": the title is not a leaf of the library tabs"));
            const QString shape = shapeProblem(page);
            if (!shape.isEmpty())
                problems.append(source.path + QStringLiteral(": ") + shape);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(u'\n' + problems.join(u'\n')));
    }

    // Every calc of every shipped source gives a number its answer shows.
    void shippedAnswersMatchTheirCalc()
    {
        QStringList mismatches;
        int items = 0, verified = 0;
        for (const SourceFile& source : m_sources) {
            for (const CheckedAnswer& answer : checkedAnswers(source.read.page)) {
                ++items;
                const QList<Rational> shown = numbersInText(answer.answer);
                for (const QString& calc : answer.calc) {
                    const Evaluation result = evaluateExpression(calc);
                    if (!result.error.isEmpty())
                        mismatches.append(QStringLiteral("%1: %2: calc “%3”: %4").arg(source.path, answer.where, calc, result.error));
                    else if (!shown.contains(*result.value))
                        mismatches.append(QStringLiteral("%1: %2: calc “%3” = %4, but a “%5” shows [%6]")
                                              .arg(source.path, answer.where, calc, result.value->toString(), answer.answer,
                                                   numbersText(shown)));
                    else
                        ++verified;
                }
            }
        }
        qInfo("%d answered items, %d computed answers verified, %lld mismatches", items, verified, qint64(mismatches.size()));
        QVERIFY2(mismatches.isEmpty(), qPrintable(u'\n' + mismatches.join(u'\n')));
    }

    // What the program's browser opens: a page for every leaf, well-formed, linking only to files beside it.
    void everyLeafHasItsRenderedPage()
    {
        QStringList problems;
        const QStringList titles = libraryTitles();
        for (const QString& title : titles) {
            const QString problem = pageFileProblem(pagesFolder() + u'/' + title + QStringLiteral(".htm"));
            if (!problem.isEmpty())
                problems.append(title + QStringLiteral(".htm: ") + problem);
        }
        qInfo("%lld of %lld library pages in %s are fit to show", qint64(titles.size() - problems.size()),
              qint64(titles.size()), qPrintable(pagesFolder()));
        QVERIFY2(problems.isEmpty(), qPrintable(u'\n' + problems.join(u'\n')));
    }

private:
    static QString shapeProblem(const PageSource& page)
    {
        switch (page.kind) {
        case PageKind::Story: {
            qsizetype characters = 0;
            for (const QString& paragraph : page.paragraphs)
                characters += paragraph.toUcs4().size();
            return characters >= 500 && characters <= 900
                ? QString()
                : QStringLiteral("the story has %1 characters, not 500 to 900").arg(characters);
        }
        case PageKind::Exam: {
            double points = 0;
            qsizetype items = 0;
            for (const Section& section : page.sections) {
                points += section.points;
                items += section.items.size();
            }
            if (points != 100)
                return QStringLiteral("the sections give %1 points, not 100").arg(points);
            return items >= 25 && items <= 40 ? QString() : QStringLiteral("the paper has %1 items, not 25 to 40").arg(items);
        }
        case PageKind::Olympiad:
            return page.problems.size() >= 6 && page.problems.size() <= 8
                ? QString()
                : QStringLiteral("the paper has %1 problems, not 6 to 8").arg(page.problems.size());
        case PageKind::Puzzle:
            return {};
        }
        return {};
    }
};

QTEST_GUILESS_MAIN(LibraryPagesTest)
#include "test_library_pages.moc"
