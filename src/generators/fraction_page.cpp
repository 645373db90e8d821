// The commands of page 7, the fraction page.

#include "page_commands.h"

#include "main_form.h"
#include "number_text.h"

void Command15_Click(MainForm& form)
{
    form.regenerate();
}

void Command16_Click(MainForm& form)
{
    if (!form.hasQuestions(7))
        return;
    form.Timer1.setInterval(0);
    const AnswerKey& numerators = form.state.mainKey;
    const AnswerKey& denominators = form.state.secondKey;
    // The boxes stay open: a pupil may correct a fraction and mark the page again.
    const int correct = form.markQuestions(
        7,
        [&](int i) {
            const bool right = form.isRightAnswer(form.Text9[i].text, numerators[i], i)
                && form.isRightAnswer(form.Text10[i].text, denominators[i], i);
            return Mark{right, right ? QStringLiteral("√")
                                     : QStringLiteral("×,正确答案是： ") + numerators[i] + QStringLiteral("/ ") + denominators[i]};
        },
        MainForm::AfterMarking::KeepBoxesOpen);
    form.Label26.setCaption(QStringLiteral("答对了") + Str(correct) + QStringLiteral("道题,用时") + Str(form.state.elapsedSeconds)
                            + QStringLiteral("秒。"));
}
