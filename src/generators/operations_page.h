#pragma once

// A page of the 四则运算 tab: ten questions with their keys, and how each
// exercise type of the tab draws one.

#include <QString>

#include <array>
#include <functional>

class RandomSource;

struct Question {
    QString text; // ends with the opening bracket in front of the answer box
    QString key;
};

using QuestionPage = std::array<Question, 10>;

// Draws a new page of one exercise type; empty for a name it does not know.
using PageDrawer = std::function<QuestionPage(RandomSource&)>;

// The equations and the mixed operations written with letters (方程运算,
// 加减乘混合运算, 加减乘除混合运算).
PageDrawer equationOrMixedPage(const QString& name);
