#include "chinese_numerals.h"

#include <QTest>

class ChineseNumeralsTest : public QObject {
    Q_OBJECT

private slots:
    void readings_data()
    {
        QTest::addColumn<qlonglong>("number");
        QTest::addColumn<QString>("reading");
        QTest::newRow("zero") << 0LL << "零";
        QTest::newRow("one digit") << 7LL << "七";
        QTest::newRow("十 alone opens a number") << 10LL << "十";
        QTest::newRow("十二") << 12LL << "十二";
        QTest::newRow("二 before 十") << 20LL << "二十";
        QTest::newRow("一十 inside a number") << 110LL << "一百一十";
        QTest::newRow("inner zero") << 101LL << "一百零一";
        QTest::newRow("two zeros, one 零") << 1001LL << "一千零一";
        QTest::newRow("zero then 一十") << 1010LL << "一千零一十";
        QTest::newRow("二, never 两") << 2222LL << "二千二百二十二";
        QTest::newRow("the worked example") << 30506LL << "三万零五百零六";
        QTest::newRow("十万") << 100000LL << "十万";
        QTest::newRow("十一万") << 110000LL << "十一万";
        QTest::newRow("万 level zeros then 百") << 10100LL << "一万零一百";
        QTest::newRow("一百万") << 1000000LL << "一百万";
        QTest::newRow("十万零一十") << 100010LL << "十万零一十";
        QTest::newRow("zeros at the end of the 万 level are not read") << 20030000LL << "二千零三万";
        QTest::newRow("一亿") << 100000000LL << "一亿";
        QTest::newRow("a 零 in each level") << 101000100LL << "一亿零一百万零一百";
        QTest::newRow("a level ending in zeros before a full level") << 10001000LL << "一千万一千";
        QTest::newRow("十亿一千万") << 1010000000LL << "十亿一千万";
        QTest::newRow("十亿零一十万") << 1000100000LL << "十亿零一十万";
        QTest::newRow("a whole level of zeros and more: one 零") << 300000005LL << "三亿零五";
        QTest::newRow("a level opening with zeros") << 10000500LL << "一千万零五百";
        QTest::newRow("a whole level of zeros before a full level") << 100005000LL << "一亿零五千";
        QTest::newRow("二千亿") << 200000000000LL << "二千亿";
        QTest::newRow("the largest") << 999999999999LL << "九千九百九十九亿九千九百九十九万九千九百九十九";
        QTest::newRow("past the 千亿 place: no reading") << 1000000000000LL << "";
        QTest::newRow("below zero: no reading") << -1LL << "";
    }
    void readings()
    {
        QFETCH(qlonglong, number);
        QFETCH(QString, reading);
        QCOMPARE(chineseReading(number), reading);
    }
};

QTEST_APPLESS_MAIN(ChineseNumeralsTest)
#include "test_chinese_numerals.moc"
