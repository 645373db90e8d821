#include "window_model.h"

#include "dictionary.h"
#include "number_text.h"
#include "page_geometry.h"
#include "procedures.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The practice tabs' categories filled with the catalogue's own names.
RecordSet catalogueLeaves()
{
    std::vector<RecordSet::Column> columns;
    for (const TopicTab& tab : ExerciseCatalogue::tabs())
        for (const TopicCategory& category : tab.categories)
            if (!category.exerciseTypes.isEmpty())
                columns.push_back({category.text, {category.exerciseTypes.begin(), category.exerciseTypes.end()}});
    return RecordSet::fromColumns(columns);
}

// Tabs 9 to 13 show the embedded browser: its page caption and start page.
struct LibraryTab {
    int tab;
    const char* caption;
    QString startPage; // relative to the program folder
};

QString firstStoryTitle()
{
    return ExerciseCatalogue::dispatchList(24).names.section(u',', 0, 0);
}

const LibraryTab* libraryTab(int tab)
{
    static const LibraryTab tabs[] = {
        {9, "数学游戏", QStringLiteral("/123.htm")},
        {10, "智力题", QStringLiteral("/123.htm")},
        {11, "名人故事", QStringLiteral("/123_files/") + firstStoryTitle() + QStringLiteral(".htm")},
        {12, "各年级数学试卷", QStringLiteral("/123_files/一年级数学上册期中考试卷.htm")},
        {13, "小升初奥数试题及答案", QStringLiteral("/123.htm")},
    };
    for (const LibraryTab& entry : tabs)
        if (entry.tab == tab)
            return &entry;
    return nullptr;
}

} // namespace

WindowModel::WindowModel(const TextMetrics& metrics, QString folder)
    : form(metrics), programFolder(std::move(folder)), buttons(buttonProcedures())
{
    form.setProcedures(pageProcedures(programFolder));
}

void WindowModel::Form_Load()
{
    Form_Load(std::make_unique<ContentStore>(programFolder));
}

void WindowModel::Form_Load(std::unique_ptr<ContentStore> content)
{
    form.Label7.setCaption(QString());
    form.Text12[0].text = dictionaryText();
    store = std::move(content);
    if (store->problem() != ContentStore::Problem::None || !store->practiceTabsWithoutLeaves().empty())
        announceContentProblem();
    form.mysub();
    form.Picture14.rect = welcomePictureRect;
    form.Picture14.visible = true;
    selectTab(1);
    form.TreeView1.select(0);
    form.Frame1[0].visible = false;
}

void WindowModel::announceContentProblem()
{
    fallbackLeaves = catalogueLeaves();
    const QString path = store->databasePath();
    const QString what = store->problem() == ContentStore::Problem::Missing
        ? QStringLiteral("找不到数据文件 %1").arg(path)
        : QStringLiteral("数据文件 %1 无法读取").arg(path);
    form.contentNotice.setCaption(store->problem() == ContentStore::Problem::None
            ? QStringLiteral("数据文件 %1 里缺少一些练习题的名称：这些练习照常可用，用的是程序自带的名称。").arg(path)
            : what + QStringLiteral("：练习题照常可用，数学字典、游戏、趣味数学、故事和试卷暂时是空的。"));
    form.contentNotice.visible = true;
}

void WindowModel::selectTab(int tab)
{
    form.TabStrip1.selected = tab;
    TabStrip1_Click();
}

void WindowModel::TabStrip1_Click()
{
    if (auto page = PageSnapshot::take(form))
        pagesLeftOpen.insert_or_assign(form.state.currentTab, std::move(*page));
    form.Timer1.setInterval(0); // no page in view: its clock waits for the pupil's return
    form.welcomeHint.setCaption(QString::fromUtf8(Form::welcomeHintText));
    form.mysub();
    form.Picture14.visible = true;
    const int selected = form.TabStrip1.selected;
    const int tab = selected >= 2 && selected <= 13 ? selected : 1;
    form.state.currentTab = std::int16_t(tab);
    switch (tab) {
    case 1:
        form.Frame1[0].visible = true;
        break;
    case 2:
        form.Label31.visible = false;
        setUpClockFaces();
        form.Frame1[1].visible = true;
        form.TreeView1.clear();
        form.Frame1[0].visible = true;
        break;
    case 3:
        form.Frame1[4].visible = true;
        break;
    case 4:
        form.Frame1[5].visible = true;
        break;
    case 5:
    case 6:
    case 7:
        form.Frame1[7].visible = true;
        form.Label31.visible = true;
        break;
    case 8:
        showDictionary();
        break;
    default:
        showLibraryPage(tab);
        break;
    }
    rebuildTree(ExerciseCatalogue::tab(tab));
    if (const auto kept = pagesLeftOpen.find(tab); kept != pagesLeftOpen.end())
        kept->second.restore(form);
}

void WindowModel::setUpClockFaces()
{
    for (int i = 0; i < 10; ++i) {
        Picture& face = form.Picture13[i];
        face.scaleLeft = face.scaleTop = -100;
        face.scaleRight = face.scaleBottom = 100;
        form.Line1[i] = {0, 0, form.Line1[i].x2, form.Line1[i].y2, 0x000000, 3};
        form.Line2[i] = {0, 0, form.Line2[i].x2, form.Line2[i].y2, 0x0000FF, 2};
    }
}

void WindowModel::showDictionary()
{
    form.mysub();
    form.Picture14.visible = false;
    form.Text12[1].text = form.Text12[0].text;
    form.Text12[0].rect = dictionaryTextRect;
    form.Text12[0].visible = false;
    form.Text12[1].rect = dictionaryTextRect;
    form.Frame1[9].caption = QStringLiteral("数学字典");
    form.Frame1[9].visible = true;
    form.Label31.visible = true;
}

void WindowModel::showLibraryPage(int tab)
{
    const LibraryTab* library = libraryTab(tab);
    form.mysub();
    form.Picture14.visible = false;
    form.WebBrowser1.navigate(programFolder + library->startPage);
    form.Frame1[10].caption = QString::fromUtf8(library->caption);
    form.Frame1[10].visible = true;
    form.Label31.visible = true;
}

void WindowModel::rebuildTree(const TopicTab& tab)
{
    TreeView& tree = form.TreeView1;
    tree.clear();
    const bool fromFile = store && store->problem() == ContentStore::Problem::None
        && !std::ranges::count(store->practiceTabsWithoutLeaves(), tab.number);
    RecordSet& leaves = fromFile ? store->leaves() : fallbackLeaves;
    for (const TopicCategory& category : tab.categories)
        tree.add(QString(), category.key, category.text);
    leaves.moveFirst();
    for (int row = 1; row <= tab.rowsRead; ++row) {
        for (const TopicCategory& category : tab.categories) {
            if (row > category.lastRow)
                continue;
            // A missing row or a Null cell gives no leaf; the rest of the tree is still built.
            if (const auto text = leaves.value(category.text))
                tree.add(category.key, category.key + Str(row), *text);
        }
        if (tab.number == 9 && row == 1)
            tree.add(QStringLiteral("f1"), QStringLiteral("f1 1"), QStringLiteral("退出"));
        leaves.moveNext();
    }
    tree.expandAll();
    tree.select(0);
}

bool WindowModel::click(const QString& button)
{
    const auto procedure = buttons.find(button);
    if (procedure == buttons.end())
        return false;
    procedure->second(form);
    return true;
}

bool WindowModel::libraryPageShown(const QString& localFile)
{
    const LibraryTab* library = libraryTab(form.state.currentTab);
    if (!library || localFile.isEmpty())
        return false;
    // A leaf's page is named after it: "<title>.htm" in 123_files, a game "<title>.html".
    const QString title = QFileInfo(localFile).completeBaseName();
    const std::vector<TreeNode>& nodes = form.TreeView1.nodes();
    for (int index = 0; index < int(nodes.size()); ++index) {
        if (nodes[index].parentKey.isEmpty() || nodes[index].text != title)
            continue;
        if (index == form.TreeView1.selectedIndex())
            return false;
        form.TreeView1.select(index);
        return true;
    }
    return false;
}
