// Page 4, the decimal page: what its submit marks right, the round of
// generate and submit, and every leaf of the 小数运算 tab through the driver.

#include "catalogue.h"
#include "driver_support.h"

#include <QTest>

#include <map>

using Values = std::vector<float>;

namespace {

const QString right = QStringLiteral("） √");
const QString wrongPrefix = QStringLiteral("） × 正确答案是");

// Pages whose first question has the given key, from scripted draws; the
// other nine questions take zeros.
struct KeyedPage {
    const char* type;
    Values firstQuestion;
};
const std::map<QString, KeyedPage> pageKeyed = {
    {QStringLiteral("3.0"), {"直用乘法口诀除法", {0.11111f, 0.222f}}}, // 6 ÷ 2
    {QStringLiteral("10.0"), {"直用乘法口诀除法", {0.11111f, 0.99999f}}}, // 20 ÷ 2
    {QStringLiteral("9"), {"一位数加一位数", {0.38889f, 0.38889f}}},      // 4.5 + 4.5
    {QStringLiteral("0"), {"10以内减法", {0.7f, 0.7f}}},                  // 7.3 - 7.3
    {QStringLiteral("0.5"), {"10以内减法", {0.3f, 0.24444f}}},            // 3.7 - 3.2
    {QStringLiteral("19.24"), {"一位数乘法", {0.3f, 0.46667f}}},          // 3.7 × 5.2
};

// The 小数运算 tab's exercise types, in tree order.
QStringList decimalTypes()
{
    return ExerciseCatalogue::tab(3).exerciseTypes();
}

QString caption(const QJsonObject& dump, const QString& name)
{
    return control(dump, name)[QStringLiteral("caption")].toString();
}

} // namespace

class Page4Test : public QObject {
    Q_OBJECT

private slots:
    // An answer is right when it is a plain decimal numeral of the key's value,
    // whatever form the key has; the correction shows the key as written.
    void submitMarks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("isRight");
        QTest::newRow("3.0: the key") << "3.0" << "3.0" << true;
        QTest::newRow("3.0: a whole 3") << "3.0" << "3" << true;
        QTest::newRow("3.0: more zeros") << "3.0" << "3.00" << true;
        QTest::newRow("3.0: blanks and full-width forms") << "3.0" << " ３．０ " << true;
        QTest::newRow("3.0: a leading zero") << "3.0" << "03" << false;
        QTest::newRow("3.0: a point without decimals") << "3.0" << "3." << false;
        QTest::newRow("3.0: another value") << "3.0" << "3.1" << false;
        QTest::newRow("3.0: a sign") << "3.0" << "+3" << false;
        QTest::newRow("3.0: a comma as the point") << "3.0" << "3,0" << false;
        QTest::newRow("3.0: a Chinese numeral") << "3.0" << "三" << false;
        QTest::newRow("3.0: ten thousand characters of its value") << "3.0" << QStringLiteral("3.") + QString(9998, u'0') << true;
        QTest::newRow("3.0: empty") << "3.0" << "" << false;
        QTest::newRow("10.0: a whole 10") << "10.0" << "10" << true;
        QTest::newRow("10.0: the digit 1") << "10.0" << "1" << false;
        QTest::newRow("9: with .0") << "9" << "9.0" << true;
        QTest::newRow("9: the key") << "9" << "9" << true;
        QTest::newRow("9: a leading zero") << "9" << "09" << false;
        QTest::newRow("9: ten thousand nines") << "9" << QString(10000, u'9') << false;
        QTest::newRow("9: an emoji") << "9" << "😀" << false;
        QTest::newRow("0: the key") << "0" << "0" << true;
        QTest::newRow("0: with .0") << "0" << "0.0" << true;
        QTest::newRow("0: two zeros") << "0" << "00" << false;
        QTest::newRow("0: a minus") << "0" << "-0" << false;
        QTest::newRow("0.5: the key") << "0.5" << "0.5" << true;
        QTest::newRow("0.5: no whole part") << "0.5" << ".5" << false;
        QTest::newRow("0.5: a fraction") << "0.5" << "1/2" << false;
        QTest::newRow("19.24: a trailing zero") << "19.24" << "19.240" << true;
        QTest::newRow("19.24: rounded") << "19.24" << "19.2" << false;
    }
    void submitMarks()
    {
        QFETCH(QString, key);
        QFETCH(QString, typed);
        QFETCH(bool, isRight);
        Practice practice;
        practice.model.selectTab(3);
        const KeyedPage& page = pageKeyed.at(key);
        practice.script->append(page.firstQuestion);
        practice.script->append(Values(18, 0.0f));
        QVERIFY(practice.click(QString::fromUtf8(page.type)));
        MainForm& form = practice.form();
        QCOMPARE(form.state.mainKey[0], key);
        form.Text6[0].text = typed;
        QVERIFY(practice.model.click(QStringLiteral("Command10")));
        QCOMPARE(form.Label14[0].caption(), isRight ? right : wrongPrefix + key);
        QCOMPARE(form.Label13.caption(), QStringLiteral("用时 0秒,答对了 %1道题。").arg(isRight ? 1 : 0));
    }

    // A round on page 4: the submit stops the clock, closes the boxes and sums
    // up; it may be pressed again to the same effect; 出题 opens a new round.
    void aRound()
    {
        Practice practice;
        practice.model.selectTab(3);
        MainForm& form = practice.form();
        form.setRandomSource(std::make_unique<SeededRandom>(15));
        QVERIFY(practice.model.click(QStringLiteral("Command10"))); // no questions yet: nothing to mark
        QCOMPARE(form.Label13.caption(), QString());
        QVERIFY(practice.click(QStringLiteral("三位数减两位数")));
        for (int i = 0; i < 10; ++i)
            form.Text6[i].text = i == 2 || i == 6 ? QStringLiteral("1") : form.state.mainKey[i];
        for (int second = 0; second < 35; ++second)
            form.Timer1_Timer();
        QVERIFY(practice.model.click(QStringLiteral("Command10")));
        const QString summary = QStringLiteral("用时 35秒,答对了 8道题。");
        for (int pressed = 0; pressed < 2; ++pressed) {
            QCOMPARE(form.Label13.caption(), summary);
            QCOMPARE(form.Timer1.interval(), 0);
            QVERIFY(form.Command10.enabled);
            for (int i = 0; i < 10; ++i) {
                QVERIFY(!form.Text6[i].enabled);
                QCOMPARE(form.Label14[i].caption(), i == 2 || i == 6 ? wrongPrefix + form.state.mainKey[i] : right);
            }
            QVERIFY(practice.model.click(QStringLiteral("Command10")));
        }
        const QString firstQuestion = form.Label12[0].caption();
        QVERIFY(practice.model.click(QStringLiteral("Command9")));
        QCOMPARE(form.Frame1[4].caption, QStringLiteral("三位数减两位数"));
        QVERIFY(form.Label12[0].caption() != firstQuestion);
        QCOMPARE(form.Label13.caption(), QString());
        QCOMPARE(form.Timer1.interval(), 1000);
        QCOMPARE(form.state.elapsedSeconds, 0);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(form.Text6[i].enabled);
            QCOMPARE(form.Text6[i].text, QString());
            QCOMPARE(form.Label14[i].caption(), QStringLiteral("）"));
        }
    }

    // Through the driver, as a program outside would: every leaf of the tab
    // opens page 4 with its caption and ten questions, and their keys, typed
    // in, are all marked right.
    void everyLeafThroughTheDriver()
    {
        const QStringList types = decimalTypes();
        QCOMPARE(types.size(), 57);
        auto openPage = [](const QString& type, int seed) {
            return QStringList{command("seed", seed), command("click", type)};
        };
        QStringList look{command("tab", 3)};
        for (int t = 0; t < types.size(); ++t)
            look += openPage(types[t], t) + QStringList{command("dump")};
        const Run looked = drive(look);
        QCOMPARE(looked.exitCode, 0);
        QVERIFY2(looked.errors.isEmpty(), qPrintable(looked.errors));
        QCOMPARE(looked.dumps.size(), types.size());

        QStringList answer{command("tab", 3)};
        for (int t = 0; t < types.size(); ++t) {
            const QJsonObject dump = looked.dumps[t];
            const QString expectedCaption = types[t].contains(u'加') && types[t] != QStringLiteral("10以内加法")
                                                ? QStringLiteral("小数") + types[t]
                                                : types[t];
            QVERIFY(control(dump, QStringLiteral("Frame1(4)"))[QStringLiteral("visible")].toBool());
            QVERIFY(!control(dump, QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool());
            QCOMPARE(caption(dump, QStringLiteral("Frame1(4)")), expectedCaption);
            answer += openPage(types[t], t);
            const QJsonArray keys = dump[QStringLiteral("mainKey")].toArray();
            for (int i = 0; i < 10; ++i) {
                QVERIFY(caption(dump, QStringLiteral("Label12(%1)").arg(i)).endsWith(QStringLiteral("=（")));
                QVERIFY(!keys[i].toString().isEmpty());
                answer.append(command("type", QStringLiteral("Text6(%1)").arg(i), keys[i].toString()));
            }
            answer += QStringList{command("press", "Command10"), command("dump")};
        }
        const Run answered = drive(answer);
        QCOMPARE(answered.exitCode, 0);
        QVERIFY2(answered.errors.isEmpty(), qPrintable(answered.errors));
        QCOMPARE(answered.dumps.size(), types.size());
        for (int t = 0; t < types.size(); ++t) {
            for (int i = 0; i < 10; ++i)
                QCOMPARE(caption(answered.dumps[t], QStringLiteral("Label14(%1)").arg(i)), right);
            QCOMPARE(caption(answered.dumps[t], QStringLiteral("Label13")), QStringLiteral("用时 0秒,答对了 10道题。"));
        }
    }
};

QTEST_GUILESS_MAIN(Page4Test)
#include "test_page4.moc"
