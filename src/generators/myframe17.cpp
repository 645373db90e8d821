// The generator of the 比例与分数 tab: fractions on page 7, proportions on
// page 8, fractions turned into decimals on page 2.

#include "generators.h"

#include "main_form.h"
#include "myframe17_pages.h"

void myframe17(MainForm& form)
{
    const QString type = form.TreeView1.selectedText();
    for (const auto build : {buildFractionPage, buildProportionPage, buildFractionToDecimalPage})
        if (build(form, type))
            return;
}
