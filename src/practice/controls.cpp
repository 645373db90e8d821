#include "controls.h"

#include "text_metrics.h"

void Label::setCaption(const QString& caption)
{
    text = caption;
    rect.width = metrics->widthTwips(caption);
}

void TreeView::clear()
{
    all.clear();
    selected = -1;
    ++changes;
}

int TreeView::indexOfKey(const QString& key) const
{
    for (int i = 0; i < int(all.size()); ++i)
        if (all[i].key == key)
            return i;
    return -1;
}

bool TreeView::add(const QString& parentKey, const QString& key, const QString& text)
{
    if (key.isEmpty() || indexOfKey(key) >= 0 || (!parentKey.isEmpty() && indexOfKey(parentKey) < 0))
        return false;
    all.push_back({key, text, parentKey});
    ++changes;
    return true;
}

void TreeView::expandAll()
{
    for (TreeNode& node : all)
        node.expanded = true;
}

void TreeView::select(int index)
{
    if (index >= 0 && index < int(all.size()))
        selected = index;
}

bool TreeView::selectKey(const QString& key)
{
    const int index = indexOfKey(key);
    select(index);
    return index >= 0;
}

bool TreeView::selectText(const QString& text)
{
    for (const int index : treeOrder()) {
        if (all[index].text == text) {
            select(index);
            return true;
        }
    }
    return false;
}

QString TreeView::selectedText() const
{
    return selected >= 0 ? all[selected].text : QString();
}

std::vector<int> TreeView::treeOrder() const
{
    std::vector<int> order;
    order.reserve(all.size());
    auto appendChildrenOf = [&](const QString& parentKey, auto& self) -> void {
        for (int i = 0; i < int(all.size()); ++i) {
            if (all[i].parentKey == parentKey) {
                order.push_back(i);
                self(all[i].key, self);
            }
        }
    };
    appendChildrenOf(QString(), appendChildrenOf);
    return order;
}
