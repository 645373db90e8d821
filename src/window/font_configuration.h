#pragma once

#include <thread>

// Reads the user's font configuration (fontconfig parses some ninety files)
// on a worker thread while the application connects to the display, so that
// the window's first text finds it ready. Qt's font database then uses this
// same configuration, the user's own settings included. Create it first thing
// in main(); it waits for the worker when it goes.
class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader();

    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

private:
    std::thread reader;
};
