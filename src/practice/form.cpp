#include "form.h"

#include "page_geometry.h"

namespace {

std::vector<Label> labels(const TextMetrics& metrics, int count)
{
    return std::vector<Label>(count, Label(metrics));
}

CommandButton button(const char* caption, Rect rect = {})
{
    return {QString::fromUtf8(caption), rect};
}

QString indexed(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace

Form::Form(const TextMetrics& metrics)
    : Frame1(12)
    , contentNotice(metrics)
    , Label33(labels(metrics, 10))
    , Label34(labels(metrics, 10))
    , Text1(10)
    , Label2(metrics)
    , Picture13(10)
    , Line1(10)
    , Line2(10)
    , Text2(10)
    , Label3(labels(metrics, 10))
    , Label4(metrics)
    , Label5(labels(metrics, 10))
    , Label6(labels(metrics, 10))
    , Text3(10)
    , Label7(metrics)
    , Label31(metrics)
    , Label32(metrics)
    , Label8(labels(metrics, 10))
    , Label9(labels(metrics, 20))
    , Label10(labels(metrics, 10))
    , Text4(10)
    , Text5(10)
    , Label11(metrics)
    , Label12(labels(metrics, 10))
    , Label14(labels(metrics, 10))
    , Text6(10)
    , Label13(metrics)
    , Label15(labels(metrics, 10))
    , Label16(labels(metrics, 10))
    , Label17(labels(metrics, 10))
    , Text7(10)
    , Label18(metrics)
    , Label19(metrics)
    , Label20(metrics)
    , Label21(metrics)
    , Label22(labels(metrics, 10))
    , Label23(labels(metrics, 10))
    , Label24(labels(metrics, 10))
    , Label25(labels(metrics, 10))
    , Text9(10)
    , Text10(10)
    , Label26(metrics)
    , Label27(labels(metrics, 10))
    , Label28(labels(metrics, 10))
    , Label29(labels(metrics, 10))
    , Text11(10)
    , Label30(metrics)
    , Text12(2)
{
    Form1 = {QStringLiteral("Tallowby  5.20.40"), {0, 0, 15480, 8415}};
    TabStrip1.rect = {3915, 1215, 11430, 7065};
    TabStrip1.captions = {"加减乘除", "时间换算", "小数运算", "找规律", "比例与分数", "四则运算", "倍数与约数",
                          "数学字典", "数学游戏", "趣味数学", "名人故事", "各年级试卷", "小升初奥数精选试题"};
    TreeView1.rect = {135, 1395, 3525, 6780};
    Picture14.rect = welcomePictureRect;
    contentNotice.rect = {3915, 660, 0, 420};
    contentNotice.visible = false;

    const char* pageCaptions[12] = {"加减乘除", "时间转换", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12"};
    for (int page = 0; page < 12; ++page)
        Frame1[page] = {QString::fromUtf8(pageCaptions[page]), pageRect};

    // Page 0: ten rows, each the question, the answer box and the closing
    // bracket; the generator moves box and bracket behind the question.
    for (int i = 0; i < 10; ++i) {
        const int top = page0FirstRowTop + i * page0RowPitch;
        Label33[i].rect = {page0QuestionLeft, top, 0, page0RowHeight};
        Text1[i] = {QString(), {page0QuestionLeft, top, 900, page0RowHeight}, true, true, Alignment::Centre};
        Label34[i].rect = {page0QuestionLeft + 900, top, 0, page0RowHeight};
    }
    Label2.rect = {page0QuestionLeft, 5400, 0, page0RowHeight};
    Command1 = button("出 题", {page0QuestionLeft, 5950, 1350, 540});
    Command2 = button("提交答案", {page0QuestionLeft + 1560, 5950, 1650, 540});
    Picture17.rect = {8400, 4200, 2520, 1920};

    Command3 = button("出题");
    Command4 = button("提交答案");
    Command5 = button("出题");
    Command6 = button("提交答案");
    Command7 = button("出题");
    Command8 = button("提交答案");
    Command9 = button("出题");
    Command10 = button("提交答案");
    Command11 = button("出题");
    Command12 = button("提交答案");
    Command13 = button("出题");
    Command14 = button("提交答案");
    Command15 = button("出题");
    Command16 = button("提交答案");
    Command17 = button("出题");
    Command18 = button("提交答案");

    for (Label& unit : Label6)
        unit.setCaption(QStringLiteral("分"));
    for (int i = 0; i < 10; ++i) {
        Label9[i].setCaption(QStringLiteral("）小时 ("));
        Label9[i + 10].setCaption(QStringLiteral(") 分"));
        Label24[i].setCaption(QStringLiteral("—— + —— = ———"));
    }
    Label19.setCaption(QStringLiteral("答：小狗比小鸟多（"));
    Label20.setCaption(QStringLiteral("）只。"));
    Label31.setCaption(QStringLiteral("请四舍五入的方式保持小数点后两位"));
    Label32.setCaption(QStringLiteral("Label32"));
    Label32.visible = false;

    for (TextBox& box : Text12) {
        box.rect = dictionaryTextRect;
        box.multiLine = true;
    }
    WebBrowser1.rect = {90, 225, 11175, 6495};
}

std::vector<Form::Entry> Form::controls()
{
    std::vector<Entry> all;
    auto add = [&](const QString& name, const QString& container, ControlPointer control) {
        all.push_back({name, container, control});
    };
    auto addArray = [&](const char* name, const QString& container, auto& array) {
        for (int i = 0; i < int(array.size()); ++i)
            add(indexed(QString::fromLatin1(name), i), container, &array[i]);
    };
    auto page = [](int index) { return indexed(QStringLiteral("Frame1"), index); };

    add(QStringLiteral("Form1"), QString(), &Form1);
    add(QStringLiteral("TabStrip1"), QString(), &TabStrip1);
    add(QStringLiteral("TreeView1"), QString(), &TreeView1);
    add(QStringLiteral("Timer1"), QString(), &Timer1);
    addArray("Frame1", QString(), Frame1);
    add(QStringLiteral("Picture14"), QString(), &Picture14);
    add(QStringLiteral("contentNotice"), QString(), &contentNotice);

    add(QStringLiteral("Command1"), page(0), &Command1);
    add(QStringLiteral("Command2"), page(0), &Command2);
    addArray("Label33", page(0), Label33);
    addArray("Text1", page(0), Text1);
    addArray("Label34", page(0), Label34);
    add(QStringLiteral("Label2"), page(0), &Label2);
    add(QStringLiteral("Picture17"), page(0), &Picture17);

    add(QStringLiteral("Command3"), page(1), &Command3);
    add(QStringLiteral("Command4"), page(1), &Command4);
    addArray("Picture13", page(1), Picture13);
    for (int i = 0; i < 10; ++i) {
        add(indexed(QStringLiteral("Line1"), i), indexed(QStringLiteral("Picture13"), i), &Line1[i]);
        add(indexed(QStringLiteral("Line2"), i), indexed(QStringLiteral("Picture13"), i), &Line2[i]);
    }
    addArray("Text2", page(1), Text2);
    addArray("Label3", page(1), Label3);
    add(QStringLiteral("Label4"), page(1), &Label4);

    add(QStringLiteral("Command5"), page(2), &Command5);
    add(QStringLiteral("Command6"), page(2), &Command6);
    addArray("Label5", page(2), Label5);
    addArray("Text3", page(2), Text3);
    addArray("Label6", page(2), Label6);
    add(QStringLiteral("Label7"), page(2), &Label7);
    add(QStringLiteral("Label31"), page(2), &Label31);
    add(QStringLiteral("Label32"), page(2), &Label32);
    add(QStringLiteral("Picture15"), page(2), &Picture15);

    add(QStringLiteral("Command7"), page(3), &Command7);
    add(QStringLiteral("Command8"), page(3), &Command8);
    addArray("Label8", page(3), Label8);
    addArray("Text4", page(3), Text4);
    addArray("Label9", page(3), Label9);
    addArray("Text5", page(3), Text5);
    addArray("Label10", page(3), Label10);
    add(QStringLiteral("Label11"), page(3), &Label11);
    add(QStringLiteral("Picture16"), page(3), &Picture16);

    add(QStringLiteral("Command9"), page(4), &Command9);
    add(QStringLiteral("Command10"), page(4), &Command10);
    addArray("Label12", page(4), Label12);
    addArray("Text6", page(4), Text6);
    addArray("Label14", page(4), Label14);
    add(QStringLiteral("Label13"), page(4), &Label13);
    add(QStringLiteral("Picture7"), page(4), &Picture7);

    add(QStringLiteral("Command11"), page(5), &Command11);
    add(QStringLiteral("Command12"), page(5), &Command12);
    addArray("Label15", page(5), Label15);
    addArray("Label16", page(5), Label16);
    addArray("Text7", page(5), Text7);
    addArray("Label17", page(5), Label17);
    add(QStringLiteral("Label18"), page(5), &Label18);
    add(QStringLiteral("Picture8"), page(5), &Picture8);

    add(QStringLiteral("Command13"), page(6), &Command13);
    add(QStringLiteral("Command14"), page(6), &Command14);
    add(QStringLiteral("Label19"), page(6), &Label19);
    add(QStringLiteral("Text8"), page(6), &Text8);
    add(QStringLiteral("Label20"), page(6), &Label20);
    add(QStringLiteral("Label21"), page(6), &Label21);
    add(QStringLiteral("Picture9"), page(6), &Picture9);
    add(QStringLiteral("Picture10"), page(6), &Picture10);

    add(QStringLiteral("Command15"), page(7), &Command15);
    add(QStringLiteral("Command16"), page(7), &Command16);
    addArray("Label22", page(7), Label22);
    addArray("Label23", page(7), Label23);
    addArray("Label24", page(7), Label24);
    addArray("Text9", page(7), Text9);
    addArray("Text10", page(7), Text10);
    addArray("Label25", page(7), Label25);
    add(QStringLiteral("Label26"), page(7), &Label26);

    add(QStringLiteral("Command17"), page(8), &Command17);
    add(QStringLiteral("Command18"), page(8), &Command18);
    addArray("Label27", page(8), Label27);
    addArray("Label28", page(8), Label28);
    addArray("Text11", page(8), Text11);
    addArray("Label29", page(8), Label29);
    add(QStringLiteral("Label30"), page(8), &Label30);

    addArray("Text12", page(9), Text12);
    add(QStringLiteral("WebBrowser1"), page(10), &WebBrowser1);
    return all;
}
