#include "answer_check.h"
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

// "25|1/4" for a number that also reads as its hundredth.
QString numbersText(const QList<ShownNumber>& numbers)
{
    QStringList texts;
    for (const ShownNumber& number : numbers)
        texts.append(number.value.toString() + (number.hundredth ? u'|' + number.hundredth->toString() : QString()));
    return texts.join(u' ');
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
    return QByteArray(R"({"title": "卷", "kind": "exam", "sections": [{"heading": "一、填空题（共100分）", "points": 100, "items": [)")
        + item + "]}]}";
}

QString makeLibraryPages()
{
    return buildDir() + QStringLiteral("/make-library-pages");
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
    // Without the sources every test of them would pass on nothing.
    void initTestCase()
    {
        QVERIFY2(QFileInfo(libraryFolder()).isDir(), qPrintable(libraryFolder() + QStringLiteral(" is not a folder")));
        m_sources = readLibrarySources(libraryFolder());
        QVERIFY2(!m_sources.isEmpty(), qPrintable(QStringLiteral("no page sources under ") + libraryFolder()));
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
        QTest::newRow("full-width plus and minus") << "8＋5－3" << "10" << "";
        QTest::newRow("ratio sign") << "0.5∶2" << "1/4" << "";
        QTest::newRow("max, min, abs") << "max(3,7,5)-min(3,7,5)+abs(-2)" << "6" << "";
        QTest::newRow("mod is never negative") << "mod(17,7)+mod(-1,7)" << "9" << "";
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
        QTest::newRow("mod by zero") << "mod(5,0)" << "" << "division by zero";
        QTest::newRow("x outside a 选择 item") << "x>6" << "" << "x stands for the value of a choice";
        QTest::newRow("and between numbers") << "1 and 2" << "" << "“and” joins relations, not the number 1";
        QTest::newRow("chained relation") << "1<2<3" << "" << "unexpected “<” at position 4";
        QTest::newRow("and inside a word") << "1=1 andy" << "" << "unexpected “a” at position 5";
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

    void relations_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("truth");
        QTest::addColumn<QString>("sign"); // of a single relation
        QTest::newRow("false equation") << "9-3=5" << false << "=";
        QTest::newRow("full-width signs") << "4＋2＝6" << true << "=";
        QTest::newRow("less than") << "3<8" << true << "<";
        QTest::newRow("full-width greater") << "7＞5" << true << ">";
        QTest::newRow("at most") << "5<=5" << true << "≤";
        QTest::newRow("at least, written ≥") << "4≥5" << false << "≥";
        QTest::newRow("not equal") << "1/2!=2/4" << false << "≠";
        QTest::newRow("fractions compared exactly") << "1/3+1/6=0.5" << true << "=";
        QTest::newRow("and binds before or") << "1>2 and 2>1 or 3>2" << true << "";
        QTest::newRow("and") << "mod(19,10)=1 and floor(19/10)=9" << false << "";
        QTest::newRow("or") << "1=2 or 2=2" << true << "";
    }
    void relations()
    {
        QFETCH(QString, expression);
        QFETCH(bool, truth);
        QFETCH(QString, sign);
        const Evaluation result = evaluateExpression(expression);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QVERIFY(!result.value);
        QCOMPARE(result.truth, std::optional<bool>(truth));
        QCOMPARE(result.relation, sign);
    }

    void conditionOnAChoice_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("x");
        QTest::addColumn<bool>("truth");
        QTest::newRow("meets") << "x>6" << "8" << true;
        QTest::newRow("misses") << "x>6" << "6" << false;
        QTest::newRow("x in a function") << "mod(x,4)=0" << "2028" << true;
    }
    void conditionOnAChoice()
    {
        QFETCH(QString, condition);
        QFETCH(QString, x);
        QFETCH(bool, truth);
        const Evaluation result = evaluateExpression(condition, Rational::fromDecimal(x));
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.truth, std::optional<bool>(truth));
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
        QTest::newRow("percent reads two ways") << "出勤率是 25%。" << "25|1/4";
        QTest::newRow("full-width percent") << "12.5％" << "25/2|1/8";
        QTest::newRow("weekdays") << "星期六，星期日，星期天" << "6 7 7";
        QTest::newRow("full-width minus opens a negative") << "－3 和 5－2" << "-3 5 2";
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

    void checkAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QStringList>("calc");
        QTest::addColumn<QString>("problem"); // empty: the answer passes
        QTest::addColumn<bool>("computed");
        const QStringList none;
        const QStringList sums{"A. 5＋3", "B. 4＋5", "C. 10－2"};

        QTest::newRow("numbers by position") << "8，4" << none << QStringList{"6+2", "6-2"} << "" << true;
        QTest::newRow("a percent reads either way") << "25%，25%" << none << QStringList{"1/4", "25"} << "" << true;
        QTest::newRow("one number computed among copied ones") << "1，2" << none << QStringList{"1", "-2+4"} << "" << true;
        QTest::newRow("only copied numbers: free text") << "-2，1" << none << QStringList{"-2", "1"} << "" << false;
        QTest::newRow("no calc: free text") << "右" << none << none << "" << false;
        QTest::newRow("a weekday") << "答：那一天是星期六。" << none << QStringList{"mod(4+100-1,7)+1"} << "" << true;
        QTest::newRow("signs by position") << "＞　＜　＝" << none << QStringList{"7>5", "3<8", "4+2=6"} << "" << true;
        QTest::newRow("a true judgement") << "√" << none << QStringList{"5-3=2"} << "" << true;
        QTest::newRow("a false judgement") << "×" << none << QStringList{"mod(19,10)=1 and floor(19/10)=9"} << "" << true;
        QTest::newRow("choice by value") << "B" << sums << QStringList{"7+2"} << "" << true;
        QTest::newRow("choice by condition") << "A" << QStringList{"A. 8", "B. 6", "C. 5"} << QStringList{"x>6"} << "" << true;
        QTest::newRow("choice of a fraction") << "B" << QStringList{"A. 12×{3/4}", "B. 12÷{3/4}"} << QStringList{"x>12"} << "" << true;
        QTest::newRow("choice of a percent") << "A" << QStringList{"A. 95%", "B. 5%", "C. 100%"} << QStringList{"95/100"} << "" << true;
        QTest::newRow("choice by comparing words") << "A" << QStringList{"A. 大", "B. 小", "C. 相等"} << QStringList{"9+6>14"} << "" << true;
        QTest::newRow("choice of a time") << "B" << QStringList{"A. 8:00", "B. 7:30", "C. 8 时 30 分"} << QStringList{"7+45/60-15/60"} << "" << true;
        QTest::newRow("choice of money") << "A" << QStringList{"A. 1 元 3 角", "B. 13 元", "C. 3 角"} << QStringList{"(8+5)/10"} << "" << true;
        QTest::newRow("choice of a direction") << "B" << QStringList{"A. 北偏东 30°", "B. 南偏西 30°", "C. 西北"} << QStringList{"mod(30+180,360)"} << "" << true;

        QTest::newRow("wrong number") << "5" << none << QStringList{"6-2"} << "number 1 of the answer is 5, but calc “6-2” gives 4" << true;
        QTest::newRow("swapped numbers") << "4，8" << none << QStringList{"6+2", "6-2"} << "number 1 of the answer is 4, but calc “6+2” gives 8" << true;
        QTest::newRow("a number without its calc") << "8，4，2" << none << QStringList{"6+2", "6-2"}
                                                   << "the answer shows 3 number(s) (8, 4, 2), but the calcs give 2 (8, 4)" << true;
        QTest::newRow("a decimal named as written") << "3.6" << none << QStringList{"7/2"} << "number 1 of the answer is 3.6, but calc “7/2” gives 3.5" << true;
        QTest::newRow("wrong sign") << "＞　＞　＝" << none << QStringList{"7>5", "3<8", "4+2=6"}
                                    << "sign 2 of the answer is >, but calc “3<8” holds with <" << true;
        QTest::newRow("a sign too few") << "＞" << none << QStringList{"7>5", "3<8"} << "the answer shows 1 sign(s) (>), but the calcs give 2 (>, <)" << true;
        QTest::newRow("relation that does not hold") << "＜" << none << QStringList{"7<5"} << "calc “7<5” does not hold" << true;
        QTest::newRow("and in a fill-in") << "＜" << none << QStringList{"1<2 and 2<3"} << "which only a 判断 answer (√ or ×) can show" << true;
        QTest::newRow("wrong judgement") << "√" << none << QStringList{"9-3=5"} << "the answer is √, but calc “9-3=5” is false, which is ×" << true;
        QTest::newRow("judgement with a number") << "√" << none << QStringList{"9-3"} << "needs a relation such as “9-3=5”, but calc “9-3” gives the number 6" << true;
        QTest::newRow("wrong choice") << "C" << sums << QStringList{"7+2"} << "the answer is C (10－2 = 8), but calc “7+2” gives 9, which fits B (4＋5 = 9)" << true;
        QTest::newRow("two choices fit") << "A" << QStringList{"A. 8", "B. 7", "C. 5"} << QStringList{"x>6"}
                                         << "the answer is A (8), but calc “x>6” holds for B (7) too" << true;
        QTest::newRow("no choice fits") << "A" << QStringList{"A. 8", "B. 6"} << QStringList{"2+3"} << "but calc “2+3” gives 5, which fits no choice" << true;
        QTest::newRow("comparing words, wrong one") << "B" << QStringList{"A. 大", "B. 小"} << QStringList{"9+6>14"}
                                                    << "the answer is B (小), but calc “9+6>14” holds with >, which fits A (大)" << true;
        QTest::newRow("answer is no letter") << "E" << QStringList{"A. 1", "B. 2"} << QStringList{"1+0"} << "the answer “E” is not the letter of a choice" << true;
        QTest::newRow("two calcs for a choice") << "A" << QStringList{"A. 1", "B. 2"} << QStringList{"1", "2"} << "a 选择 item takes one calc, not 2" << false;
        QTest::newRow("broken calc") << "7" << none << QStringList{"7+"} << "calc “7+”: a number expected at the end" << true;
        QTest::newRow("x in a fill-in") << "7" << none << QStringList{"x+1"} << "calc “x+1”: x stands for the value of a choice" << true;
    }
    void checkAnswer()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, choices);
        QFETCH(QStringList, calc);
        QFETCH(QString, problem);
        QFETCH(bool, computed);
        const AnswerCheck check = ::checkAnswer(answer, choices, calc);
        if (problem.isEmpty())
            QVERIFY2(check.problems.isEmpty(), qPrintable(check.problems.join(u'\n')));
        else
            QVERIFY2(!check.problems.isEmpty() && check.problems.front().contains(problem), qPrintable(check.problems.join(u'\n')));
        QCOMPARE(check.computed, computed);
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
                                        << "x.json: unknown field subtitel (known here: kind, paragraphs, subtitle, think, title)";
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
                                  << QStringList{"奥数小卷|第1题|1+2+…+10＝？|看答案|解答|首尾相加，11×5＝55。|答案：55"}
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
        tool.start(makeLibraryPages(), {source.path(), output.path()});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 1);
        const QString errors = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(errors.contains(QStringLiteral("puzzles/分苹果.json: field answer.a is missing")), qPrintable(errors));
        QCOMPARE(QDir(output.path()).entryList(QDir::Files), QStringList());

        QVERIFY(writeText(source.filePath(QStringLiteral("puzzles/分苹果.json")), puzzleFixture));
        QCOMPARE(QProcess::execute(makeLibraryPages(), {source.path(), output.path()}), 0);
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

    // The build stops on any answer that differs from its calc, naming the
    // file, the item, and the value shown and the value computed.
    void buildStopsOnAWrongAnswer_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong number") << QByteArray(R"({"q": "比 6 小 2 的数是（　　）。", "a": "5", "calc": "6-2"})")
                                      << "exams/卷.json: 一、填空题 第1题 (比 6 小 2 的数是（　　）。): number 1 of the answer is 5, but calc “6-2” gives 4";
        QTest::newRow("wrong 判断") << QByteArray(R"({"q": "9－3＝5。", "a": "√", "calc": "9-3=5"})")
                                    << "exams/卷.json: 一、填空题 第1题 (9－3＝5。): the answer is √, but calc “9-3=5” is false, which is ×";
        QTest::newRow("wrong 选择") << QByteArray(R"({"q": "和 7＋2 得数相等的是（　　）。", "choices": ["A. 5＋3", "B. 4＋5", "C. 10－2"], "a": "C", "calc": "7+2"})")
                                    << "exams/卷.json: 一、填空题 第1题 (和 7＋2 得数相等的是（　　）…): "
                                       "the answer is C (10－2 = 8), but calc “7+2” gives 9, which fits B (4＋5 = 9)";
        QTest::newRow("two numbers swapped") << QByteArray(R"({"q": "比 6 大 2 的数是（　　），比 6 小 2 的数是（　　）。", "a": "4，8", "calc": ["6+2", "6-2"]})")
                                             << "exams/卷.json: 一、填空题 第1题 (比 6 大 2 的数是（　　），…): number 1 of the answer is 4, but calc “6+2” gives 8\n"
                                                "exams/卷.json: 一、填空题 第1题 (比 6 大 2 的数是（　　），…): number 2 of the answer is 8, but calc “6-2” gives 4";
    }
    void buildStopsOnAWrongAnswer()
    {
        QFETCH(QByteArray, item);
        QFETCH(QString, message);
        QTemporaryDir source, output;
        QVERIFY(writeText(source.filePath(QStringLiteral("library.css")), "body {}\n"));
        QVERIFY(writeText(source.filePath(QStringLiteral("exams/卷.json")), examWithItem(item)));
        QProcess tool;
        tool.start(makeLibraryPages(), {source.path(), output.path()});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 1);
        const QString errors = QString::fromUtf8(tool.readAllStandardError());
        for (const QString& line : message.split(u'\n'))
            QVERIFY2(errors.contains(source.path() + u'/' + line), qPrintable(errors));
        QCOMPARE(QDir(output.path()).entryList(QDir::Files), QStringList());
    }

    void buildPrintsTheCoverage()
    {
        QTemporaryDir source, output;
        QVERIFY(writeText(source.filePath(QStringLiteral("library.css")), "body {}\n"));
        QVERIFY(writeText(source.filePath(QStringLiteral("exams/卷.json")),
                          examWithItem(R"({"q": "7＋2＝（　　）", "a": "9", "calc": "7+2"}, {"q": "画一个直角。", "a": "画法正确即可。"})")));
        QProcess tool;
        tool.start(makeLibraryPages(), {source.path(), output.path()});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        const QString report = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(report.contains(QStringLiteral("2 items, 1 computed and checked, 1 free text")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("exam papers: 2 items, 1 computed (50.0%), 1 free text")), qPrintable(report));
    }

    void buildWithoutSourcesFails_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("error");
        QTest::newRow("no folder") << false << "library.css";
        QTest::newRow("a folder without sources") << true << "no page sources";
    }
    void buildWithoutSourcesFails()
    {
        QFETCH(bool, folder);
        QFETCH(QString, error);
        QTemporaryDir root, output;
        const QString source = root.filePath(QStringLiteral("library"));
        if (folder)
            QVERIFY(writeText(source + QStringLiteral("/library.css"), "body {}\n"));
        QProcess tool;
        tool.start(makeLibraryPages(), {source, output.path()});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 1);
        const QString errors = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(errors.contains(error), qPrintable(errors));
    }

    // The shipped papers pass the build's check; nine items in ten of them
    // must be computed, so that the check reaches nearly every answer.
    void shippedPapersAreComputed()
    {
        const AnswerReport report = checkLibraryAnswers(m_sources);
        QVERIFY2(report.problems.isEmpty(), qPrintable(u'\n' + report.problems.join(u'\n')));
        for (const QString& line : coverageLines(report.coverage))
            qInfo("%s", qPrintable(line));
        const AnswerCoverage exams = report.coverage.value(PageKind::Exam);
        const AnswerCoverage olympiad = report.coverage.value(PageKind::Olympiad);
        const int items = exams.items + olympiad.items;
        const int computed = exams.computed + olympiad.computed;
        QVERIFY2(items > 0 && computed * 10 >= items * 9,
                 qPrintable(QStringLiteral("%1 of %2 items computed").arg(computed).arg(items)));
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
