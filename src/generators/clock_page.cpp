// The commands of page 1, the clock faces.

#include "page_commands.h"

#include "main_form.h"
#include "number_text.h"

void Command3_Click(MainForm& form)
{
    form.regenerate();
    form.Timer1.setInterval(1000);
}

void Command4_Click(MainForm& form)
{
    if (!form.hasQuestions(1))
        return;
    form.Timer1.setInterval(0);
    // A time is right with either colon; the correction shows the ":" form.
    const int correct = form.markQuestions(1, [&](int i) {
        const QString& typed = form.Text2[i].text;
        const bool right = form.isRightAnswer(typed, form.state.mainKey[i], i)
            || form.isRightAnswer(typed, form.state.secondKey[i], i);
        return Mark{right, right ? QStringLiteral("               √") : QStringLiteral("×正确答案是") + form.state.mainKey[i]};
    });
    form.Label4.setCaption(QStringLiteral("您答对了") + Str(correct) + QStringLiteral("道题，用时") + Str(form.state.elapsedSeconds)
                           + QStringLiteral("秒。"));
}
