#pragma once

#include <QString>

// The largest number that chineseReading reads: 9999 亿 9999 万 9999, the
// places a primary-school pupil learns (up to 千亿).
inline constexpr long long largestReadNumber = 999'999'999'999;

// How a whole number is read in Chinese, by the rules of mainland primary
// schools. The number is read level by level (个级, 万级, 亿级, four digits
// each): the zeros at the end of a level are not read, and one 零 stands for
// any other run of zeros, however long, within a level or across a level of
// zeros (10001000 is 一千万一千, 10000500 一千万零五百, 100005000 一亿零五千).
// 十 goes without 一 only at the very start (十万零一十), and 2 is 二 before
// every unit, as current textbooks write (二千, not 两千). 0 is 零; a number
// below 0 or above largestReadNumber has no reading here and gives an empty text.
QString chineseReading(long long number);
