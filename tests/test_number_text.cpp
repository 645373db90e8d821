#include "number_text.h"

#include <QTest>

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
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
