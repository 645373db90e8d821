#pragma once

class MainForm;

// The page-building procedures. Each reads the selected node's text itself and
// builds a page only for the exercise-type names it knows.
void myframe0(MainForm& form); // whole-number arithmetic, page 0
