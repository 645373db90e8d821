#include "control_renderer.h"

#include "browser_host.h"
#include "fraction_row_label.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

// Every setter below is called only when the value differs: render() runs
// after every event, and needless setText calls would move the pupil's cursor.

void setGeometryOf(QWidget* widget, const Rect& rect, Zoom zoom)
{
    const QRect pixels = zoom.toPixels(rect);
    if (widget->geometry() != pixels)
        widget->setGeometry(pixels);
}

void setShown(QWidget* widget, bool visible)
{
    if (widget->isHidden() == visible)
        widget->setVisible(visible);
}

namespace {

// Marks are coloured by what they say: green for a tick, red for a cross.
QString toneOf(const QString& caption)
{
    if (caption.contains(u'√'))
        return QStringLiteral("right");
    if (caption.contains(u'×') && caption.contains(QStringLiteral("正确答案")))
        return QStringLiteral("wrong");
    return {};
}

Qt::Alignment toQt(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Centre:
        return Qt::AlignCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Applies one control's model state to its widget.
struct Renderer {
    QWidget* widget;
    Zoom zoom;

    void operator()(Window* window) const
    {
        if (widget->windowTitle() != window->caption)
            widget->setWindowTitle(window->caption);
    }
    void operator()(Frame* frame) const
    {
        auto* box = static_cast<QGroupBox*>(widget);
        if (box->title() != frame->caption)
            box->setTitle(frame->caption);
        setGeometryOf(box, frame->rect, zoom);
        setShown(box, frame->visible);
    }
    void operator()(Label* label) const
    {
        if (auto* row = qobject_cast<FractionRowLabel*>(widget)) {
            row->render(*label, zoom);
            return;
        }
        auto* text = static_cast<QLabel*>(widget);
        if (text->text() != label->caption()) {
            text->setText(label->caption());
            const QString tone = toneOf(label->caption());
            if (text->property("tone").toString() != tone) {
                text->setProperty("tone", tone);
                text->style()->unpolish(text);
                text->style()->polish(text);
            }
        }
        // A label is as wide as its caption at zoom 1; at another zoom its edges
        // are rounded to pixels, which could clip the caption's last glyph by a
        // fraction of a pixel. One pixel more keeps it whole; whatever stands
        // behind the label covers that pixel.
        QRect pixels = zoom.toPixels(label->rect);
        if (zoom != Zoom())
            pixels.setWidth(pixels.width() + 1);
        if (text->geometry() != pixels)
            text->setGeometry(pixels);
        setShown(text, label->visible);
    }
    void operator()(TextBox* box) const
    {
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            if (line->text() != box->text)
                line->setText(box->text);
            if (line->alignment() != toQt(box->alignment))
                line->setAlignment(toQt(box->alignment));
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget); text && text->toPlainText() != box->text) {
            text->setPlainText(box->text);
        }
        if (widget->isEnabled() != box->enabled)
            widget->setEnabled(box->enabled);
        setGeometryOf(widget, box->rect, zoom);
        setShown(widget, box->visible);
    }
    void operator()(CommandButton* button) const
    {
        auto* push = static_cast<QPushButton*>(widget);
        if (push->text() != button->caption)
            push->setText(button->caption);
        if (push->isEnabled() != button->enabled)
            push->setEnabled(button->enabled);
        setGeometryOf(push, button->rect, zoom);
        setShown(push, button->visible);
    }
    void operator()(Picture* picture) const
    {
        setGeometryOf(widget, picture->rect, zoom);
        setShown(widget, picture->visible);
        widget->update(); // its lines may have moved
    }
    void operator()(WebBrowser* browser) const
    {
        setGeometryOf(widget, browser->rect, zoom);
        setShown(widget, true); // seen whenever its page is
        static_cast<BrowserHost*>(widget)->render(*browser);
    }
    // Drawn elsewhere: lines by their picture, the tree, tabs and clock by the window.
    void operator()(Line*) const {}
    void operator()(TreeView* tree) const { setGeometryOf(widget, tree->rect, zoom); }
    void operator()(TabStrip*) const {}
    void operator()(Timer*) const {}
};

} // namespace

void renderControl(Form::ControlPointer control, QWidget* widget, Zoom zoom)
{
    std::visit(Renderer{widget, zoom}, control);
}
