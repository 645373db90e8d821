#include "main_form.h"

#include "page_geometry.h"
#include "page_snapshot.h"
#include "practice_pages.h"

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
    // The tree has no selection only while it is empty; there is nothing to build then.
    if (TreeView1.selectedIndex() < 0)
        return;
    const QString text = TreeView1.selectedText();
    const int pagesOpened = pageOpenings;
    for (const DispatchList& list : ExerciseCatalogue::dispatchLists()) {
        if (!list.matches(text, state.currentTab))
            continue;
        if (const auto procedure = procedures.find(list.procedure); procedure != procedures.end())
            resumeNext([&] { procedure->second(*this); });
        // A library page is shown by its viewer; a practice page only once a
        // generator has opened it.
        if (list.showsLibrary())
            Picture14.visible = false;
        if (list.number >= 16)
            Label31.visible = false;
    }
    if (pageOpenings != pagesOpened) {
        if (auto generated = PageSnapshot::take(*this))
            lastGenerated = std::make_shared<const PageSnapshot>(std::move(*generated));
    }
    // Nothing to practise was chosen: the welcome picture stays, and says why.
    if (state.currentTab <= practiceTabCount && seenPage() < 0) {
        const TreeNode& node = TreeView1.nodes()[TreeView1.selectedIndex()];
        welcomeHint.setCaption(node.parentKey.isEmpty()
                                   ? QStringLiteral("“%1”是一组题目：点它下面的一种题目，就可以开始练习。").arg(node.text)
                                   : QStringLiteral("“%1”还没有练习题，请点左边的另一种题目。").arg(node.text));
    }
}

void MainForm::openPage(int page, const QString& caption)
{
    resumeNext([&] { resetPages(); });
    ++pageOpenings;
    mysub();
    Frame1[page].caption = caption;
    Frame1[page].visible = true;
    Picture14.visible = false;
    state.questionsPage = page;
    state.pageNodeKey = TreeView1.selectedIndex() >= 0 ? TreeView1.nodes()[TreeView1.selectedIndex()].key : QString();
    state.exerciseType = TreeView1.selectedText();
    state.pageMarked = false;
    welcomeHint.setCaption(QString::fromUtf8(Form::welcomeHintText));
}

void MainForm::regenerate()
{
    // After a click on a category the page still shows its own type; new
    // questions are of that type, not of the group.
    if (seenPage() >= 0 && !state.pageNodeKey.isEmpty())
        TreeView1.selectKey(state.pageNodeKey);
    TreeView1_Click();
}

int MainForm::markQuestions(int page, const std::function<Mark(int)>& markOf, AfterMarking after)
{
    const PracticePage controls = practicePage(*this, page);
    int correct = 0;
    for (int i = 0; i < int(controls.marks.size()); ++i) {
        if (after == AfterMarking::CloseBoxes)
            for (std::span<TextBox> boxes : controls.boxes)
                boxes[i].enabled = false;
        const Mark result = markOf(i);
        controls.marks[i].setCaption(result.caption);
        correct += result.right;
    }
    announceMarked(correct, int(controls.marks.size()));
    return correct;
}

void MainForm::announceMarked(int right, int questions)
{
    if (state.pageMarked)
        return;
    state.pageMarked = true;
    if (pageMarked)
        pageMarked({state.currentTab, state.exerciseType, right, questions, state.elapsedSeconds});
}

void MainForm::resetPages()
{
    Command2.enabled = true;
    Timer1.setInterval(1000);
    Command4.enabled = true;
    state.elapsedSeconds = 0;
    Frame1[0].visible = true;
    Command1.visible = true;
    // Every page starts its round afresh: no answer, mark or summary of an
    // earlier round stays, and every box and submit button is open.
    for (int page = 0; page < practicePageCount; ++page) {
        const PracticePage controls = practicePage(*this, page);
        controls.submit->enabled = true;
        controls.summary->setCaption(QString());
        for (Label& mark : controls.marks)
            mark.setCaption(QString());
        for (std::span<TextBox> boxes : controls.boxes) {
            for (TextBox& box : boxes) {
                box.text.clear();
                box.enabled = true;
            }
        }
    }
    for (int i = 0; i < 10; ++i) {
        Text1[i].alignment = Alignment::Centre;
        Text1[i].rect.width = 900;
        Text11[i].rect.width = 900; // page 8's types widen it for their answers
    }
    state.answerForms.fill(AnswerForm::ExactText);
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
