// tallowby-screenshots DIR: opens the real window (offscreen when there is no
// display), plays a round on each kind of practice page, looks up an entry of
// the dictionary, opens a story and a game, and saves what it looked like.
// Then it opens the window on screens of a netbook, a laptop and a large
// screen at double scale (offscreen, each in a process of its own), as it
// opens there and maximised.

#include "browser_host.h"
#include "engine_notices.h"
#include "main_window.h"
#include "practice_pages.h"
#include "program_folder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
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

// A screen the window is opened on: its size in device pixels and its scale.
struct Screen {
    int width;
    int height;
    int scale;
    QString name() const
    {
        return QStringLiteral("%1x%2%3").arg(width).arg(height).arg(scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString());
    }
};

const Screen screens[] = {{1024, 600, 1}, {1366, 768, 1}, {1920, 1080, 2}};

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

bool savePicture(const QPixmap& shot, const QDir& folder, const QString& name)
{
    const QString path = folder.absoluteFilePath(name);
    if (!shot.save(path))
        return false;
    QTextStream(stdout) << path << Qt::endl;
    return true;
}

// What the window looks like: from the screen when there is one, since the
// browser draws with the GPU where grab() cannot see it.
QPixmap shotOf(QWidget& window)
{
    QPixmap shot = window.devicePixelRatioF() > 1 ? QPixmap() : window.screen()->grabWindow(window.winId());
    return shot.isNull() ? window.grab() : shot;
}

// In a process of its own, on the screen the platform was given: the window as
// it opens there, a marked page of sums, one of fractions and an olympiad
// paper, then maximised.
int photographFitted(const QDir& folder, const QString& screen)
{
    MainWindow window(programFolder());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto save = [&](const QString& what) {
        QTest::qWait(300);
        return savePicture(shotOf(window), folder, QStringLiteral("fit-%1%2.png").arg(screen, what));
    };
    auto* tabs = window.findChild<QTabBar*>();
    if (!clickTreeNode(window, QStringLiteral("20以内加法")) || !answerAndMark(window) || !save(QString()))
        return 1;
    tabs->setCurrentIndex(4);
    if (!clickTreeNode(window, QStringLiteral("分子为1加法（中等）")) || !answerAndMark(window) || !save(QStringLiteral("-fractions")))
        return 1;
    tabs->setCurrentIndex(12);
    if (!clickTreeNode(window, QStringLiteral("小升初奥数试题及答案⑵")))
        return 1;
    QTest::qWait(3000); // the browser starts and draws the page
    if (!save(QStringLiteral("-olympiad")))
        return 1;
    window.showMaximized();
    QTest::qWait(300);
    tabs->setCurrentIndex(0);
    return save(QStringLiteral("-maximised")) ? 0 : 1;
}

// Runs this program again on an offscreen screen of that size and scale.
bool photographOn(const Screen& screen, const QDir& folder, const QString& program)
{
    QTemporaryDir configuration;
    QFile file(configuration.filePath(QStringLiteral("screen.json")));
    const QJsonObject layout{{QStringLiteral("screens"),
                              QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("screen")},
                                                     {QStringLiteral("width"), screen.width},
                                                     {QStringLiteral("height"), screen.height}}}}};
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(layout).toJson()) < 0)
        return false;
    file.close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + file.fileName());
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(screen.scale));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(program, {QStringLiteral("--screen"), screen.name(), folder.absolutePath()});
    return child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    quietenEngineNoticesOffscreen();
    QTextStream out(stdout);
    QStringList arguments = application.arguments().mid(1);
    QString fittedScreen;
    if (arguments.size() > 1 && arguments.front() == QStringLiteral("--screen")) {
        fittedScreen = arguments[1];
        arguments = arguments.mid(2);
    }
    const QDir folder(arguments.isEmpty() ? QStringLiteral("screenshots") : arguments.front());
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << Qt::endl;
        return 1;
    }
    if (!fittedScreen.isEmpty())
        return photographFitted(folder, fittedScreen);

    MainWindow window(programFolder());
    // The form at its own size, whatever screen this runs on.
    window.resize(Zoom().toPixels(window.model().form.Form1.rect).size());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    auto save = [&](const QString& name) {
        QTest::qWait(300); // the screen shows a change once it is painted
        return savePicture(shotOf(window), folder, name);
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
    if (!save(QStringLiteral("6-game.png")))
        return 1;

    // F1, and the About box from it.
    window.showHelp();
    auto* help = window.findChild<QDialog*>(QStringLiteral("helpWindow"));
    if (!help || !QTest::qWaitForWindowExposed(help) || !savePicture(help->grab(), folder, QStringLiteral("7-help.png")))
        return 1;
    QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("aboutButton")), Qt::LeftButton);
    auto* about = help->findChild<QWidget*>(QStringLiteral("aboutBox"));
    if (!about || !QTest::qWaitForWindowExposed(about) || !savePicture(about->grab(), folder, QStringLiteral("8-about.png")))
        return 1;
    about->close();
    help->close();

    for (const Screen& screen : screens)
        if (!photographOn(screen, folder, QCoreApplication::applicationFilePath())) {
            QTextStream(stderr) << "could not photograph the window on a screen of " << screen.name() << Qt::endl;
            return 1;
        }
    return 0;
}
