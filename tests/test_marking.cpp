#include "marking.h"

#include <QTest>

// How a typed answer is held against its key, on every page.
class MarkingTest : public QObject {
    Q_OBJECT

private slots:
    void exactAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("right");
        QTest::newRow("the digits") << "12" << "12" << true;
        QTest::newRow("a blank before, which a pupil cannot see") << " 11" << "11" << true;
        QTest::newRow("a blank after") << "15 " << "15" << true;
        QTest::newRow("tab and ideographic space around") << "\t16\u3000" << "16" << true;
        QTest::newRow("full-width digits of a Chinese input method") << "１６" << "16" << true;
        QTest::newRow("full-width colon of a time") << "７：０５" << "7:05" << true;
        QTest::newRow("full-width point") << "３．５" << "3.5" << true;
        QTest::newRow("full-width slash") << "１／２" << "1/2" << true;
        QTest::newRow("full-width minus") << "－３" << "-3" << true;
        QTest::newRow("full-width letter") << "ｘ" << "x" << true;
        QTest::newRow("Chinese numerals stay as typed") << "三万零五百零六" << "三万零五百零六" << true;
        QTest::newRow("leading zero stays wrong") << "014" << "14" << false;
        QTest::newRow("ideographic full stop is not a point") << "12。" << "12" << false;
        QTest::newRow("blank inside the number") << "1 2" << "12" << false;
        QTest::newRow("decimal form of a whole key") << "8.0" << "8" << false;
        QTest::newRow("unreduced fraction part") << "2" << "1" << false;
        QTest::newRow("empty answer") << "" << "7" << false;
        QTest::newRow("an empty key is never right") << "" << "" << false;
        QTest::newRow("blanks against an empty key") << "  " << "" << false;
        QTest::newRow("emoji") << "😀" << "7" << false;
        QTest::newRow("ten thousand characters") << QString(10000, u'9') << "9" << false;
    }
    void exactAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(bool, right);
        QCOMPARE(isRight(typed, key), right);
        const MarkStyle style{QStringLiteral(") √"), QStringLiteral(") × 正确答案是")};
        const Mark result = mark(typed, key, style);
        QCOMPARE(result.right, right);
        // The correction always shows the key as the program writes it.
        QCOMPARE(result.caption, right ? style.right : style.wrongPrefix + key);
    }

    void decimalValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("maxDecimals");
        QTest::addColumn<bool>("right");
        QTest::newRow("whole answer for a key with .0") << "3" << "3.0" << -1 << true;
        QTest::newRow("the key itself") << "3.0" << "3.0" << -1 << true;
        QTest::newRow("more zeros") << "3.00" << "3.0" << -1 << true;
        QTest::newRow(".0 for a whole key") << "9.0" << "9" << -1 << true;
        QTest::newRow("two decimals") << "23.04" << "23.04" << -1 << true;
        QTest::newRow("zero") << "0" << "0" << -1 << true;
        QTest::newRow("zero point five") << "0.5" << "0.50" << -1 << true;
        QTest::newRow("blanks and full-width digits") << " ３.０ " << "3" << -1 << true;
        QTest::newRow("leading zero") << "03" << "3.0" << -1 << false;
        QTest::newRow("point without decimals") << "3." << "3.0" << -1 << false;
        QTest::newRow("no whole part") << ".5" << "0.5" << -1 << false;
        QTest::newRow("another value") << "3.1" << "3.0" << -1 << false;
        QTest::newRow("a sign") << "+3" << "3" << -1 << false;
        QTest::newRow("comma as the point") << "3,5" << "3.5" << -1 << false;
        QTest::newRow("exponent") << "3e0" << "3" << -1 << false;
        QTest::newRow("digits beyond a double's precision") << "0.10000000000000001" << "0.1" << -1 << false;
        QTest::newRow("a long exact numeral") << "12345678901234567890.5" << "12345678901234567890.50" << -1 << true;
        QTest::newRow("empty") << "" << "3" << -1 << false;
        QTest::newRow("at most two decimals: 0.50") << "0.50" << "0.5" << 2 << true;
        QTest::newRow("at most two decimals: 2.00") << "2.00" << "2" << 2 << true;
        QTest::newRow("at most two decimals: 0.500") << "0.500" << "0.5" << 2 << false;
        QTest::newRow("ten thousand digits") << QString(10000, u'9') << "9" << -1 << false;
    }
    void decimalValues()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(int, maxDecimals);
        QFETCH(bool, right);
        QCOMPARE(sameDecimalValue(typed, key, maxDecimals), right);
        const AnswerForm form = maxDecimals < 0 ? AnswerForm::DecimalValue : AnswerForm::DecimalValueTwoPlacesMax;
        QCOMPARE(isRight(typed, key, form), right);
    }
};

QTEST_APPLESS_MAIN(MarkingTest)
#include "test_marking.moc"
