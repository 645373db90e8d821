// Where the controls of the practice pages stand, in twips inside their page
// (11340 × 6700), and the texts they carry before the first question.

#include "form.h"
#include "page_geometry.h"

namespace {

CommandButton button(const char* caption, Rect rect)
{
    return {QString::fromUtf8(caption), rect};
}

// The row of a generate and a submit button at the foot of a page.
void placeButtons(CommandButton& generate, CommandButton& submit, int left, int top, int height = 540)
{
    generate = button("出题", {left, top, 1350, height});
    submit = button("提交答案", {left + 1560, top, 1650, height});
}

// Ten rows down the page, each a question label followed by its box and its
// mark; the generators move box and mark behind the question once it has its text.
void placeRows(std::vector<Label>& questions, std::vector<TextBox>& boxes, std::vector<Label>& marks, int boxWidth)
{
    for (int i = 0; i < 10; ++i) {
        const int top = page0FirstRowTop + i * page0RowPitch;
        questions[i].rect = {page0QuestionLeft, top, 0, page0RowHeight};
        boxes[i] = {QString(), {page0QuestionLeft, top, boxWidth, page0RowHeight}, true, true, Alignment::Centre};
        marks[i].rect = {page0QuestionLeft + boxWidth, top, 0, page0RowHeight};
    }
}

} // namespace

void Form::layOutPracticePages()
{
    // Page 0: whole numbers.
    placeRows(Label33, Text1, Label34, 900);
    Label2.rect = {page0QuestionLeft, 5400, 0, page0RowHeight};
    Command1 = button("出 题", {page0QuestionLeft, 5950, 1350, 540});
    Command2 = button("提交答案", {page0QuestionLeft + 1560, 5950, 1650, 540});
    Picture17.rect = {8400, 4200, 2520, 1920};

    // Page 1: two rows of five clock faces, each with its box and mark beneath.
    // Every face is 1905 × 1860, the size of its dial drawing, so each dial is
    // drawn pixel for pixel and centred where its hands start.
    const int faceLefts[2][5] = {{45, 2430, 4656, 6984, 9315}, {45, 2328, 4656, 6984, 9315}};
    const int boxLefts[5] = {585, 2880, 5220, 7560, 9900};
    const int markLefts[2][5] = {{75, 2355, 4650, 6930, 9225}, {75, 2370, 4665, 6975, 9270}};
    for (int i = 0; i < 10; ++i) {
        const int row = i / 5;
        const int column = i % 5;
        Picture13[i].rect = {faceLefts[row][column], row == 0 ? 270 : 3195, 1905, 1860};
        Text2[i] = {QString(), {boxLefts[column], row == 0 ? 2160 : 5175, 915, 375}, true, true, Alignment::Centre};
        Label3[i].rect = {markLefts[row][column], row == 0 ? 2700 : 5670, 0, 375};
    }
    Label4.rect = {4995, 6120, 0, 420};
    placeButtons(Command3, Command4, 720, 6075, 480);

    // Page 2: one box per question, the unit label behind it.
    const int page2Tops[10] = {720, 1245, 1785, 2310, 2835, 3375, 3900, 4425, 4965, 5490};
    for (int i = 0; i < 10; ++i) {
        Label5[i].rect = {540, page2Tops[i], 0, 420};
        Text3[i] = {QString(), {540, page2Tops[i], 1275, 420}, true, true, Alignment::Centre};
        Label6[i].rect = {1815, page2Tops[i], 0, 420};
        Label6[i].setCaption(QStringLiteral("分"));
    }
    Label7.rect = {4905, 6210, 0, 420};
    Label31.rect = {3600, 270, 3840, 420};
    Label31.setCaption(QStringLiteral("请四舍五入的方式保持小数点后两位"));
    Label32.rect = {1665, 6165, 0, 420};
    Label32.setCaption(QStringLiteral("Label32"));
    Label32.visible = false;
    // The picture stands at the right edge, clear of the longest rows with their marks.
    Picture15.rect = {9540, 2100, 1665, 2415};
    placeButtons(Command5, Command6, 585, 6120, 480);

    // Page 3: two boxes per question, with a unit label after each.
    const int page3Tops[10] = {900, 1365, 1890, 2385, 2880, 3375, 3870, 4365, 4860, 5355};
    for (int i = 0; i < 10; ++i) {
        Label8[i].rect = {675, page3Tops[i], 0, 420};
        Text4[i] = {QString(), {675, page3Tops[i], 915, 420}, true, true, Alignment::Centre};
        Label9[i].rect = {1590, page3Tops[i], 0, 420};
        Label9[i].setCaption(QStringLiteral("）小时 ("));
        Text5[i] = {QString(), {2000, page3Tops[i], 1410, 420}, true, true, Alignment::Centre};
        Label9[i + 10].rect = {3410, page3Tops[i], 0, 420};
        Label9[i + 10].setCaption(QStringLiteral(") 分"));
        Label10[i].rect = {3800, page3Tops[i], 0, 420};
    }
    Label11.rect = {4455, 5985, 0, 420};
    // The money marks stay beside the picture: it stands at the right edge, clear of them.
    Picture16.rect = {9555, 2400, 1665, 2580};
    placeButtons(Command7, Command8, 1035, 6030, 480);

    // Page 4: decimals, in the rows of page 0; a box holds a ten-character
    // product such as 1099890.01.
    placeRows(Label12, Text6, Label14, 1800);
    Label13.rect = {page0QuestionLeft, 5400, 0, page0RowHeight};
    Picture7.rect = {8400, 4200, 2520, 1920};
    placeButtons(Command9, Command10, page0QuestionLeft, 5950);

    // Page 5: number rows, the box inside the row. The rows start nearer the
    // edge than page 0's, since the longest (five numbers to put in order) need
    // the whole width once the picture is hidden.
    const int page5Left = 300;
    placeRows(Label15, Text7, Label17, 400);
    for (int i = 0; i < 10; ++i) {
        Label15[i].rect.left = page5Left;
        Label16[i].rect = Label17[i].rect;
    }
    Label18.rect = {page5Left, 5400, 0, page0RowHeight};
    Picture8.rect = {8700, 3300, 2400, 2490};
    placeButtons(Command11, Command12, page5Left, 5950);

    // Page 6: one question about two pictures, each of 24 animals in two rows of twelve.
    Picture9.rect = {270, 300, 10800, 2100};
    Picture10.rect = {270, 2520, 10800, 2100};
    Picture9.items = Picture10.items = {12, 2, 24};
    Label19.rect = {page0QuestionLeft, 4800, 0, page0RowHeight};
    Label19.setCaption(QStringLiteral("答：小狗比小鸟多（"));
    Text8 = {QString(), {page0QuestionLeft, 4800, 900, page0RowHeight}, true, true, Alignment::Centre};
    Label20.rect = {page0QuestionLeft, 4800, 0, page0RowHeight};
    Label20.setCaption(QStringLiteral("）只。"));
    placeBehind(Text8.rect, Label19.rect);
    placeBehind(Label20.rect, Text8.rect);
    Label21.rect = {page0QuestionLeft, 5400, 0, page0RowHeight};
    placeButtons(Command13, Command14, page0QuestionLeft, 5950);

    // Page 7: fractions in two columns of five, each three text rows high:
    // numerators, bars, denominators. The generator stands the answer boxes
    // over and under the result bar at the end of the bar row, once it knows
    // how wide that row is, and the mark behind them.
    const int fractionRowHeight = 345;
    for (int i = 0; i < 10; ++i) {
        const int left = i < 5 ? 600 : 5900;
        const int top = 270 + (i % 5) * 1115;
        Label22[i].rect = {left, top, 0, fractionRowHeight};
        Label24[i].rect = {left, top + fractionRowHeight, 0, fractionRowHeight};
        Label24[i].setCaption(QStringLiteral("—— + —— = ———"));
        Label23[i].rect = {left, top + 2 * fractionRowHeight, 0, fractionRowHeight};
        Text9[i] = {QString(), {left + 2600, top, 720, fractionRowHeight}, true, true, Alignment::Centre};
        Text10[i] = {QString(), {left + 2600, top + 2 * fractionRowHeight, 720, fractionRowHeight}, true, true, Alignment::Centre};
        Label25[i].rect = {left + 3440, top + fractionRowHeight, 0, fractionRowHeight};
    }
    Label26.rect = {4900, 6010, 0, page0RowHeight};
    placeButtons(Command15, Command16, page0QuestionLeft, 5950);

    // Page 8: a question, its box, the rest of the question and the mark.
    for (int i = 0; i < 10; ++i) {
        const int top = page0FirstRowTop + i * page0RowPitch;
        Label27[i].rect = {page0QuestionLeft, top, 0, page0RowHeight};
        Text11[i] = {QString(), {page0QuestionLeft, top, 900, page0RowHeight}, true, true, Alignment::Centre};
        Label28[i].rect = {page0QuestionLeft + 900, top, 0, page0RowHeight};
        Label29[i].rect = {page0QuestionLeft + 900, top, 0, page0RowHeight};
    }
    Label30.rect = {page0QuestionLeft, 5400, 0, page0RowHeight};
    placeButtons(Command17, Command18, page0QuestionLeft, 5950);
}
