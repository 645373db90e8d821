#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The page-building procedures that a dispatch list can call.
enum class ProcedureId {
    myframe0,
    myframe1,
    myframe14,
    myframe15,
    myframe16,
    myframe17,
    myframe18,
    myframe19,
    myframe110,
    myframe111,
    myframe112,
    myframe113,
    myframe114,
};

// Tabs 1 to 7 hold practice pages; tabs 8 to 13 the library.
inline constexpr int practiceTabCount = 7;

// A top-level node of the topic tree. Its leaves are the cells of the content
// table's column named like the category, rows 1 to lastRow.
struct TopicCategory {
    // exerciseTypes: the names separated by ",".
    TopicCategory(const char* key, const char* text, int lastRow, const char* exerciseTypes = "");

    QString key;
    QString text;
    int lastRow;
    // The practice tabs' own exercise-type names, in tree order: the leaves the
    // tree shows when the content table cannot be read. Empty on library tabs.
    QStringList exerciseTypes;
};

struct TopicTab {
    int number; // 1..13, counted from the left of the tab strip
    QString caption;
    int rowsRead;
    std::vector<TopicCategory> categories;

    // Every exercise type of the tab, category after category, in tree order.
    QStringList exerciseTypes() const;
};

// A literal text of names. A clicked node reaches the list's procedure when its
// text occurs anywhere in the list text while the list's tab is selected, so
// every character of the text counts, stray ones included.
struct DispatchList {
    int number; // 1..31, the order in which the lists are tested
    int tab;
    ProcedureId procedure;
    QString names;

    // A substring test of the whole list text: an empty text is in every list.
    bool matches(const QString& text, int selectedTab) const { return tab == selectedTab && names.contains(text); }
    // Whether the list's procedure is a viewer of the library rather than a generator.
    bool showsLibrary() const { return procedure >= ProcedureId::myframe19; }
};

namespace ExerciseCatalogue {
const std::vector<TopicTab>& tabs();
// The tab with this number; any number outside 1..13 gives tab 1.
const TopicTab& tab(int number);
const std::vector<DispatchList>& dispatchLists();
// The dispatch list with this number (1..31).
const DispatchList& dispatchList(int number);
}
