#pragma once

#include <QApplication>

// The one Qt application of a benchmark program that measures fonts, layouts or widgets,
// created on first use on the offscreen platform. It is never destroyed: as a static it
// would be torn down after Qt's own globals at exit and crash there, and the benchmark
// main() that would own it on the stack belongs to the benchmark library.
inline void EnsureBenchApplication()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}
