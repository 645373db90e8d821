// The generator of decimals.

#include "generators.h"

#include "main_form.h"

void myframe14(MainForm&)
{
}
