#include "core/ReplayWriter.h"

ReplayWriter::~ReplayWriter() {
    finish();
}

bool ReplayWriter::open(const std::string& path) {
    finish();
    file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::string header(ReplayFormat::MAGIC, ReplayFormat::MAGIC_BYTES);
    ReplayFormat::put_number(header, ReplayFormat::VERSION);
    std::fwrite(header.data(), 1, header.size(), file);
    for (Run& run : runs)
        run = Run();
    return true;
}

bool ReplayWriter::is_open() const {
    return file != nullptr;
}

void ReplayWriter::add(ReplayFormat::Kind kind, const std::string& value) {
    if (!file) return;
    Run& run = runs[kind];
    if (run.count > 0 && run.value == value) {
        ++run.count;
        return;
    }
    if (run.count > 0) write(kind, run.count, run.value);
    run.value = value;
    run.count = 1;
}

void ReplayWriter::write(ReplayFormat::Kind kind, uint64_t count, const std::string& value) {
    std::string record(1, static_cast<char>(kind));
    ReplayFormat::put_number(record, count);
    ReplayFormat::put_text(record, value);
    std::fwrite(record.data(), 1, record.size(), file);
}

bool ReplayWriter::finish() {
    if (!file) return true;
    for (int kind = 0; kind < ReplayFormat::KINDS; ++kind)
        if (runs[kind].count > 0)
            write(static_cast<ReplayFormat::Kind>(kind), runs[kind].count, runs[kind].value);
    std::fputc(ReplayFormat::END, file);
    const bool written = !std::ferror(file);
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    return written && closed;
}
