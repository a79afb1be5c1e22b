#include "core/Error.h"

#include <cstdio>
#include <cstdlib>

void Error::log(const std::string& message, int delta) {
    static int level = 0;
    for (int i = 0; i < level; ++i) std::fputc('\t', stdout);
    std::fputs(message.c_str(), stdout);
    std::fputc('\n', stdout);
    // Flushed at once, so the log is complete even if the process dies right after.
    std::fflush(stdout);
    level += delta;
}

bool Error::quiet = false;

void Error::open(const std::string& message) {
    if (!quiet) log(message, 1);
}
void Error::close(const std::string& message) {
    if (!quiet) log(message, -1);
}
void Error::note(const std::string& message) {
    if (!quiet) log(message, 0);
}

void (*Error::halt_hook)(const std::string&) = nullptr;

void Error::halt(const std::string& message) {
    log(message, 0);
    if (halt_hook) halt_hook(message);
    // Not exit(): its clean-up (static and library destructors, the closing of stdio) runs
    // while the libraries' threads, the mixer's above all, may still be running, and crashed
    // now and then. Nothing needs it: the output is flushed here, and the system closes the
    // window and the sound device.
    std::fflush(nullptr);
    std::quick_exit(1);
}
