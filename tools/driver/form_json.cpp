#include "form_json.h"

#include "window_model.h"

#include <QJsonArray>

namespace {

void putRect(QJsonObject& object, const Rect& rect)
{
    object[QStringLiteral("left")] = rect.left;
    object[QStringLiteral("top")] = rect.top;
    object[QStringLiteral("width")] = rect.width;
    object[QStringLiteral("height")] = rect.height;
}

QJsonArray keyToJson(const AnswerKey& key)
{
    QJsonArray entries;
    for (const QString& entry : key)
        entries.append(entry);
    return entries;
}

QString colorText(unsigned color)
{
    return QStringLiteral("#%1").arg(color, 6, 16, QLatin1Char('0'));
}

struct ControlToJson {
    QJsonObject object;

    void operator()(const Window* window)
    {
        object[QStringLiteral("caption")] = window->caption;
        putRect(object, window->rect);
    }
    void operator()(const TabStrip* strip)
    {
        object[QStringLiteral("selected")] = strip->selected;
        object[QStringLiteral("captions")] = QJsonArray::fromStringList(strip->captions);
        putRect(object, strip->rect);
    }
    void operator()(const TreeView* tree) { putRect(object, tree->rect); }
    void operator()(const Timer* timer) { object[QStringLiteral("interval")] = timer->interval(); }
    void operator()(const Frame* frame)
    {
        object[QStringLiteral("caption")] = frame->caption;
        object[QStringLiteral("visible")] = frame->visible;
        putRect(object, frame->rect);
    }
    void operator()(const Label* label)
    {
        object[QStringLiteral("caption")] = label->caption();
        object[QStringLiteral("visible")] = label->visible;
        putRect(object, label->rect);
    }
    void operator()(const TextBox* box)
    {
        object[QStringLiteral("text")] = box->text;
        object[QStringLiteral("visible")] = box->visible;
        object[QStringLiteral("enabled")] = box->enabled;
        object[QStringLiteral("alignment")] = int(box->alignment);
        putRect(object, box->rect);
    }
    void operator()(const CommandButton* button)
    {
        object[QStringLiteral("caption")] = button->caption;
        object[QStringLiteral("visible")] = button->visible;
        object[QStringLiteral("enabled")] = button->enabled;
        putRect(object, button->rect);
    }
    void operator()(const Picture* picture)
    {
        object[QStringLiteral("visible")] = picture->visible;
        putRect(object, picture->rect);
        object[QStringLiteral("scale")] = QJsonArray{picture->scaleLeft, picture->scaleTop, picture->scaleRight,
                                                     picture->scaleBottom};
        if (picture->items.columns > 0)
            object[QStringLiteral("items")] = QJsonObject{{QStringLiteral("columns"), picture->items.columns},
                                                          {QStringLiteral("rows"), picture->items.rows},
                                                          {QStringLiteral("shown"), picture->items.shown}};
    }
    void operator()(const Line* line)
    {
        object[QStringLiteral("x1")] = line->x1;
        object[QStringLiteral("y1")] = line->y1;
        object[QStringLiteral("x2")] = line->x2;
        object[QStringLiteral("y2")] = line->y2;
        object[QStringLiteral("color")] = colorText(line->color);
        object[QStringLiteral("width")] = line->width;
        object[QStringLiteral("visible")] = line->visible;
    }
    void operator()(const WebBrowser* browser)
    {
        object[QStringLiteral("address")] = browser->address();
        putRect(object, browser->rect);
    }
};

QJsonObject treeToJson(const TreeView& tree)
{
    QJsonArray nodes;
    for (const int index : tree.treeOrder()) {
        const TreeNode& node = tree.nodes()[index];
        nodes.append(QJsonObject{{QStringLiteral("key"), node.key},
                                 {QStringLiteral("text"), node.text},
                                 {QStringLiteral("parent"), node.parentKey},
                                 {QStringLiteral("expanded"), node.expanded}});
    }
    const int selected = tree.selectedIndex();
    return {{QStringLiteral("nodes"), nodes},
            {QStringLiteral("selected"), selected >= 0 ? QJsonValue(tree.nodes()[selected].key) : QJsonValue()}};
}

} // namespace

QJsonObject formToJson(WindowModel& model)
{
    MainForm& form = model.form;
    QJsonObject controls;
    for (const Form::Entry& entry : form.controls()) {
        if (std::holds_alternative<TreeView*>(entry.control) || std::holds_alternative<Timer*>(entry.control))
            continue; // given at the top level
        ControlToJson visitor;
        std::visit(visitor, entry.control);
        controls[entry.name] = visitor.object;
    }
    return {
        {QStringLiteral("currentTab"), form.state.currentTab},
        {QStringLiteral("elapsedSeconds"), form.state.elapsedSeconds},
        {QStringLiteral("Timer1"), QJsonObject{{QStringLiteral("interval"), form.Timer1.interval()}}},
        {QStringLiteral("mainKey"), keyToJson(form.state.mainKey)},
        {QStringLiteral("secondKey"), keyToJson(form.state.secondKey)},
        {QStringLiteral("thirdKey"), keyToJson(form.state.thirdKey)},
        {QStringLiteral("controls"), controls},
        {QStringLiteral("TreeView1"), treeToJson(form.TreeView1)},
    };
}
