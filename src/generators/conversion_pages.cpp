// The commands of pages 2 and 3, which many exercise types share: the submit
// finds the type again by the page caption and marks in that type's units.

#include "page_commands.h"

#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <iterator>

namespace {

// Page 2: one answer per question; the mark replaces the unit label.
struct OneBoxRule {
    const char* types; // the page captions it marks, separated by ","
    const char* right;
    const char* wrongPrefix;
    const char* unit; // written after the correct answer
};

const OneBoxRule oneBoxRules[] = {
    {"时转秒（较难）,时转秒（简单）", "） 秒 √", "） 秒 × 正确答案是", "秒"},
    {"时转分（较难）,时转分（简单）", "） 分 √", "） 分 × 正确答案是", "分"},
    {"时间间隔（较难）,时间间隔（中等）,时间间隔（简单）", "） 分 √", "） 分 × 正确答案是", "分"},
    {"时间计算（除2）", "） 倍 √", "） 倍 × 正确答案是", "倍"},
    {"人民币（元转角）", "） 角 √", "） 角 × 正确答案是", "角"},
    {"人民币（除法2）", "） 倍 √", "） 倍 × 正确答案是", "倍"},
    {"分数转小数（较难）,分数转小数（中等）,分数转小数（简单）", ")  √", ")  × 正确答案是", ""},
};
// Pages whose generator raised the check flag (chained operations and others) and no rule above names.
const OneBoxRule flaggedRule = {"", ")  √", ")  × 正确答案是", ""};

// Page 3: two answers per question, both must be right.
struct TwoBoxRule {
    const char* types;
    const char* wrongPrefix;
    const char* firstUnit;
    const char* secondUnit;
    bool money; // the picture stays after marking money
};

const TwoBoxRule twoBoxRules[] = {
    {"分转时（较难）,分转时（简单）", " ×正确答案是：", "小时", "分", false},
    {"秒转分（简单）,秒转分（较难）", " × 正确答案是：", "分", "秒", false},
    {"时间计算（减）,时间计算（加）", " × 正确答案是：", "小时", "分", false},
    {"时间计算（除1）,时间计算（乘）", " × 正确答案是：", "小时", "分", false},
    {"人民币（减法）,人民币（加法）,人民币（角转元）", " × 正确答案是：", "元", "角", true},
    {"人民币（除法1）,人民币（乘法）", " × 正确答案是：", "元", "角", true},
};

template <typename Rule, std::size_t count>
const Rule* ruleFor(const Rule (&rules)[count], const QString& caption)
{
    const auto found = std::find_if(std::begin(rules), std::end(rules), [&](const Rule& rule) {
        return QString::fromUtf8(rule.types).split(u',').contains(caption);
    });
    return found == std::end(rules) ? nullptr : found;
}

} // namespace

void Command5_Click(MainForm& form)
{
    form.regenerate();
    form.Label7.setCaption(QString());
}

void Command6_Click(MainForm& form)
{
    if (!form.hasQuestions(2))
        return;
    const OneBoxRule* rule = ruleFor(oneBoxRules, form.Frame1[2].caption);
    if (!rule && form.Label32.caption() == QStringLiteral("1"))
        rule = &flaggedRule;
    if (!rule)
        return;
    // The clock keeps running: a second press reports the longer time.
    const int correct = form.markQuestions(2, [&](int i) {
        const MarkStyle style{QString::fromUtf8(rule->right), QString::fromUtf8(rule->wrongPrefix)};
        Mark result = mark(form.Text3[i].text, form.state.mainKey[i], style, form.state.answerForms[i]);
        if (!result.right)
            result.caption += QString::fromUtf8(rule->unit);
        return result;
    });
    form.Label7.setCaption(QStringLiteral("您答对了") + Str(correct) + QStringLiteral("道题，用时") + Str(form.state.elapsedSeconds)
                           + QStringLiteral("秒。"));
}

void Command7_Click(MainForm& form)
{
    form.regenerate();
    form.Picture16.visible = true;
    for (int i = 0; i < 10; ++i) {
        form.Text4[i].enabled = form.Text5[i].enabled = true;
        form.Label10[i].setCaption(QString());
    }
}

void Command8_Click(MainForm& form)
{
    if (!form.hasQuestions(3))
        return;
    form.Picture16.visible = false;
    form.Timer1.setInterval(0);
    const TwoBoxRule* rule = ruleFor(twoBoxRules, form.Frame1[3].caption);
    if (!rule)
        return;
    form.Picture16.visible = rule->money;
    const AnswerKey& first = form.state.mainKey;
    const AnswerKey& second = form.state.secondKey;
    const int correct = form.markQuestions(3, [&](int i) {
        const bool right = form.isRightAnswer(form.Text4[i].text, first[i], i)
            && form.isRightAnswer(form.Text5[i].text, second[i], i);
        return Mark{right, right ? QStringLiteral(" √")
                                 : QString::fromUtf8(rule->wrongPrefix) + first[i] + QString::fromUtf8(rule->firstUnit)
                                     + second[i] + QString::fromUtf8(rule->secondUnit)};
    });
    form.Label11.setCaption(QStringLiteral("用时") + Str(form.state.elapsedSeconds) + QStringLiteral("秒,答对了") + Str(correct)
                            + QStringLiteral("道题。"));
}
