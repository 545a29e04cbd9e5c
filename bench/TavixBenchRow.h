#pragma once

// One line of the summary table scripts/bench.sh prints: "@row|group|case|ours|reference|unit|target".
// The programs print their own tables as well; a reference of 0 means there is none (the ratio is left
// empty) and target says what the figure should meet.

#include <cstdio>
#include <string>

inline void tavixBenchRow(const std::string &group, const std::string &name, double ours, double reference,
                          const char *unit, const char *target)
{
    std::printf("@row|%s|%s|%.3f|%.3f|%s|%s\n", group.c_str(), name.c_str(), ours, reference, unit, target);
    std::fflush(stdout);
}
