// make-library-pages SOURCE_DIR OUTPUT_DIR: checks the answers of every page
// source below SOURCE_DIR (content/library), renders the sources into
// OUTPUT_DIR (<build>/123_files) and copies library.css beside the pages.
// Nothing is written when a source is broken or an answer differs from its
// calc. Run by the build, which prints how many answers were computed.

#include "answer_check.h"
#include "page_renderer.h"
#include "page_source.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

namespace {

// Written under a temporary name and renamed, so a failed run leaves no half page.
QString writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return path + QStringLiteral(": ") + file.errorString();
    return {};
}

// All pages, or the problems that keep them from being written.
QStringList renderAll(const QList<SourceFile>& sources, QList<RenderedPage>& pages)
{
    QStringList problems;
    QSet<QString> names;
    for (const SourceFile& source : sources) {
        if (!source.read.error.isEmpty()) {
            problems.append(source.read.error);
            continue;
        }
        for (const RenderedPage& page : renderPages(source.read.page)) {
            if (names.contains(page.fileName))
                problems.append(QStringLiteral("%1: a second source gives the page %2").arg(source.path, page.fileName));
            names.insert(page.fileName);
            pages.append(page);
        }
    }
    return problems;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        errors << "usage: make-library-pages SOURCE_DIR OUTPUT_DIR" << Qt::endl;
        return 2;
    }
    const QString sourceFolder = arguments[1];
    const QString outputFolder = arguments[2];

    QFile styleSheet(sourceFolder + QStringLiteral("/library.css"));
    if (!styleSheet.open(QIODevice::ReadOnly)) {
        errors << styleSheet.fileName() << ": " << styleSheet.errorString() << Qt::endl;
        return 1;
    }
    const QList<SourceFile> sources = readLibrarySources(sourceFolder);
    if (sources.isEmpty()) {
        errors << sourceFolder << ": no page sources (*.json) in stories/, puzzles/, exams/ or olympiad/" << Qt::endl;
        return 1;
    }
    QList<RenderedPage> pages;
    const AnswerReport answers = checkLibraryAnswers(sources);
    const QStringList problems = renderAll(sources, pages) + answers.problems;
    if (!problems.isEmpty()) {
        for (const QString& problem : problems)
            errors << sourceFolder << '/' << problem << Qt::endl;
        errors << "No library page was written: " << problems.size() << " problem(s) to fix." << Qt::endl;
        return 1;
    }

    if (!QDir().mkpath(outputFolder)) {
        errors << outputFolder << ": cannot create the folder" << Qt::endl;
        return 1;
    }
    QString problem = writeFile(outputFolder + QStringLiteral("/library.css"), styleSheet.readAll());
    for (qsizetype i = 0; i < pages.size() && problem.isEmpty(); ++i)
        problem = writeFile(outputFolder + u'/' + pages[i].fileName, pages[i].html.toUtf8());
    if (!problem.isEmpty()) {
        errors << problem << Qt::endl;
        return 1;
    }
    QTextStream output(stdout);
    for (const QString& line : coverageLines(answers.coverage))
        output << line << Qt::endl;
    return 0;
}
