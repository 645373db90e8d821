#pragma once

class QDialog;
class QWidget;

// F1: a short page on how to practise, how the answers are marked and which
// keys do what, with a button to the About box.
QDialog* createHelpWindow(QWidget* parent);

// The About box: the program, its version and its licence, with a button to
// the licence's whole text. Returns at once; the box stays open until closed.
void showAbout(QWidget* parent);
