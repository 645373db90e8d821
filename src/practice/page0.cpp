// The commands of page 0, the whole-number page.

#include "main_form.h"
#include "number_text.h"

void MainForm::Command1_Click()
{
    regenerate();
    Command2.enabled = true;
}

void MainForm::Command2_Click()
{
    if (!hasQuestions(0))
        return;
    static const MarkStyle marks{QStringLiteral(") √"), QStringLiteral(") × 正确答案是")};
    Command2.enabled = false;
    const int correct = markQuestions(0, [&](int i) { return mark(Text1[i].text, state.mainKey[i], marks, state.answerForms[i]); });
    Label2.setCaption(QStringLiteral("您答对了") + Str(correct) + QStringLiteral("道题，用时") + Str(state.elapsedSeconds) + QStringLiteral("秒。"));
}
