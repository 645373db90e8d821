#include "page_renderer.h"

#include <QRegularExpression>

namespace {

const QString answerSuffix = QStringLiteral("答案");

QString pageFileName(const QString& title)
{
    return title + QStringLiteral(".htm");
}

// A relative link to a page of the same folder. Chinese is fine as it stands;
// only the characters that mean something in a URL are encoded.
QString hrefTo(const QString& fileName)
{
    static const QString special = QStringLiteral(" \"#%<>?\\^`{|}");
    QString href;
    for (const QChar c : fileName) {
        if (special.contains(c) || c.unicode() < 0x20)
            href += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            href += c;
    }
    return href.toHtmlEscaped();
}

QString element(const QString& tag, const QString& innerHtml, const QString& className = {})
{
    const QString classAttribute = className.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(className);
    return QStringLiteral("<%1%2>%3</%1>\n").arg(tag, classAttribute, innerHtml);
}

QString paragraphs(const QStringList& texts)
{
    QString html;
    for (const QString& text : texts)
        html += element(QStringLiteral("p"), richText(text));
    return html;
}

QString heading(const PageSource& page, const QString& title)
{
    QString html = element(QStringLiteral("h1"), richText(title));
    if (!page.subtitle.isEmpty())
        html += element(QStringLiteral("p"), richText(page.subtitle), QStringLiteral("subtitle"));
    return html;
}

QString figure(const QString& svg)
{
    return svg.isEmpty() ? QString() : element(QStringLiteral("figure"), svg);
}

QString tableRow(const QStringList& cells, const QString& cellTag)
{
    QString html;
    for (const QString& cell : cells)
        html += QStringLiteral("<%1>%2</%1>").arg(cellTag, richText(cell));
    return element(QStringLiteral("tr"), html);
}

QString table(const TextTable& rows)
{
    if (rows.isEmpty())
        return {};
    QString body;
    for (qsizetype r = 1; r < rows.size(); ++r)
        body += tableRow(rows[r], QStringLiteral("td"));
    return element(QStringLiteral("table"),
                   element(QStringLiteral("thead"), tableRow(rows.front(), QStringLiteral("th")))
                       + (body.isEmpty() ? QString() : element(QStringLiteral("tbody"), body)));
}

QString link(const QString& fileName, const QString& text)
{
    return element(QStringLiteral("p"), QStringLiteral("<a href=\"%1\">%2</a>").arg(hrefTo(fileName), text),
                   QStringLiteral("nav"));
}

QString question(const Item& item)
{
    QString choices;
    for (const QString& choice : item.choices)
        choices += element(QStringLiteral("li"), richText(choice));
    return element(QStringLiteral("p"), richText(item.question), QStringLiteral("q")) + figure(item.figure)
        + table(item.table) + (choices.isEmpty() ? QString() : element(QStringLiteral("ul"), choices, QStringLiteral("choices")));
}

QString solution(const QStringList& steps, const QString& headingTag)
{
    if (steps.isEmpty())
        return {};
    return element(QStringLiteral("div"), element(headingTag, QStringLiteral("解答")) + paragraphs(steps),
                   QStringLiteral("solution"));
}

QString document(const QString& title, const QString& kindClass, const QString& body)
{
    return QStringLiteral("<!DOCTYPE html>\n"
                          "<html lang=\"zh-CN\">\n"
                          "<head>\n"
                          "<meta charset=\"utf-8\"/>\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
                          "<title>%1</title>\n"
                          "<link rel=\"stylesheet\" href=\"library.css\"/>\n"
                          "</head>\n"
                          "<body class=\"%2\">\n"
                          "<main>\n%3</main>\n"
                          "</body>\n"
                          "</html>\n")
        .arg(title.toHtmlEscaped(), kindClass, body);
}

QList<RenderedPage> storyPages(const PageSource& page)
{
    const QString think = element(QStringLiteral("h2"), QStringLiteral("想一想")) + element(QStringLiteral("p"), richText(page.think));
    const QString body = heading(page, page.title) + paragraphs(page.paragraphs)
        + element(QStringLiteral("div"), think, QStringLiteral("think box"));
    return {{pageFileName(page.title), document(page.title, QStringLiteral("story"), body)}};
}

QList<RenderedPage> puzzlePages(const PageSource& page)
{
    const QString answerTitle = page.title + answerSuffix;
    const QString puzzleBody = heading(page, page.title) + paragraphs(page.paragraphs) + figure(page.figure)
        + table(page.table) + link(pageFileName(answerTitle), QStringLiteral("看答案"));
    const QString answerBody = element(QStringLiteral("h1"), richText(answerTitle))
        + solution(page.answer.paragraphs, QStringLiteral("h2"))
        + element(QStringLiteral("p"), element(QStringLiteral("strong"), richText(page.answer.answer)).trimmed(),
                  QStringLiteral("answer"))
        + link(pageFileName(page.title), QStringLiteral("回到题目"));
    return {{pageFileName(page.title), document(page.title, QStringLiteral("puzzle"), puzzleBody)},
            {pageFileName(answerTitle), document(answerTitle, QStringLiteral("puzzle"), answerBody)}};
}

QList<RenderedPage> examPages(const PageSource& page)
{
    QString body = heading(page, page.title)
        + element(QStringLiteral("p"), QStringLiteral("姓名＿＿＿＿＿＿＿＿　　得分＿＿＿＿＿＿"), QStringLiteral("pupil"));
    QString key = element(QStringLiteral("h2"), QStringLiteral("参考答案"));
    for (const Section& section : page.sections) {
        QString questions, answers;
        for (const Item& item : section.items) {
            questions += element(QStringLiteral("li"), question(item));
            answers += element(QStringLiteral("li"), element(QStringLiteral("p"), richText(item.answer))
                                                         + solution(item.solution, QStringLiteral("h4")));
        }
        body += element(QStringLiteral("section"), element(QStringLiteral("h2"), richText(section.heading))
                                                       + element(QStringLiteral("ol"), questions, QStringLiteral("items")));
        key += element(QStringLiteral("h3"), richText(shortHeading(section.heading)))
            + element(QStringLiteral("ol"), answers, QStringLiteral("items"));
    }
    body += element(QStringLiteral("section"), key, QStringLiteral("key"));
    return {{pageFileName(page.title), document(page.title, QStringLiteral("exam"), body)}};
}

QList<RenderedPage> olympiadPages(const PageSource& page)
{
    QString body = heading(page, page.title);
    for (qsizetype i = 0; i < page.problems.size(); ++i) {
        const Item& problem = page.problems[i];
        // Most answers start with "答：" already; the label is only for bare ones.
        const QString label = problem.answer.startsWith(u'答') ? QString() : QStringLiteral("<strong>答案：</strong>");
        const QString answer = label + richText(problem.answer);
        // The solution and the answer wait behind a 看答案 button, as a puzzle's
        // answer waits on a page of its own: the pupil tries first.
        const QString revealed = element(QStringLiteral("summary"), QStringLiteral("看答案"))
            + solution(problem.solution, QStringLiteral("h3")) + element(QStringLiteral("p"), answer, QStringLiteral("answer"));
        body += element(QStringLiteral("section"),
                        element(QStringLiteral("h2"), QStringLiteral("第%1题").arg(i + 1)) + question(problem)
                            + element(QStringLiteral("details"), revealed, QStringLiteral("reveal")),
                        QStringLiteral("problem"));
    }
    return {{pageFileName(page.title), document(page.title, QStringLiteral("olympiad"), body)}};
}

} // namespace

QString richText(const QString& text)
{
    static const QRegularExpression fraction(QStringLiteral("\\{([^{}/]+)/([^{}/]+)\\}"));
    QString html;
    qsizetype done = 0;
    for (auto matches = fraction.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        html += text.mid(done, match.capturedStart() - done).toHtmlEscaped();
        html += QStringLiteral("<span class=\"frac\"><span class=\"num\">%1</span><span class=\"den\">%2</span></span>")
                    .arg(match.captured(1).toHtmlEscaped(), match.captured(2).toHtmlEscaped());
        done = match.capturedEnd();
    }
    return html + text.mid(done).toHtmlEscaped();
}

QString shortHeading(const QString& heading)
{
    static const QRegularExpression bracket(QStringLiteral("[（(]"));
    const qsizetype cut = heading.indexOf(bracket);
    return cut > 0 ? heading.left(cut) : heading;
}

QList<RenderedPage> renderPages(const PageSource& page)
{
    switch (page.kind) {
    case PageKind::Story:
        return storyPages(page);
    case PageKind::Puzzle:
        return puzzlePages(page);
    case PageKind::Exam:
        return examPages(page);
    case PageKind::Olympiad:
        return olympiadPages(page);
    }
    return {};
}
