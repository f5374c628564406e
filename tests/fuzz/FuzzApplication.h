// The offscreen QApplication that the fuzz targets of widget code need,
// created once from LLVMFuzzerInitialize before any widget exists.
#pragma once

#include <QApplication>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzz {

// Creates the QApplication once, on the offscreen platform (called from
// LLVMFuzzerInitialize, before any widget exists).
inline void StartOffscreenApplication(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string dir = "/tmp/kestravin-runtime-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
}

} // namespace fuzz
