#pragma once

#include <QString>

// The folder that holds the program's content: beside the executable in the
// build tree, ../share/tallowby beside an installed one; its canonical path.
QString programFolder();
