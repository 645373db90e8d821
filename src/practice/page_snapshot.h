#pragma once

#include "main_form.h"

#include <optional>
#include <variant>
#include <vector>

// A practice page as the pupil left it: its controls (questions, typed
// answers, marks, positions), the keys, the clock and the tree node it came
// from. A tab keeps one, so that a look into the dictionary or another tab
// does not lose the page in progress.
class PageSnapshot {
public:
    // The page now in view, if it holds questions; nothing otherwise.
    static std::optional<PageSnapshot> take(MainForm& form);
    // Puts the page back in view as it was, its clock paused until now.
    void restore(MainForm& form) const;

    using ControlValue = std::variant<Frame, Label, TextBox, CommandButton, Picture, Line, WebBrowser>;
    struct SavedControl {
        Form::ControlPointer control;
        QString name;
        QString container;
        ControlValue value;
    };
    int pageIndex() const { return page; }
    const PracticeState& practiceState() const { return state; }
    // The page's frame first, then its controls, containers before their contents.
    const std::vector<SavedControl>& savedControls() const { return controls; }

private:
    int page = -1;
    std::vector<SavedControl> controls;
    PracticeState state;
    int clockInterval = 0;
};
