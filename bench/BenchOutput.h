#pragma once
// The game logs to standard output, which would drown a benchmark's figures: the figures
// keep the original output, the log goes elsewhere.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace BenchOutput {
// Sends standard output (the game's log) to `log` and returns a stream on the original
// output for the figures; null when either cannot be opened.
inline FILE* figures_apart(const char* log = "/dev/null") {
    std::fflush(stdout);
    FILE* figures = fdopen(dup(STDOUT_FILENO), "w");
    const int log_fd = open(log, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!figures || log_fd < 0 || dup2(log_fd, STDOUT_FILENO) < 0) return nullptr;
    close(log_fd);
    return figures;
}
} // namespace BenchOutput
