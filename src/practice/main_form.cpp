#include "main_form.h"

#include "page_geometry.h"

#include <limits>

MainForm::MainForm(const TextMetrics& metrics)
    : Form(metrics), randomSource(std::make_unique<SeededRandom>(SeededRandom::fromClock()))
{
}

void MainForm::setRandomSource(std::unique_ptr<RandomSource> random)
{
    randomSource = std::move(random);
}

void MainForm::setProcedures(std::map<ProcedureId, Procedure> table)
{
    procedures = std::move(table);
}

void MainForm::TreeView1_Click()
{
    resumeNext([&] { resetPages(); });
    // The tree has no selection only while it is empty; there is nothing to build then.
    if (TreeView1.selectedIndex() < 0)
        return;
    const QString text = TreeView1.selectedText();
    for (const DispatchList& list : ExerciseCatalogue::dispatchLists()) {
        if (!list.matches(text, state.currentTab))
            continue;
        if (const auto procedure = procedures.find(list.procedure); procedure != procedures.end())
            resumeNext([&] { procedure->second(*this); });
        Picture14.visible = false;
        if (list.number >= 16)
            Label31.visible = false;
    }
}

void MainForm::resetPages()
{
    Command2.enabled = true;
    Timer1.setInterval(1000);
    Command4.enabled = true;
    Label11.setCaption(QString());
    Label7.setCaption(QString());
    Label26.setCaption(QString());
    state.elapsedSeconds = 0;
    Frame1[0].visible = true;
    Label4.setCaption(QString());
    Label30.setCaption(QString());
    Label2.setCaption(QString());
    Command1.visible = true;
    for (int i = 0; i < 10; ++i) {
        for (auto* marks : {&Label34, &Label3, &Label10, &Label17, &Label25, &Label29})
            (*marks)[i].setCaption(QString());
        for (auto* boxes : {&Text2, &Text3, &Text11, &Text1})
            (*boxes)[i].enabled = true;
        Text1[i].alignment = Alignment::Centre;
        Text1[i].rect.width = 900;
    }
    if (Frame1[5].caption == QStringLiteral("数字排序（困难）"))
        Picture8.visible = false;
}

void MainForm::Timer1_Timer()
{
    if (state.elapsedSeconds < std::numeric_limits<std::int16_t>::max())
        ++state.elapsedSeconds;
}

void MainForm::mysub()
{
    for (Frame& page : Frame1) {
        page.visible = false;
        page.rect = pageRect;
    }
}

int MainForm::seenPage() const
{
    if (Picture14.visible)
        return -1;
    for (int page = int(Frame1.size()) - 1; page >= 0; --page)
        if (Frame1[page].visible)
            return page;
    return -1;
}
