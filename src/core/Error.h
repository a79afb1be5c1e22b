#pragma once
#include <string>

// The indented progress log on standard output, and the program's single fatal path.
class Error {
public:
    // Logs the message, then indents every following line by one more tab.
    static void open(const std::string& message);
    // Logs the message, then takes one tab off the following lines.
    static void close(const std::string& message);
    static void note(const std::string& message);
    // Logs the message and ends the process at once with exit status 1, even while sound plays:
    // handlers registered with at_quick_exit run, those registered with atexit do not.
    [[noreturn]] static void halt(const std::string& message);

    // Called by halt after logging, before the process ends. Null in the game; a test
    // harness may set it to unwind back to itself instead (the game never returns there).
    static void (*halt_hook)(const std::string& message);
    // Tools that report in their own words turn the log off; halt still logs.
    static bool quiet;

private:
    static void log(const std::string& message, int delta);
};
