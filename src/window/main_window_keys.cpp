// The keyboard's way through the window: a page's controls in the order of its
// table, Enter from box to box and on to the submit button, the focus after new
// questions and after the marks, and the tree's keys and tooltips.

#include "main_window.h"

#include "practice_pages.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>

void MainWindow::setUpPracticePage(int page)
{
    // The keys go through a page as its table reads: question by question, each
    // question's boxes in turn, then the submit button, then new questions.
    const PracticePage controls = practicePage(windowModel.form, page);
    std::vector<QWidget*> order;
    for (std::size_t i = 0; i < controls.boxes.front().size(); ++i)
        for (const auto& boxes : controls.boxes)
            order.push_back(widgetOf(&boxes[i]));
    order.push_back(widgetOf(controls.submit));
    order.push_back(widgetOf(controls.generate));
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    widgetOf(controls.generate)->setAccessibleDescription(QStringLiteral("换一页新题"));
    widgetOf(controls.submit)->setAccessibleDescription(QStringLiteral("判出每道题的对错，写出答对了几道、用了几秒"));
}

void MainWindow::treeClicked()
{
    if (QTreeWidgetItem* current = tree->currentItem())
        windowModel.form.TreeView1.select(current->data(0, Qt::UserRole).toInt());
    const auto generated = windowModel.form.generatedPage();
    windowModel.form.TreeView1_Click();
    render();
    if (windowModel.form.generatedPage() != generated)
        focusFirstOpenBox();
}

void MainWindow::buttonClicked(const QString& name)
{
    const auto generated = windowModel.form.generatedPage();
    windowModel.click(name);
    render();
    if (windowModel.form.generatedPage() != generated) {
        focusFirstOpenBox();
        return;
    }
    // After the marks, the next key asks for new questions.
    const int page = windowModel.form.seenPage();
    if (page < 0 || page >= practicePageCount)
        return;
    const PracticePage controls = practicePage(windowModel.form, page);
    QWidget* generate = widgetOf(controls.generate);
    if (widget(name) == widgetOf(controls.submit) && generate->isVisible() && generate->isEnabled())
        generate->setFocus(Qt::OtherFocusReason);
}

void MainWindow::focusFirstOpenBox()
{
    // After new questions, the pupil can start typing at once.
    const std::vector<QLineEdit*> boxes = openBoxes();
    if (boxes.empty())
        return;
    boxes.front()->setFocus(Qt::OtherFocusReason);
    boxes.front()->selectAll();
}

std::vector<QLineEdit*> MainWindow::openBoxes()
{
    std::vector<QLineEdit*> open;
    MainForm& form = windowModel.form;
    const int page = form.seenPage();
    if (page < 0 || page >= practicePageCount)
        return open;
    const PracticePage controls = practicePage(form, page);
    for (std::size_t i = 0; i < controls.boxes.front().size(); ++i)
        for (const auto& boxes : controls.boxes)
            if (auto* box = qobject_cast<QLineEdit*>(widgetOf(&boxes[i])); box && box->isVisible() && box->isEnabled())
                open.push_back(box);
    return open;
}

void MainWindow::enterPressedIn(QLineEdit* box)
{
    const std::vector<QLineEdit*> boxes = openBoxes();
    const auto here = std::find(boxes.begin(), boxes.end(), box);
    if (here == boxes.end())
        return;
    if (here + 1 != boxes.end()) {
        (*(here + 1))->setFocus(Qt::TabFocusReason);
        (*(here + 1))->selectAll();
        return;
    }
    // From the last box to the submit button, which the next Enter presses.
    if (QWidget* submit = widgetOf(practicePage(windowModel.form, windowModel.form.seenPage()).submit);
        submit->isVisible() && submit->isEnabled())
        submit->setFocus(Qt::TabFocusReason);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tree->viewport()) {
        // A click anywhere in the tree dispatches the selected node, as does Enter.
        if (event->type() == QEvent::MouseButtonRelease)
            treeClicked();
        else if (event->type() == QEvent::ToolTip)
            return showsTooltipOfCutTitle(event);
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    if (watched == tree) {
        treeClicked();
        return true;
    }
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
        enterPressedIn(box);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::showsTooltipOfCutTitle(QEvent* event)
{
    // A title too long for the tree shows whole in a tooltip.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = tree->indexAt(help->pos());
    const QRect cell = tree->visualRect(index);
    if (index.isValid() && (tree->sizeHintForIndex(index).width() > cell.width() || cell.right() >= tree->viewport()->width()))
        QToolTip::showText(help->globalPos(), index.data().toString(), tree->viewport(), cell);
    else
        QToolTip::hideText();
    return true;
}
