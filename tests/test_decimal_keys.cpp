#include "decimal_keys.h"

#include <QTest>

// The keys of the decimal page from the operands as drawn, through the double
// arithmetic the page does, binary error and all.
class DecimalKeysTest : public QObject {
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("key");
        QTest::newRow("a sum") << "4.2" << "+" << "4.7" << "8.9";
        QTest::newRow("a whole sum has no point") << "4.5" << "+" << "4.5" << "9";
        QTest::newRow("a sum across a thousand") << "4000.3" << "+" << "999.9" << "5000.2";
        QTest::newRow("0.1 + 0.2 without binary noise") << "0.1" << "+" << "0.2" << "0.3";
        QTest::newRow("the largest sum") << "10000.0" << "+" << "10000.0" << "20000";
        QTest::newRow("a product of two decimals") << "4.8" << "×" << "4.8" << "23.04";
        QTest::newRow("1.1 × 1.1 without binary noise") << "1.1" << "×" << "1.1" << "1.21";
        QTest::newRow("a whole product has no point") << "2.5" << "×" << "4.0" << "10";
        QTest::newRow("a product of a hundred thousands") << "999.9" << "×" << "999.9" << "999800.01";
        QTest::newRow("an exact zero difference") << "7.3" << "-" << "7.3" << "0";
        QTest::newRow("a whole difference keeps .0") << "7.5" << "-" << "2.5" << "5.0";
        QTest::newRow("a difference below 1 has its 0") << "3.7" << "-" << "3.2" << "0.5";
        QTest::newRow("a difference with binary noise") << "9.4" << "-" << "4.2" << "5.2";
        QTest::newRow("a difference of thousands") << "10000.0" << "-" << "1000.0" << "9000.0";
        QTest::newRow("the quotient as drawn") << "2.0" << "÷" << "3.0" << "3.0";
        QTest::newRow("a quotient of 10.0") << "2.0" << "÷" << "10.0" << "10.0";
        QTest::newRow("a quotient with decimals") << "2.3" << "÷" << "4.5" << "4.5";
    }
    // For ÷, a is the divisor and b the quotient drawn.
    void keys()
    {
        QFETCH(QString, a);
        QFETCH(QString, op);
        QFETCH(QString, b);
        QFETCH(QString, key);
        const double x = a.toDouble();
        const double y = b.toDouble();
        if (op == u"+")
            QCOMPARE(sumOrProductKey(x + y), key);
        else if (op == u"×")
            QCOMPARE(sumOrProductKey(x * y), key);
        else if (op == u"-")
            QCOMPARE(differenceKey(x - y), key);
        else
            QCOMPARE(quotientKey(b), key);
    }
};

QTEST_APPLESS_MAIN(DecimalKeysTest)
#include "test_decimal_keys.moc"
