#pragma once

#include <QString>

// One question of page 5, a row read around its answer box: the text before
// the box (ending with the opening bracket), the text after it (from the
// closing bracket on) and the answer.
struct NumberRow {
    QString beforeBox;
    QString afterBox;
    int answer = 0;
};

// Whole numbers from least to most, both included.
struct Range {
    int least;
    int most;

    int size() const { return most - least + 1; }
};
