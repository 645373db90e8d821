#pragma once

class MainForm;

// The generate and submit buttons of practice pages 1 to 8. (Page 0's are
// MainForm::Command1_Click and MainForm::Command2_Click.) A submit does nothing
// unless its page holds the questions that the keys belong to.

void Command3_Click(MainForm& form); // page 1, clock faces: new questions
void Command4_Click(MainForm& form); // page 1: mark

void Command5_Click(MainForm& form); // page 2, one box per question: new questions
void Command6_Click(MainForm& form); // page 2: mark, by the exercise type's unit
void Command7_Click(MainForm& form); // page 3, two boxes per question: new questions
void Command8_Click(MainForm& form); // page 3: mark, by the exercise type's units

void Command9_Click(MainForm& form);  // page 4, decimals: new questions
void Command10_Click(MainForm& form); // page 4: mark

void Command11_Click(MainForm& form); // page 5, number rows: new questions
void Command12_Click(MainForm& form); // page 5: mark
void Command13_Click(MainForm& form); // page 6, the picture question: a new question
void Command14_Click(MainForm& form); // page 6: mark

void Command15_Click(MainForm& form); // page 7, fractions: new questions
void Command16_Click(MainForm& form); // page 7: mark

void Command17_Click(MainForm& form); // page 8: new questions
void Command18_Click(MainForm& form); // page 8: mark
