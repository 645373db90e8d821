#pragma once

#include "record_set.h"

#include <QString>

// The leaf table is written by hand as text, one section per column:
//
//   # a comment
//   [加法]
//   10以内加法
//   20以内加法
//
// Each line under a section header is the cell of the next row, taken exactly
// as written (blanks included); a line holding only "~" leaves its cell Null.
// Empty lines and lines starting with "#" are not cells.
struct LeafSource {
    RecordSet table;
    QString error; // empty when the text was read; otherwise what is wrong and on which line
};

LeafSource parseLeafSource(const QString& text);
