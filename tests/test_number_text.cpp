#include "number_text.h"

#include <QTest>

#include <cmath>

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("str");
        QTest::newRow("single digit") << 7.0 << "7" << " 7";
        QTest::newRow("zero") << 0.0 << "0" << " 0";
        QTest::newRow("negative zero is zero") << -0.0 << "0" << " 0";
        QTest::newRow("thousand, no separators") << 1000.0 << "1000" << " 1000";
        QTest::newRow("largest whole sum") << 19998.0 << "19998" << " 19998";
        QTest::newRow("six digits, no exponent") << 998001.0 << "998001" << " 998001";
        QTest::newRow("negative has its sign, no blank") << -3.0 << "-3" << "-3";
        QTest::newRow("whole decimal drops .0") << 10.0 << "10" << " 10";
        QTest::newRow("one decimal") << 4.2 << "4.2" << " 4.2";
        QTest::newRow("binary noise absorbed") << 0.1 + 0.2 << "0.3" << " 0.3";
        QTest::newRow("decimal sum") << 4000.3 + 999.9 << "5000.2" << " 5000.2";
        QTest::newRow("two decimals") << 2.3 * 4.5 << "10.35" << " 10.35";
    }
    void texts()
    {
        QFETCH(double, value);
        QFETCH(QString, decimal);
        QFETCH(QString, str);
        QCOMPARE(decimalText(value), decimal);
        QCOMPARE(Str(value), str);
    }

    void oneDecimalFormats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pointZero");
        QTest::addColumn<QString>("zeroPointZero");
        QTest::newRow("whole") << 3.0 << "3.0" << "3.0";
        QTest::newRow("below 1: a digit before the point only in 0.0") << 0.4 << ".4" << "0.4";
        QTest::newRow("zero") << 0.0 << ".0" << "0.0";
        QTest::newRow("rounded down") << 4.2004 << "4.2" << "4.2";
        QTest::newRow("rounded up into the next whole") << 10.9999 << "11.0" << "11.0";
        QTest::newRow("binary noise of a difference") << 3.7 - 3.2 << ".5" << "0.5";
        QTest::newRow("an exact half rounds up") << 1.25 << "1.3" << "1.3";
        QTest::newRow("an exact half from a float") << double(10.25f) << "10.3" << "10.3";
        QTest::newRow("an exact half below 1") << 0.75 << ".8" << "0.8";
        QTest::newRow("rounded up to a million") << 999999.99 << "1000000.0" << "1000000.0";
        QTest::newRow("negative") << -0.44 << "-.4" << "-0.4";
        QTest::newRow("a negative half rounds away from zero") << -1.25 << "-1.3" << "-1.3";
        QTest::newRow("no sign on a rounded zero") << -0.04 << ".0" << "0.0";
        QTest::newRow("not a number") << std::nan("") << "nan" << "nan";
    }
    void oneDecimalFormats()
    {
        QFETCH(double, value);
        QFETCH(QString, pointZero);
        QFETCH(QString, zeroPointZero);
        QCOMPARE(formatPointZero(value), pointZero);
        QCOMPARE(formatZeroPointZero(value), zeroPointZero);
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
