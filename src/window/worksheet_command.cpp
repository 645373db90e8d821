#include "worksheet_command.h"

#include "drawings.h"
#include "page_font.h"
#include "page_snapshot.h"
#include "qt_text_metrics.h"
#include "window_model.h"
#include "worksheet.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QTextStream>

namespace {

std::vector<int> tabsWith(const QString& exerciseType)
{
    std::vector<int> tabs;
    for (int tab = 1; tab <= practiceTabCount; ++tab)
        if (ExerciseCatalogue::tab(tab).exerciseTypes().contains(exerciseType))
            tabs.push_back(tab);
    return tabs;
}

QString tabList(const std::vector<int>& tabs)
{
    QStringList names;
    for (const int tab : tabs)
        names.append(QStringLiteral("%1（%2）").arg(tab).arg(ExerciseCatalogue::tab(tab).caption));
    return names.join(QStringLiteral("、"));
}

} // namespace

int writeWorksheets(const WorksheetRequest& request, const QString& programFolder, QTextStream& errors)
{
    const std::vector<int> tabs = tabsWith(request.exerciseType);
    int tab = request.tab;
    if (tabs.empty()) {
        errors << "没有这种题目：" << request.exerciseType << "（题目名称要和左边目录里的一模一样）" << Qt::endl;
        return 2;
    }
    if (tab == 0 && tabs.size() > 1) {
        errors << request.exerciseType << " 在几个标签里都有：" << tabList(tabs) << "。请用 --tab 说明是哪一个。" << Qt::endl;
        return 2;
    }
    if (tab == 0)
        tab = tabs.front();
    if (std::find(tabs.begin(), tabs.end(), tab) == tabs.end()) {
        errors << "标签 " << tab << " 里没有 " << request.exerciseType << "，它在：" << tabList(tabs) << Qt::endl;
        return 2;
    }

    const QtTextMetrics metrics(pageFont());
    WindowModel model(metrics, programFolder);
    model.Form_Load();
    model.selectTab(tab);
    if (request.seed)
        model.form.setRandomSource(std::make_unique<SeededRandom>(*request.seed));
    std::vector<std::shared_ptr<const PageSnapshot>> pages;
    for (int sheet = 0; sheet < request.count; ++sheet) {
        model.form.TreeView1.selectText(request.exerciseType);
        model.form.TreeView1_Click();
        if (!model.form.generatedPage()) {
            errors << request.exerciseType << " 还不能出题。" << Qt::endl;
            return 2;
        }
        pages.push_back(model.form.generatedPage());
    }

    QPdfWriter pdf(request.output);
    pdf.setTitle(request.exerciseType);
    pdf.setCreator(QStringLiteral("Tallowby"));
    const Drawings drawings(2); // the sharper drawings, for paper
    printWorksheets(pdf, pages, drawings);
    if (!QFileInfo(request.output).isFile() || QFileInfo(request.output).size() == 0) {
        errors << "写不出文件 " << request.output << Qt::endl;
        return 1;
    }
    return 0;
}
