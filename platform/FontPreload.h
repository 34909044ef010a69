#pragma once

#include <thread>

namespace tandrel::platform {

// Reads the system's font configuration on a second thread while the program
// builds the parts of its window that show no text yet. Reading it (dozens
// of XML files) is the largest single part of a start.
//
// WaitForFonts() must come before the first text is laid out: a first read
// by Qt while this one still ran would read the configuration twice.
// A no-op where the font configuration library is not in use.
class FontPreload {
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

    // Waits for the running preload, if there is one. GUI thread only.
    static void WaitForFonts();

private:
    void Wait();

    std::thread m_thread;
};

} // namespace tandrel::platform
