#include "practice_pages.h"

PracticePage practicePage(Form& f, int page)
{
    auto one = [](auto& control) { return std::span(&control, 1); };
    switch (page) {
    case 0:
        return {0, &f.Command1, &f.Command2, {f.Label33}, {f.Text1}, f.Label34, &f.Label2};
    case 1:
        return {1, &f.Command3, &f.Command4, {}, {f.Text2}, f.Label3, &f.Label4};
    case 2:
        return {2, &f.Command5, &f.Command6, {f.Label5}, {f.Text3}, f.Label6, &f.Label7};
    case 3:
        return {3, &f.Command7, &f.Command8, {f.Label8}, {f.Text4, f.Text5}, f.Label10, &f.Label11};
    case 4:
        return {4, &f.Command9, &f.Command10, {f.Label12}, {f.Text6}, f.Label14, &f.Label13};
    case 5:
        return {5, &f.Command11, &f.Command12, {f.Label15, f.Label16}, {f.Text7}, f.Label17, &f.Label18};
    case 6:
        return {6, &f.Command13, &f.Command14, {one(f.Label19), one(f.Label20)}, {one(f.Text8)}, one(f.Label21),
                &f.Label21};
    case 7:
        return {7, &f.Command15, &f.Command16, {f.Label22, f.Label24, f.Label23}, {f.Text9, f.Text10}, f.Label25,
                &f.Label26};
    default:
        return {8, &f.Command17, &f.Command18, {f.Label27, f.Label28}, {f.Text11}, f.Label29, &f.Label30};
    }
}

void PlaceAnswerBox(Form& form, int i, int gap)
{
    placeBehind(form.Text3[i].rect, form.Label5[i].rect, gap);
    placeBehind(form.Label6[i].rect, form.Text3[i].rect, gap);
}

void PlaceAnswerPair(Form& form, int i)
{
    placeBehind(form.Text4[i].rect, form.Label8[i].rect);
    placeBehind(form.Label9[i].rect, form.Text4[i].rect);
    placeBehind(form.Text5[i].rect, form.Label9[i].rect);
    placeBehind(form.Label9[i + 10].rect, form.Text5[i].rect);
    placeBehind(form.Label10[i].rect, form.Label9[i + 10].rect);
}
