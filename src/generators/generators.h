#pragma once

class MainForm;

// The page-building procedures. Each reads the selected node's text itself and
// builds a page only for the exercise-type names it knows.
void myframe0(MainForm& form);  // whole numbers, page 0 (tab 1)
void myframe1(MainForm& form);  // clock faces, time and money, pages 1 to 3 (tab 2)
void myframe14(MainForm& form); // decimals, page 4 (tab 3)
void myframe15(MainForm& form); // number patterns and number sense, pages 5 and 6 (tab 4)
void myframe16(MainForm& form); // chained and mixed operations, equations, page 2 (tab 6)
void myframe17(MainForm& form); // fractions, proportions, fractions to decimals, pages 7, 8 and 2 (tab 5)
void myframe18(MainForm& form); // divisors, multiples, factors, interest, reading numbers, pages 0 and 8 (tab 7)
