#pragma once

// Drawing the ten questions of a page, for the generators that keep a page
// free of repeats.

#include <algorithm>
#include <array>

// MayRepeat: every question is drawn on its own, so a page may show one twice.
// Distinct: a question the page already shows is drawn again.
enum class OnAPage { MayRepeat, Distinct };

// Enough tries for a type of a few dozen questions to fill its page without a
// repeat; few enough that a source which keeps repeating itself cannot hold
// the page up.
inline constexpr int triesForADistinctQuestion = 100;

// Ten questions from drawQuestion(), in order; Question compares with ==.
template <typename Question, typename DrawQuestion>
std::array<Question, 10> drawQuestions(DrawQuestion drawQuestion, OnAPage page)
{
    std::array<Question, 10> questions;
    for (auto next = questions.begin(); next != questions.end(); ++next) {
        *next = drawQuestion();
        auto repeats = [&] { return std::find(questions.begin(), next, *next) != next; };
        for (int tries = 1; page == OnAPage::Distinct && tries < triesForADistinctQuestion && repeats(); ++tries)
            *next = drawQuestion();
    }
    return questions;
}
