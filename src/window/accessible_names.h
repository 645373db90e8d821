#pragma once

#include "form.h"

#include <QString>

// The name a screen reader says for an answer box on practice page `page`:
// its question as the page shows it, the box a blank "（ ）" where more of the
// question follows it ("第3题：13 + 7 =", "第2题：2小时=（ ）分"). `box` is 0 for
// a question's first box and 1 for its second (page 3's minutes, page 7's
// denominator), which is named for what goes into it.
QString answerBoxName(Form& form, int page, int question, int box);
