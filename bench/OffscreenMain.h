#pragma once

#include <QString>
#include <QtGlobal>
#include <benchmark/benchmark.h>

#include <functional>

namespace zk::bench {

// Runs a program's benchmarks inside a Qt application on the offscreen platform (unless
// QT_QPA_PLATFORM names another), named as the program is where settings are read, and calls
// cleanUp after the last one.
template <class Application>
int RunInApplication(int argc, char **argv, const char *name = nullptr,
                     const std::function<void()> &cleanUp = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    if (name)
        Application::setApplicationName(QString::fromLatin1(name));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (cleanUp)
        cleanUp();
    return 0;
}

} // namespace zk::bench
