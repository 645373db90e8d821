#pragma once

#include <QString>

// Where a plugin of the program lies: beside the executable in the build
// folder, in lib/tallowby next to the bin folder of an installed program.
QString pluginPath(const QString& fileName);
