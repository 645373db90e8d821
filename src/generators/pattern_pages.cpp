// The commands of page 5 (number rows) and page 6 (the picture question).

#include "page_commands.h"

#include "main_form.h"
#include "number_text.h"

void Command11_Click(MainForm& form)
{
    form.regenerate();
    form.Label18.setCaption(QString());
    form.Command12.enabled = true;
    // The longest rows need the room of the picture.
    form.Picture8.visible = form.Frame1[5].caption != QStringLiteral("数字排序（困难）");
    for (int i = 0; i < 10; ++i) {
        form.Label17[i].setCaption(QString());
        form.Text7[i].enabled = true;
    }
}

void Command12_Click(MainForm& form)
{
    if (!form.hasQuestions(5))
        return;
    form.Timer1.setInterval(0);
    form.Command12.enabled = false;
    // Some questions have a second accepted answer, kept in the third key.
    const int correct = form.markQuestions(5, [&](int i) {
        const QString& typed = form.Text7[i].text;
        const bool right = form.isRightAnswer(typed, form.state.thirdKey[i], i)
            || form.isRightAnswer(typed, form.state.mainKey[i], i);
        return Mark{right, right ? QStringLiteral("√") : QStringLiteral("× 正确答案是：") + form.state.mainKey[i]};
    });
    form.Label18.setCaption(QStringLiteral("用时") + Str(form.state.elapsedSeconds) + QStringLiteral("秒答对了") + Str(correct)
                            + QStringLiteral("道题"));
    form.Picture8.visible = false;
}

void Command13_Click(MainForm& form)
{
    form.Label21.setCaption(QString());
    form.regenerate();
    form.Text8.enabled = true;
}

void Command14_Click(MainForm& form)
{
    if (!form.hasQuestions(6))
        return;
    form.Timer1.setInterval(0);
    form.Text8.enabled = false;
    // The one answer's mark and the time share a line; the correct answer is not shown.
    const bool right = form.isRightAnswer(form.Text8.text, form.state.mainKey[0], 0);
    const QString verdict = right ? QStringLiteral("√ 您真棒，答对了。用时") : QStringLiteral("× 答错了，真可惜。用时");
    form.Label21.setCaption(verdict + Str(form.state.elapsedSeconds) + QStringLiteral("秒"));
    form.announceMarked(right ? 1 : 0, 1);
}
