#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TextMetrics;

// The controls of the form, as plain data. Positions and sizes are twips
// (15 twips to a pixel at 96 dpi), relative to the control's container.

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

// A label is always exactly as wide as its caption: the width follows every
// caption change, measured by the form's TextMetrics.
class Label {
public:
    explicit Label(const TextMetrics& metrics) : metrics(&metrics) {}

    const QString& caption() const { return text; }
    void setCaption(const QString& caption);

    Rect rect;
    bool visible = true;

private:
    const TextMetrics* metrics;
    QString text;
};

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct TextBox {
    QString text;
    Rect rect;
    bool enabled = true;
    bool visible = true;
    Alignment alignment = Alignment::Left;
    bool multiLine = false;
};

struct Frame {
    QString caption;
    Rect rect;
    bool visible = true;
};

struct CommandButton {
    QString caption;
    Rect rect;
    bool enabled = true;
    bool visible = true;
};

// Like items drawn in a grid that fills a picture, read row by row: the
// picture shows only the first `shown` of them.
struct ItemGrid {
    int columns = 0; // 0: the picture is no grid and is shown whole
    int rows = 0;
    int shown = 0;
};

// A picture box. The user scale maps its corners to the coordinates that the
// lines inside it use: (scaleLeft, scaleTop) at the top left, (scaleRight,
// scaleBottom) at the bottom right.
struct Picture {
    Rect rect;
    bool visible = true;
    double scaleLeft = 0, scaleTop = 0, scaleRight = 0, scaleBottom = 0;
    ItemGrid items;
};

struct Line {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // in the user scale of its picture
    unsigned color = 0x000000;              // 0xRRGGBB
    int width = 1;                          // pixels
    bool visible = true;
};

// Setting the interval, even to the value it has, starts the count of the
// current interval anew; 0 stops the timer.
class Timer {
public:
    int interval() const { return milliseconds; }
    void setInterval(int interval)
    {
        milliseconds = interval;
        ++starts;
    }
    // Grows with every setInterval, so that a view knows when to restart its clock.
    int startCount() const { return starts; }

private:
    int milliseconds = 0;
    int starts = 0;
};

class WebBrowser {
public:
    Rect rect;

    void navigate(const QString& page)
    {
        pageAddress = page;
        ++navigations;
    }
    // The last page it was asked to open.
    const QString& address() const { return pageAddress; }
    // Grows with every navigate, so that a view reopens a page asked for again.
    int navigationCount() const { return navigations; }

private:
    QString pageAddress;
    int navigations = 0;
};

// The window itself.
struct Window {
    QString caption;
    Rect rect;
};

struct TabStrip {
    QStringList captions;
    int selected = 1; // 1-based, as the tabs are numbered
    Rect rect;
};

struct TreeNode {
    QString key;
    QString text;
    QString parentKey; // empty for a top-level node
    bool expanded = false;
};

// The topic tree: nodes in the order they were added (node 1 is the first one
// added), each under its parent's key.
class TreeView {
public:
    void clear();
    // Adds a node under parentKey (empty: top level). Refused, like the tree
    // control it models, when the key is taken or the parent does not exist.
    bool add(const QString& parentKey, const QString& key, const QString& text);
    void expandAll();
    // Selects the node with this index (0-based); selecting does not dispatch.
    void select(int index);
    bool selectKey(const QString& key);
    bool selectText(const QString& text); // the first match in tree order

    const std::vector<TreeNode>& nodes() const { return all; }
    int selectedIndex() const { return selected; }
    // The selected node's text; empty when nothing is selected.
    QString selectedText() const;
    // Node indexes as the tree shows them: each parent followed by its children.
    std::vector<int> treeOrder() const;
    // Grows whenever nodes are added or removed, so that a view can tell when to rebuild.
    int revision() const { return changes; }

    Rect rect;

private:
    int indexOfKey(const QString& key) const;

    std::vector<TreeNode> all;
    int selected = -1;
    int changes = 0;
};

// Moves `next` so that it starts where `previous` ends, plus a gap: how every
// page lines up a question, its answer box and its mark.
inline void placeBehind(Rect& next, const Rect& previous, int gap = 0)
{
    next.left = previous.left + previous.width + gap;
}
