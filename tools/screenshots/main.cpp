// tallowby-screenshots DIR: opens the real window (offscreen when there is no
// display), plays a short round of 20以内加法, looks up an entry of the
// dictionary, opens a story and a game, and saves what it looked like.

#include "browser_host.h"
#include "main_window.h"
#include "program_folder.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <QTabBar>
#include <QTreeWidget>

namespace {

bool clickTreeNode(MainWindow& window, const QString& text)
{
    auto* tree = static_cast<QTreeWidget*>(window.widget(QStringLiteral("TreeView1")));
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return false;
    tree->scrollToItem(found.first());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found.first()).center());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    QTextStream out(stdout);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << Qt::endl;
        return 1;
    }
    MainWindow window(programFolder());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    auto save = [&](const QString& name) {
        const QString path = folder.absoluteFilePath(name);
        // From the screen when there is one, since the browser draws with the GPU
        // where grab() cannot see it; the screen shows a change once it is painted.
        QTest::qWait(300);
        QPixmap shot = window.screen()->grabWindow(window.winId());
        if (shot.isNull())
            shot = window.grab();
        if (!shot.save(path))
            return false;
        out << path << Qt::endl;
        return true;
    };
    if (!save(QStringLiteral("1-start.png")) || !clickTreeNode(window, QStringLiteral("20以内加法"))
        || !save(QStringLiteral("2-questions.png")))
        return 1;

    // Answer eight questions right and two wrong, taking a moment as a pupil would.
    const AnswerKey& keys = window.model().form.state.mainKey;
    for (int i = 0; i < 10; ++i) {
        auto* box = static_cast<QLineEdit*>(window.widget(QStringLiteral("Text1(%1)").arg(i)));
        const QString answer = i == 3 || i == 7 ? QString::number(keys[i].toInt() + 1) : keys[i];
        QTest::keyClicks(box, answer);
    }
    QTest::qWait(2100);
    QTest::mouseClick(static_cast<QPushButton*>(window.widget(QStringLiteral("Command2"))), Qt::LeftButton);
    if (!save(QStringLiteral("3-marked.png")))
        return 1;

    auto* tabs = window.findChild<QTabBar*>();
    tabs->setCurrentIndex(7);
    if (!clickTreeNode(window, QStringLiteral("28、百分数")) || !save(QStringLiteral("4-dictionary.png")))
        return 1;
    tabs->setCurrentIndex(10);
    if (!clickTreeNode(window, QStringLiteral("高斯的故事")))
        return 1;
    QTest::qWait(3000); // the browser starts and draws the page
    if (!save(QStringLiteral("5-story.png")))
        return 1;
    tabs->setCurrentIndex(8);
    if (!clickTreeNode(window, QStringLiteral("小熊分饼")))
        return 1;
    QTest::qWait(1500);
    return save(QStringLiteral("6-game.png")) ? 0 : 1;
}
