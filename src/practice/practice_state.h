#pragma once

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
};
