#include "Report.h"

#include <cstdio>
#include <utility>

Report::Report(std::string folder) : folder(std::move(folder)) {
    // Run inside the data folder, paths are shown as they are.
    if (this->folder == "." || this->folder == "./")
        this->folder.clear();
    else if (this->folder.back() != '/')
        this->folder += '/';
}

void Report::error(const std::string& path, int line, const std::string& message) {
    ++error_count;
    write(path, line, "error", message);
}

void Report::warning(const std::string& path, int line, const std::string& message) {
    ++warning_count;
    write(path, line, "warning", message);
}

void Report::write(const std::string& path, int line, const char* kind,
                   const std::string& message) {
    const std::string where =
        folder + path + (line > 0 ? ":" + std::to_string(line) : std::string());
    std::printf("%s: %s: %s\n", where.c_str(), kind, message.c_str());
}
