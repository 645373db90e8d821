#include "form.h"

#include "page_geometry.h"

namespace {

std::vector<Label> labels(const TextMetrics& metrics, int count)
{
    return std::vector<Label>(count, Label(metrics));
}

QString indexed(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace

Form::Form(const TextMetrics& metrics)
    : Frame1(12)
    , contentNotice(metrics)
    , welcomeHint(metrics)
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
    welcomeHint.rect = {3915, 360, 0, 480};
    welcomeHint.setCaption(QString::fromUtf8(welcomeHintText));

    const char* pageCaptions[12] = {"加减乘除", "时间转换", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12"};
    for (int page = 0; page < 12; ++page)
        Frame1[page] = {QString::fromUtf8(pageCaptions[page]), pageRect};

    layOutPracticePages();

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
// Each control is listed under the name of its member.
#define ADD(control, container) add(QStringLiteral(#control), container, &control)
#define ADD_ARRAY(controls, container) addArray(#controls, container, controls)

    ADD(Form1, QString());
    ADD(TabStrip1, QString());
    ADD(TreeView1, QString());
    ADD(Timer1, QString());
    ADD_ARRAY(Frame1, QString());
    ADD(Picture14, QString());
    ADD(contentNotice, QString());
    ADD(welcomeHint, QString());

    ADD(Command1, page(0));
    ADD(Command2, page(0));
    ADD_ARRAY(Label33, page(0));
    ADD_ARRAY(Text1, page(0));
    ADD_ARRAY(Label34, page(0));
    ADD(Label2, page(0));
    ADD(Picture17, page(0));

    ADD(Command3, page(1));
    ADD(Command4, page(1));
    ADD_ARRAY(Picture13, page(1));
    for (int i = 0; i < 10; ++i) {
        add(indexed(QStringLiteral("Line1"), i), indexed(QStringLiteral("Picture13"), i), &Line1[i]);
        add(indexed(QStringLiteral("Line2"), i), indexed(QStringLiteral("Picture13"), i), &Line2[i]);
    }
    ADD_ARRAY(Text2, page(1));
    ADD_ARRAY(Label3, page(1));
    ADD(Label4, page(1));

    ADD(Command5, page(2));
    ADD(Command6, page(2));
    ADD_ARRAY(Label5, page(2));
    ADD_ARRAY(Text3, page(2));
    ADD_ARRAY(Label6, page(2));
    ADD(Label7, page(2));
    ADD(Label31, page(2));
    ADD(Label32, page(2));
    ADD(Picture15, page(2));

    ADD(Command7, page(3));
    ADD(Command8, page(3));
    ADD_ARRAY(Label8, page(3));
    ADD_ARRAY(Text4, page(3));
    ADD_ARRAY(Label9, page(3));
    ADD_ARRAY(Text5, page(3));
    ADD_ARRAY(Label10, page(3));
    ADD(Label11, page(3));
    ADD(Picture16, page(3));

    ADD(Command9, page(4));
    ADD(Command10, page(4));
    ADD_ARRAY(Label12, page(4));
    ADD_ARRAY(Text6, page(4));
    ADD_ARRAY(Label14, page(4));
    ADD(Label13, page(4));
    ADD(Picture7, page(4));

    ADD(Command11, page(5));
    ADD(Command12, page(5));
    ADD_ARRAY(Label15, page(5));
    ADD_ARRAY(Label16, page(5));
    ADD_ARRAY(Text7, page(5));
    ADD_ARRAY(Label17, page(5));
    ADD(Label18, page(5));
    ADD(Picture8, page(5));

    ADD(Command13, page(6));
    ADD(Command14, page(6));
    ADD(Label19, page(6));
    ADD(Text8, page(6));
    ADD(Label20, page(6));
    ADD(Label21, page(6));
    ADD(Picture9, page(6));
    ADD(Picture10, page(6));

    ADD(Command15, page(7));
    ADD(Command16, page(7));
    ADD_ARRAY(Label22, page(7));
    ADD_ARRAY(Label23, page(7));
    ADD_ARRAY(Label24, page(7));
    ADD_ARRAY(Text9, page(7));
    ADD_ARRAY(Text10, page(7));
    ADD_ARRAY(Label25, page(7));
    ADD(Label26, page(7));

    ADD(Command17, page(8));
    ADD(Command18, page(8));
    ADD_ARRAY(Label27, page(8));
    ADD_ARRAY(Label28, page(8));
    ADD_ARRAY(Text11, page(8));
    ADD_ARRAY(Label29, page(8));
    ADD(Label30, page(8));

    ADD_ARRAY(Text12, page(9));
    ADD(WebBrowser1, page(10));
#undef ADD
#undef ADD_ARRAY
    return all;
}
