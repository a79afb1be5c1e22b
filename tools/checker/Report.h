#pragma once
#include <string>

// The checker's findings, written as they are found, one line each, the way compilers
// write theirs: "path:line: error: message" ("path: ..." for a file or a level as a whole).
class Report {
  public:
    // Paths are shown below `folder`, the data folder as the user named it.
    explicit Report(std::string folder);

    // `line` 0 names no line.
    void error(const std::string& path, int line, const std::string& message);
    void warning(const std::string& path, int line, const std::string& message);

    int errors() const { return error_count; }
    int warnings() const { return warning_count; }

  private:
    void write(const std::string& path, int line, const char* kind, const std::string& message);

    std::string folder;
    int error_count = 0;
    int warning_count = 0;
};
