#pragma once

// Shared by the tests that drive the real window.

#include "main_window.h"

#include <QTest>
#include <QTreeWidget>

// Clicks the first tree node with this text, as the pupil does.
inline void clickNode(MainWindow& window, const QString& text)
{
    auto* tree = static_cast<QTreeWidget*>(window.widget(QStringLiteral("TreeView1")));
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    tree->scrollToItem(found.first());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found.first()).center());
}

// The name of a control of the form, as the window knows its widget.
inline QString controlName(MainForm& form, Form::ControlPointer control)
{
    for (const Form::Entry& entry : form.controls())
        if (entry.control == control)
            return entry.name;
    return {};
}
