// The generator of number patterns and number sense.

#include "generators.h"

#include "main_form.h"

void myframe15(MainForm&)
{
}
