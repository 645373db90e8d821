// The commands of page 8, which the further topics share (factors, interest,
// reading and writing numbers, proportions).

#include "page_commands.h"

#include "main_form.h"
#include "number_text.h"

void Command17_Click(MainForm& form)
{
    form.regenerate();
}

void Command18_Click(MainForm& form)
{
    if (!form.hasQuestions(8))
        return;
    static const MarkStyle marks{QStringLiteral("√"), QStringLiteral("× 正确答案是：")};
    form.Timer1.setInterval(0);
    const int correct = form.markQuestions(8, [&](int i) {
        return mark(form.Text11[i].text, form.state.mainKey[i], marks, form.state.answerForms[i]);
    });
    form.Label30.setCaption(QStringLiteral("用时") + Str(form.state.elapsedSeconds) + QStringLiteral("秒，答对") + Str(correct)
                            + QStringLiteral("道题。"));
}
