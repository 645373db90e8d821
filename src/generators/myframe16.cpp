// The generator of chained and mixed operations and equations.

#include "generators.h"

#include "main_form.h"

void myframe16(MainForm&)
{
}
