#include "font_configuration.h"

#include <fontconfig/fontconfig.h>

// fontconfig loads its configuration once per process, safely from any thread.
FontConfigurationReader::FontConfigurationReader() : reader([] { FcInit(); }) {}

FontConfigurationReader::~FontConfigurationReader()
{
    reader.join();
}
