// The commands of page 0, the whole-number page.

#include "main_form.h"
#include "marking.h"
#include "number_text.h"

void MainForm::Command1_Click()
{
    TreeView1_Click();
    Command2.enabled = true;
}

void MainForm::Command2_Click()
{
    static const MarkStyle marks{QStringLiteral(") √"), QStringLiteral(") × 正确答案是")};
    Command2.enabled = false;
    int correct = 0;
    for (int i = 0; i < 10; ++i) {
        Text1[i].enabled = false;
        const Mark result = mark(Text1[i].text, state.mainKey[i], marks);
        Label34[i].setCaption(result.caption);
        correct += result.right;
    }
    Label2.setCaption(QStringLiteral("您答对了") + Str(correct) + QStringLiteral("道题，用时") + Str(state.elapsedSeconds) + QStringLiteral("秒。"));
}
