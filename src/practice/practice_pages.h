#pragma once

#include "form.h"

#include <span>
#include <vector>

// The practice pages are Frame1(0) to Frame1(8); Frame1(9) and Frame1(10)
// show the library, Frame1(11) is empty.
inline constexpr int practicePageCount = 9;

// The controls that make one practice page a round of questions: what the
// shared page cycle resets, what a submit reads and writes, and what the view
// reads aloud and prints.
struct PracticePage {
    int frame; // its index in Frame1
    CommandButton* generate;
    CommandButton* submit;
    // The labels whose captions, in this order and around the boxes, read as a question.
    std::vector<std::span<Label>> questionParts;
    // One or two answer boxes per question (page 6 has one question, so one box).
    std::vector<std::span<TextBox>> boxes;
    // Where each question's mark is written; on page 2 the unit label behind the box.
    std::span<Label> marks;
    // The line that sums up the marking; page 6 writes its only mark there too.
    Label* summary;
};

// The practice page in Frame1(page), page 0..8.
PracticePage practicePage(Form& form, int page);

// Page 2's row: the box `gap` twips behind the question Label5(i), the unit
// label Label6(i) `gap` twips behind the box.
void PlaceAnswerBox(Form& form, int i, int gap);
// Page 3's row, chained without gaps: question Label8(i), box Text4(i), the
// middle label Label9(i), box Text5(i), the closing label Label9(i + 10) and the mark Label10(i).
void PlaceAnswerPair(Form& form, int i);
