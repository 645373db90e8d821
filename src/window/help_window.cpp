#include "help_window.h"

#include "page_font.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const helpPage = R"(
<h2>怎样练习</h2>
<ol>
<li>在上面选一个标签，比如“加减乘除”或“时间换算”。</li>
<li>在左边点一种题目，就出一页新题。</li>
<li>在每道题的框里写上答案，都写好了，按“提交答案”。</li>
<li>想再练同一种题，按“出 题”，就换一页新题。</li>
</ol>
<p>窗口可以拉大、拉小或者最大化，题目跟着一起变大变小。</p>

<h2>怎样判分</h2>
<ul>
<li>答对的题后面打 √；答错的题打 ×，后面写着正确答案。</li>
<li>页面下面的一行写着答对了几道题，用了几秒。出题以后，右上角的“用时”一秒一秒地数。</li>
<li>答案要照题目的样子写：时间写成 8:30，有两个框的题两个框都要写对。</li>
<li>每一页的成绩都记在“练习记录”里。</li>
</ul>

<h2>键盘</h2>
<table cellspacing="0" cellpadding="4">
<tr><td><b>Enter</b></td><td>在答案框里：到下一个框；在最后一个框里：到“提交答案”</td></tr>
<tr><td><b>Enter</b> 或 <b>空格</b></td><td>按下有橙色框的按钮</td></tr>
<tr><td><b>Tab</b>、<b>Shift+Tab</b></td><td>到下一个、上一个框或按钮</td></tr>
<tr><td><b>↑ ↓</b> 和 <b>Enter</b></td><td>在左边选一种题目，按 Enter 出题</td></tr>
<tr><td><b>Ctrl+P</b></td><td>打印这一页题目，后面跟着答案</td></tr>
<tr><td><b>Ctrl+R</b></td><td>练习记录：每天练了什么，答对了几道，用了几秒</td></tr>
<tr><td><b>Alt+←</b>、<b>Alt+→</b></td><td>游戏、故事和试卷的网页：后退、前进</td></tr>
<tr><td><b>F1</b></td><td>这个帮助</td></tr>
<tr><td><b>Ctrl+Q</b></td><td>退出</td></tr>
</table>
)";

void showLicence(QWidget* parent)
{
    auto* window = new QDialog(parent);
    window->setObjectName(QStringLiteral("licenceWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("GNU 通用公共许可证第 3 版"));
    window->setFont(fontOfSize(10.5));
    auto* text = new QPlainTextEdit(window);
    text->setReadOnly(true);
    QFile licence(QStringLiteral(":/window/LICENSE"));
    if (licence.open(QIODevice::ReadOnly))
        text->setPlainText(QString::fromUtf8(licence.readAll()));
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text);
    window->resize(640, 520);
    window->show();
}

} // namespace

QDialog* createHelpWindow(QWidget* parent)
{
    auto* help = new QDialog(parent);
    help->setObjectName(QStringLiteral("helpWindow"));
    help->setWindowTitle(QStringLiteral("帮助 - 快乐学数学"));
    auto* text = new QTextBrowser(help);
    text->setObjectName(QStringLiteral("helpText"));
    text->setAccessibleName(QStringLiteral("帮助"));
    text->setFont(fontOfSize(11));
    text->setHtml(QString::fromUtf8(helpPage));
    // Buttons of our own words: the program loads no translations of Qt's.
    auto* buttons = new QDialogButtonBox(help);
    QPushButton* about = buttons->addButton(QStringLiteral("关于快乐学数学"), QDialogButtonBox::HelpRole);
    about->setObjectName(QStringLiteral("aboutButton"));
    buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    QObject::connect(about, &QPushButton::clicked, help, [help] { showAbout(help); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, help, &QDialog::reject);
    auto* layout = new QVBoxLayout(help);
    layout->addWidget(text);
    layout->addWidget(buttons);
    help->setFont(fontOfSize(10.5));
    // The whole page where the screen has room; a netbook's scrolls.
    help->resize(QSize(640, 640).boundedTo(help->screen()->availableGeometry().size() * 0.9));
    return help;
}

void showAbout(QWidget* parent)
{
    auto* about = new QMessageBox(parent);
    about->setObjectName(QStringLiteral("aboutBox"));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowTitle(QStringLiteral("关于快乐学数学"));
    about->setFont(fontOfSize(10.5));
    about->setTextFormat(Qt::RichText);
    about->setText(QStringLiteral("<h3>快乐学数学（Tallowby）</h3><p>版本 %1</p>").arg(QStringLiteral(TALLOWBY_VERSION)));
    about->setInformativeText(QStringLiteral(
        "<p>给一至六年级小学生的数学练习软件。</p>"
        "<p>这是自由软件：你可以依照自由软件基金会发布的 GNU 通用公共许可证第 3 版，"
        "或者（由你选择）任何更新的版本（GPL-3.0-or-later），使用、复制、修改和分发它。"
        "它不附带任何担保。许可证全文在随软件附带的 LICENSE 文件里。</p>"));
    QPushButton* licence = about->addButton(QStringLiteral("许可证全文"), QMessageBox::ActionRole);
    QObject::connect(licence, &QPushButton::clicked, parent, [parent] { showLicence(parent); });
    about->addButton(QStringLiteral("关闭"), QMessageBox::RejectRole);
    about->open();
}
