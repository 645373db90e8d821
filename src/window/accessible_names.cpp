#include "accessible_names.h"

#include "practice_pages.h"

#include <QRegularExpression>

namespace {

const QString blank = QStringLiteral("（ ）");

bool isOpening(QChar c)
{
    return c == u'(' || c == u'（';
}

bool isClosing(QChar c)
{
    return c == u')' || c == u'）';
}

// The words of a caption that stands before a box, without the bracket that opens round the box.
QString beforeBox(const QString& caption)
{
    QString text = caption.simplified();
    if (!text.isEmpty() && isOpening(text.back()))
        text.chop(1);
    return text.trimmed();
}

// The words of a caption that stands behind a box, without the bracket that
// closes round the box and one that opens round the next box.
QString behindBox(const QString& caption)
{
    QString text = caption.simplified();
    if (!text.isEmpty() && isClosing(text.front()))
        text.remove(0, 1);
    if (!text.isEmpty() && isOpening(text.back()))
        text.chop(1);
    return text.trimmed();
}

// A label behind a box that the submit overwrites with its mark: only what it
// said before the mark counts.
QString withoutMark(const QString& caption)
{
    static const QRegularExpression mark(QStringLiteral("[√×]"));
    const qsizetype at = caption.indexOf(mark);
    return at < 0 ? caption : caption.left(at);
}

// What stands behind box `box` of a question and belongs to it: the rest of the
// question, or the unit the answer is counted in.
QString behindBoxOf(Form& form, const PracticePage& page, int question, int box)
{
    if (page.questionParts.size() > 1)
        return behindBox(page.questionParts[1][question].caption());
    if (page.frame == 3) // hours and minutes, yuan and jiao: a unit behind each box
        return behindBox(form.Label9[question + 10 * box].caption());
    // The closing bracket or unit behind the one box, where the mark is written.
    return page.marks.empty() ? QString() : behindBox(withoutMark(page.marks[question].caption()));
}

// Page 7's stacked fractions read on one line: "1/19 + 1/4 =".
QString fractionQuestion(Form& form, int question)
{
    const QStringList numerators = form.Label22[question].caption().split(u' ', Qt::SkipEmptyParts);
    const QStringList denominators = form.Label23[question].caption().split(u' ', Qt::SkipEmptyParts);
    const QStringList signs = form.Label24[question].caption().split(u'—', Qt::SkipEmptyParts);
    QStringList words;
    for (qsizetype k = 0; k < signs.size(); ++k) {
        if (k < numerators.size() && k < denominators.size())
            words << numerators[k] + u'/' + denominators[k];
        words << signs[k].trimmed();
    }
    return words.join(u' ');
}

} // namespace

QString answerBoxName(Form& form, int pageIndex, int question, int box)
{
    const QString number = QStringLiteral("第%1题：").arg(question + 1);
    if (pageIndex == 1)
        return number + QStringLiteral("钟面上是几时几分");
    if (pageIndex == 7)
        return number + fractionQuestion(form, question) + (box == 0 ? QStringLiteral("，填分子") : QStringLiteral("，填分母"));
    const PracticePage page = practicePage(form, pageIndex);
    QString reading = page.questionParts.empty() ? QString() : beforeBox(page.questionParts[0][question].caption());
    QString thisBox;
    for (int k = 0; k < int(page.boxes.size()); ++k) {
        const QString behind = behindBoxOf(form, page, question, k);
        if (!behind.isEmpty())
            reading += blank + behind;
        if (k == box)
            thisBox = behind;
    }
    if (page.boxes.size() > 1)
        reading += QStringLiteral("，填") + thisBox;
    return number + reading;
}
