#pragma once

#include "controls.h"

#include <QString>

#include <variant>
#include <vector>

// Every control of the main window, under the names the rest of the program
// uses for it. Control arrays are indexed like the controls: Label33[i] is
// Label33(i). The twelve pages are Frame1[0..11]; a page's controls lie inside
// its frame and their positions are relative to it.
class Form {
public:
    explicit Form(const TextMetrics& metrics);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The window and what is common to all pages.
    Window Form1;
    TabStrip TabStrip1;
    TreeView TreeView1;
    Timer Timer1; // the practice clock
    Picture Picture14; // the welcome picture, above every page
    std::vector<Frame> Frame1;
    Label contentNotice; // says when the content file cannot be read; hidden otherwise
    // The line above the pages that tells the pupil what to do next.
    Label welcomeHint;
    static constexpr const char* welcomeHintText = "先在上面选一个标签，再点左边的题目类型，就可以开始练习啦！";

    // Page 0: whole-number arithmetic.
    CommandButton Command1, Command2;
    std::vector<Label> Label33, Label34;
    std::vector<TextBox> Text1;
    Label Label2;
    Picture Picture17;

    // Page 1: clock faces.
    CommandButton Command3, Command4;
    std::vector<Picture> Picture13;
    std::vector<Line> Line1, Line2; // hour and minute hands inside Picture13(i)
    std::vector<TextBox> Text2;
    std::vector<Label> Label3;
    Label Label4;

    // Page 2: one box per question.
    CommandButton Command5, Command6;
    std::vector<Label> Label5, Label6;
    std::vector<TextBox> Text3;
    Label Label7;
    Label Label31; // the rounding hint
    Label Label32; // hidden; its caption is the page's check flag
    Picture Picture15;

    // Page 3: two boxes per question.
    CommandButton Command7, Command8;
    std::vector<Label> Label8, Label9, Label10; // Label9 has 20 entries: two unit labels per question
    std::vector<TextBox> Text4, Text5;
    Label Label11;
    Picture Picture16;

    // Page 4: decimal arithmetic.
    CommandButton Command9, Command10;
    std::vector<Label> Label12, Label14;
    std::vector<TextBox> Text6;
    Label Label13;
    Picture Picture7;

    // Page 5: number patterns.
    CommandButton Command11, Command12;
    std::vector<Label> Label15, Label16, Label17;
    std::vector<TextBox> Text7;
    Label Label18;
    Picture Picture8;

    // Page 6: one picture question.
    CommandButton Command13, Command14;
    Label Label19, Label20, Label21;
    TextBox Text8;
    Picture Picture9, Picture10;

    // Page 7: fractions.
    CommandButton Command15, Command16;
    std::vector<Label> Label22, Label23, Label24, Label25;
    std::vector<TextBox> Text9, Text10;
    Label Label26;

    // Page 8: divisors and multiples.
    CommandButton Command17, Command18;
    std::vector<Label> Label27, Label28, Label29;
    std::vector<TextBox> Text11;
    Label Label30;

    // Page 9: the dictionary. Text12[0] holds the whole text, Text12[1] shows it.
    std::vector<TextBox> Text12;

    // Page 10: the embedded browser.
    WebBrowser WebBrowser1;

    using ControlPointer = std::variant<Window*, TabStrip*, TreeView*, Timer*, Frame*, Label*, TextBox*,
                                        CommandButton*, Picture*, Line*, WebBrowser*>;
    struct Entry {
        QString name;      // "Label33(0)", "Command2", "Form1"
        QString container; // "" for the window, "Frame1(0)" for a page, "Picture13(3)" for a hand
        ControlPointer control;
    };
    // Every control, containers before what they contain.
    std::vector<Entry> controls();

private:
    // Where the controls of pages 0 to 8 stand and what their buttons say.
    void layOutPracticePages();
};
