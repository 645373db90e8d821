#pragma once

// The three pages of the fraction generator myframe17. Each builds its page
// and returns true for an exercise type it knows; for any other name it does
// nothing and returns false.

class MainForm;
class QString;

bool buildFractionPage(MainForm& form, const QString& type);         // page 7: fractions to add, subtract, multiply, divide
bool buildProportionPage(MainForm& form, const QString& type);       // page 8: 解比例
bool buildFractionToDecimalPage(MainForm& form, const QString& type); // page 2: 分数转小数
