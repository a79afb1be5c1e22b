#pragma once
// Figures from the kernel's own account of this process, for the benchmarks.
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ProcessStatus {
// Kilobytes of `field` ("VmRSS:", "VmHWM:", ...) in `file`; -1 when it cannot be read.
inline long kilobytes(const char* field, const char* file = "/proc/self/status") {
    FILE* f = std::fopen(file, "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, n) == 0) kb = std::atol(line + n + 1);
    std::fclose(f);
    return kb;
}
} // namespace ProcessStatus
