#pragma once

#include "number_rows.h"

class RandomSource;

// The number-sense questions of page 5. Each is a rule with its numbers;
// called with the random source, it draws one row.

// "23 ÷ 4 = 5 ……（ ）": the divisor, the quotient, then a remainder from 1 to
// the divisor − 1.
struct RemainderAfterQuotient {
    Range divisor;
    Range quotient;
    NumberRow operator()(RandomSource& random) const;
};

// "58 ÷ 7 的余数是（ ）": a dividend of the range that the divisor does not divide.
struct RemainderOf {
    Range divisor;
    Range dividend;
    NumberRow operator()(RandomSource& random) const;
};

// "小明有 47 张画片，小红有 29 张。小明比小红多（ ）张": two children with two
// different amounts of one thing. Either child may be named first, so the
// pupil must read who has more.
struct HowManyMore {
    Range amounts;
    NumberRow operator()(RandomSource& random) const;
};

// As HowManyMore, asking how many fewer: "小红比小明少（ ）张".
struct HowManyFewer {
    Range amounts;
    NumberRow operator()(RandomSource& random) const;
};

// "37、12、85、41、60 从小到大排列：12 < 37 < （ ） < 60 < 85": five different
// numbers, never shown in order, then in order with one of them missing.
struct InOrder {
    Range numbers;
    NumberRow operator()(RandomSource& random) const;
};

// "7 + （ ） = 10": what a part lacks to make the whole.
struct Complement {
    int whole;
    Range part;
    NumberRow operator()(RandomSource& random) const;
};

// "12、15、18 的平均数是（ ）": `count` numbers of the range whose mean is whole.
struct MeanOf {
    int count;
    Range numbers;
    NumberRow operator()(RandomSource& random) const;
};

// "7² = （ ）", "4³ = （ ）".
struct Power {
    int exponent; // 2 or 3
    Range base;
    NumberRow operator()(RandomSource& random) const;
};
