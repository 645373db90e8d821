// The generator of time and money.

#include "generators.h"

#include "main_form.h"

void myframe1(MainForm&)
{
}
