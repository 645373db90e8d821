#pragma once

#include "catalogue.h"
#include "form.h"
#include "practice_state.h"
#include "random_source.h"

#include <functional>
#include <map>
#include <memory>

class PageSnapshot;

// The main window as a model: its controls, the state the event procedures
// share, and the event procedures of the practice cycle. It draws nothing; a
// view renders it and forwards events to it.
class MainForm : public Form {
public:
    using Procedure = std::function<void(MainForm&)>;

    // The random source is seeded from the clock, once: the program never reseeds it.
    explicit MainForm(const TextMetrics& metrics);

    PracticeState state;

    RandomSource& random() { return *randomSource; }
    // For tests and the driver: a fixed seed or a scripted queue instead.
    void setRandomSource(std::unique_ptr<RandomSource> random);
    // The page-building procedure behind each procedure id; an id without one does nothing.
    void setProcedures(std::map<ProcedureId, Procedure> procedures);

    // The dispatch: calls the procedure of every list of the current tab that
    // holds the selected node's text. A text that opens no page (a category, a
    // name no generator knows) leaves the pages as they are.
    void TreeView1_Click();
    void Timer1_Timer();
    void Command1_Click(); // page 0: new questions of the same type
    void Command2_Click(); // page 0: mark the answers

    // A generator that knows the selected exercise type opens its page with this,
    // before it writes the questions: the pages are reset for a new round (boxes
    // emptied and opened, marks and summaries cleared, the clock from 0), every
    // page is hidden and this one shown, in front of the welcome picture.
    void openPage(int page, const QString& caption);
    // A page's generate button: new questions of the exercise type the page shows.
    void regenerate();
    // The last page generated, as it was before any answer: what a worksheet prints.
    std::shared_ptr<const PageSnapshot> generatedPage() const { return lastGenerated; }
    // Whether the page holds the questions that the keys belong to, so that its
    // submit has something to mark.
    bool hasQuestions(int page) const { return state.questionsPage == page && seenPage() == page; }
    // Whether the text typed for question i is right against this key, in the
    // way the question's answer is held (exact text or decimal value).
    bool isRightAnswer(const QString& typed, const QString& key, int i) const
    {
        return isRight(typed, key, state.answerForms[i]);
    }
    // Marks every question of a page: markOf(i) gives question i's mark, which
    // is written into the page's mark label i. The answer boxes are closed unless
    // the page keeps them open. Returns how many answers were right.
    enum class AfterMarking { CloseBoxes, KeepBoxesOpen };
    int markQuestions(int page, const std::function<Mark(int)>& markOf, AfterMarking after = AfterMarking::CloseBoxes);

    // A page's first marking, as the practice record keeps it.
    struct MarkedPage {
        int tab;
        QString exerciseType;
        int right;
        int questions;
        int seconds;
    };
    // Told once per page, when it is marked for the first time (a page marked
    // again is the same page); nothing is told when no one listens.
    std::function<void(const MarkedPage&)> pageMarked;
    void announceMarked(int right, int questions);

    // Hides all twelve pages and gives them back their common rectangle.
    void mysub();

    // The page that the pupil sees: the highest visible page, or -1 while the
    // welcome picture covers the page area or no page is visible.
    int seenPage() const;

private:
    void resetPages();

    std::unique_ptr<RandomSource> randomSource;
    std::shared_ptr<const PageSnapshot> lastGenerated;
    int pageOpenings = 0;
    std::map<ProcedureId, Procedure> procedures;
};

// Runs one step so that a failure in it is skipped and the caller goes on with
// the next step, as the dispatch and the tree rebuild require.
template <typename Step>
void resumeNext(Step&& step)
{
    try {
        step();
    } catch (const std::exception&) {
        // Skipped on purpose: the pupil's window stays usable.
    }
}
