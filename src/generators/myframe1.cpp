// The generator of the 时间换算 tab: clock faces, time units, intervals,
// durations and money, on pages 1 to 3.

#include "generators.h"

#include "main_form.h"
#include "time_and_money.h"

void myframe1(MainForm& form)
{
    const QString type = form.TreeView1.selectedText();
    if (!buildClockPage(form, type))
        buildConversionPage(form, type);
}
