#pragma once

#include <QApplication>

// The one Qt application of a benchmark program that measures fonts, layouts or widgets,
// created on first use on the offscreen platform.
inline void EnsureBenchApplication()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}
