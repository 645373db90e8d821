#pragma once

// Shared fixtures of the tests: the build's folders and a form model that runs
// without a screen, with a scripted random source.

#include "text_metrics.h"
#include "window_model.h"

#include <QDir>
#include <QProcess>
#include <QString>

#include <memory>
#include <vector>

inline QString buildDir()
{
    return qEnvironmentVariable("TALLOWBY_BUILD_DIR");
}

inline QString sourceDir()
{
    return qEnvironmentVariable("TALLOWBY_SOURCE_DIR");
}

// Writes a content database from leaf-table text with the build's own tool.
inline bool makeContentDatabase(const QString& leafText, const QString& folder)
{
    const QString source = folder + QStringLiteral("/leaves.txt");
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(leafText.toUtf8()) < 0)
        return false;
    file.close();
    return QProcess::execute(buildDir() + QStringLiteral("/make-content-db"),
                             {source, folder + QStringLiteral("/data.db")})
        == 0;
}

// The window model as the program starts it, over a content folder (by
// default the build's own), with the fixed text widths and a scripted source.
struct Practice {
    explicit Practice(const QString& contentFolder = buildDir()) : model(metrics, contentFolder)
    {
        model.Form_Load();
        auto source = std::make_unique<ScriptedRandom>();
        script = source.get();
        model.form.setRandomSource(std::move(source));
    }

    MainForm& form() { return model.form; }

    // Selects the first node with this text and dispatches it, as a click in the tree.
    bool click(const QString& text)
    {
        if (!model.form.TreeView1.selectText(text))
            return false;
        model.form.TreeView1_Click();
        return true;
    }

    // The texts of the selected tab's leaves under one category.
    QStringList leavesOf(const QString& categoryKey) const
    {
        QStringList texts;
        for (const int index : model.form.TreeView1.treeOrder())
            if (model.form.TreeView1.nodes()[index].parentKey == categoryKey)
                texts.append(model.form.TreeView1.nodes()[index].text);
        return texts;
    }

    FixedTextMetrics metrics;
    WindowModel model;
    ScriptedRandom* script;
};
