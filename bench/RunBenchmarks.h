#pragma once

#include <benchmark/benchmark.h>

// The body of a benchmark program's main, for programs that must set up and tear down
// around the run (an application object, windows).
inline int RunBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
