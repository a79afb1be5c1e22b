#include "core/FileOut.h"

FileOut::FileOut(const std::string& path, bool overwrite)
    : std::ofstream(path, overwrite ? std::ios::out | std::ios::trunc
                                    : std::ios::out | std::ios::app) {}

void FileOut::putLine(const std::string& text) { *this << text; }
