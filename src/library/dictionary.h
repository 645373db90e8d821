#pragma once

#include <QString>

// The whole text of the maths dictionary, compiled into the program; lines end
// with "\r\n" and entries are separated by an empty line.
QString dictionaryText();
