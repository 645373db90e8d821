#pragma once

#include "marking.h"

#include <QString>

#include <array>
#include <cstdint>

// The expected answers of a page, exactly as the pupil must type them. Entries
// 0..9 belong to the questions of the page; entry 10 is never used.
using AnswerKey = std::array<QString, 11>;

struct PracticeState {
    std::int16_t currentTab = 1;
    // Seconds since the last dispatch. It stops at its ceiling (about nine
    // hours) rather than wrapping to a negative number.
    std::int16_t elapsedSeconds = 0;
    AnswerKey mainKey;
    AnswerKey secondKey;
    AnswerKey thirdKey;
    // How each answer is held against its key; a new page starts with exact text.
    std::array<AnswerForm, 11> answerForms{};
    // The page whose questions the keys belong to (-1: none yet); no other page
    // can be submitted, so an empty or stale page is never marked.
    int questionsPage = -1;
    // The tree node whose exercise type that page shows, by key, and its name.
    QString pageNodeKey;
    QString exerciseType;
    bool pageMarked = false; // whether the page has been marked once

};
