#include "page_snapshot.h"

#include <QSet>

namespace {

// The names of the page's frame and of everything inside it, hands included.
QSet<QString> namesOnPage(const std::vector<Form::Entry>& entries, int page)
{
    QSet<QString> names{QStringLiteral("Frame1(%1)").arg(page)};
    for (const Form::Entry& entry : entries) // containers come before their contents
        if (names.contains(entry.container))
            names.insert(entry.name);
    return names;
}

} // namespace

std::optional<PageSnapshot> PageSnapshot::take(MainForm& form)
{
    const int page = form.seenPage();
    if (page < 0 || !form.hasQuestions(page))
        return std::nullopt;
    PageSnapshot snapshot;
    snapshot.page = page;
    snapshot.state = form.state;
    snapshot.clockInterval = form.Timer1.interval();
    const std::vector<Form::Entry> entries = form.controls();
    const QSet<QString> names = namesOnPage(entries, page);
    for (const Form::Entry& entry : entries) {
        if (!names.contains(entry.name))
            continue;
        std::visit(
            [&](auto* control) {
                using Control = std::remove_pointer_t<decltype(control)>;
                if constexpr (std::is_constructible_v<ControlValue, Control>)
                    snapshot.controls.push_back({entry.control, entry.name, entry.container, *control});
            },
            entry.control);
    }
    return snapshot;
}

void PageSnapshot::restore(MainForm& form) const
{
    form.mysub();
    for (const SavedControl& saved : controls) {
        std::visit(
            [&](auto* control) {
                using Control = std::remove_pointer_t<decltype(control)>;
                if constexpr (std::is_constructible_v<ControlValue, Control>)
                    *control = std::get<Control>(saved.value);
            },
            saved.control);
    }
    const std::int16_t tab = form.state.currentTab;
    form.state = state;
    form.state.currentTab = tab;
    form.Timer1.setInterval(clockInterval);
    form.Picture14.visible = false;
    form.TreeView1.selectKey(state.pageNodeKey);
}
