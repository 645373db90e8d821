// The commands of page 4, the decimal page.

#include "page_commands.h"

#include "main_form.h"
#include "number_text.h"

void Command9_Click(MainForm& form)
{
    for (TextBox& box : form.Text6)
        box.enabled = true;
    form.regenerate();
    form.Label13.setCaption(QString());
}

void Command10_Click(MainForm& form)
{
    if (!form.hasQuestions(4))
        return;
    static const MarkStyle marks{QStringLiteral("） √"), QStringLiteral("） × 正确答案是")};
    form.Timer1.setInterval(0);
    const int correct = form.markQuestions(4, [&](int i) {
        return mark(form.Text6[i].text, form.state.mainKey[i], marks, form.state.answerForms[i]);
    });
    form.Label13.setCaption(QStringLiteral("用时") + Str(form.state.elapsedSeconds) + QStringLiteral("秒,答对了") + Str(correct)
                            + QStringLiteral("道题。"));
}
