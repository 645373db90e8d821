#pragma once

// What the page builders of the 倍数与约数 tab (myframe18) share: opening a
// page, drawing a page of different questions, and the rows of page 8.

#include <QString>

#include <algorithm>
#include <array>

class MainForm;

// Opens the page for a new round and raises the page-2 check flag, which
// every page of this tab raises.
void openDivisorsTabPage(MainForm& form, int page, const QString& caption);

// The caption of a page-8 type: its name, three blanks and what to do.
QString topicCaption(const QString& name, const char* task);

// A question of page 8: the words before the answer box, the words after it,
// and the answer as the pupil types it.
struct TopicQuestion {
    QString before;
    QString after;
    QString key;
};
using TopicQuestions = std::array<TopicQuestion, 10>;

// Writes the questions into page 8: Label27(i), then the box Text11(i),
// `boxWidth` twips wide, Label28(i) and, a little apart, the mark Label29(i).
void writeTopicRows(MainForm& form, const TopicQuestions& questions, int boxWidth);

// Enough tries to fill a page of different items from a few dozen; few enough
// that a source which keeps repeating itself cannot hold the page up.
inline constexpr int triesForADifferentItem = 100;

// The ten items of a page, drawOne(i) drawing item i; an item the page already
// shows is drawn again, up to triesForADifferentItem times in all.
template <typename Item, typename DrawOne>
std::array<Item, 10> differentItems(DrawOne drawOne)
{
    std::array<Item, 10> items;
    for (int i = 0; i < 10; ++i) {
        const auto earlier = items.begin() + i;
        items[i] = drawOne(i);
        for (int tries = 1; tries < triesForADifferentItem && std::find(items.begin(), earlier, items[i]) != earlier; ++tries)
            items[i] = drawOne(i);
    }
    return items;
}

// The types of page 8, one file each: true when the name is one of theirs and
// its page is built.
bool factorPage(MainForm& form, const QString& name);
bool interestPage(MainForm& form, const QString& name);
bool numberReadingPage(MainForm& form, const QString& name);
