#pragma once

// The choices of a 选择 item as the answer check reads them.

#include "answer_numbers.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct Choice {
    QString letter; // "B" of "B. 4＋5"
    QString text;   // without its letter
    // Its text as an expression ("5＋3", "12÷{3/4}", "2∶3"); a time "7:30" or
    // "8 时 30 分" in hours; a sum "1 元 3 角" in yuan; a direction in degrees
    // clockwise from north (东南 135, 南偏西 30° 210); else the one number it
    // shows ("16 厘米", "95%"). None for words.
    std::optional<ShownNumber> value;
    // The comparison its words name: 大 (大于, 高了, 变大) is >, 小 (小于,
    // 低了, 变小) is <, 相等 (等于, 不变) is =; empty for other words.
    QString sign;
};

QList<Choice> readChoices(const QStringList& choices);
