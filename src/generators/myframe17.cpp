// The generator of fractions and proportions.

#include "generators.h"

#include "main_form.h"

void myframe17(MainForm&)
{
}
