// tallowby-screenshots DIR: opens the real window (offscreen when there is no
// display), plays a round on each kind of practice page, looks up an entry of
// the dictionary, opens a story and a game, and saves what it looked like.

#include "browser_host.h"
#include "engine_notices.h"
#include "main_window.h"
#include "practice_pages.h"
#include "program_folder.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

// A marked page to photograph: the tab, the exercise type and the file.
struct PracticeShot {
    int tab;
    const char* type;
    const char* file;
};

// A marked page of each kind, tab by tab; files named by the page they show.
const PracticeShot practiceShots[] = {
    {1, "20以内加法", "3-marked.png"},
    {2, "看表读时间（上午）", "p1-clock.png"},
    {2, "时间间隔（较难）", "p2-interval.png"},
    {2, "人民币（加法）", "p3-money.png"},
    {3, "10000以上三位数乘三位数", "p4-decimals.png"},
    {4, "规律运算（中等）", "p5-pattern.png"},
    {4, "数字排序（困难）", "p5-sorting.png"},
    {4, "多多少（简单）", "p6-pictures.png"},
    {5, "分子为1加法（中等）", "p7-fraction-addition.png"},
    {5, "分子为任意除法（中等）", "p7-fraction-division.png"},
    {5, "分数转小数（较难）", "p2-fraction-to-decimal.png"},
    {6, "加减乘除混合运算（中等）", "p2-mixed-operations.png"},
    {7, "五年整存利息", "p8-interest.png"},
    {7, "读数字（较难）", "p8-reading.png"},
};

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

QString nameOf(MainForm& form, Form::ControlPointer control)
{
    for (const Form::Entry& entry : form.controls())
        if (entry.control == control)
            return entry.name;
    return {};
}

// Types as a pupil does: digits on the keyboard, Chinese words through the
// input method, which hands the box the words it composed.
void typeInto(QLineEdit* box, const QString& text)
{
    const bool keyboard = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    if (keyboard) {
        QTest::keyClicks(box, text);
        return;
    }
    box->setFocus();
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(box, &composed);
}

// Answers the page in view as a pupil would, two questions wrong, and marks it.
bool answerAndMark(MainWindow& window)
{
    MainForm& form = window.model().form;
    const int page = form.seenPage();
    if (page < 0)
        return false;
    const PracticePage controls = practicePage(form, page);
    const AnswerKey* keys[2] = {&form.state.mainKey, &form.state.secondKey};
    for (std::size_t part = 0; part < controls.boxes.size(); ++part) {
        for (std::size_t i = 0; i < controls.boxes[part].size(); ++i) {
            const QString& key = (*keys[part])[i];
            const bool wrong = i == 3 || i == 7;
            const QString answer = wrong ? (key == QStringLiteral("1") ? QStringLiteral("2") : QStringLiteral("1")) : key;
            auto* box = qobject_cast<QLineEdit*>(window.widget(nameOf(form, &controls.boxes[part][i])));
            if (!box)
                return false;
            typeInto(box, answer);
        }
    }
    QTest::qWait(2100); // taking a moment, as a pupil would
    auto* submit = qobject_cast<QPushButton*>(window.widget(nameOf(form, controls.submit)));
    if (!submit)
        return false;
    QTest::mouseClick(submit, Qt::LeftButton);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    quietenEngineNoticesOffscreen();
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
    auto* tabs = window.findChild<QTabBar*>();
    if (!save(QStringLiteral("1-start.png")) || !clickTreeNode(window, QStringLiteral("20以内加法"))
        || !save(QStringLiteral("2-questions.png")))
        return 1;
    for (const PracticeShot& shot : practiceShots) {
        tabs->setCurrentIndex(shot.tab - 1);
        if (!clickTreeNode(window, QString::fromUtf8(shot.type)) || !answerAndMark(window)
            || !save(QString::fromUtf8(shot.file))) {
            QTextStream(stderr) << "could not play a page of " << shot.type << Qt::endl;
            return 1;
        }
    }

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
