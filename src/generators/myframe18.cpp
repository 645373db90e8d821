// The generator of divisors, multiples and further topics.

#include "generators.h"

#include "main_form.h"

void myframe18(MainForm&)
{
}
