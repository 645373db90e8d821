#pragma once

#include "main_form.h"

#include <QString>

// The reference viewers of tabs 8 to 13. Each reads the selected node's text
// and shows that entry: the dictionary in Text12(1), every other entry as a
// page of the program folder (appPath) in WebBrowser1.
void myframe19(MainForm& form);
void myframe110(MainForm& form, const QString& appPath); // games
void myframe111(MainForm& form, const QString& appPath); // stories
void myframe112(MainForm& form, const QString& appPath); // puzzles
void myframe113(MainForm& form, const QString& appPath); // exam papers
void myframe114(MainForm& form, const QString& appPath); // olympiad papers
