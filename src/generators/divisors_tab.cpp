#include "divisors_tab.h"

#include "main_form.h"

// Between the words after the box and the mark, so that "√" does not touch them.
constexpr int markGap = 90;

void openDivisorsTabPage(MainForm& form, int page, const QString& caption)
{
    form.openPage(page, caption);
    form.Label32.setCaption(QStringLiteral("1"));
}

QString topicCaption(const QString& name, const char* task)
{
    return name + QStringLiteral("   ") + QString::fromUtf8(task);
}

void writeTopicRows(MainForm& form, const TopicQuestions& questions, int boxWidth)
{
    for (int i = 0; i < 10; ++i) {
        form.Label27[i].setCaption(questions[i].before);
        form.Label28[i].setCaption(questions[i].after);
        form.state.mainKey[i] = questions[i].key;
        form.Text11[i].rect.width = boxWidth;
        placeBehind(form.Text11[i].rect, form.Label27[i].rect);
        placeBehind(form.Label28[i].rect, form.Text11[i].rect);
        placeBehind(form.Label29[i].rect, form.Label28[i].rect, markGap);
    }
}
