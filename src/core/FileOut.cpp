#include "core/FileOut.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Error.h"

namespace {
// False with errno set when not every byte could be written.
bool write_all(int fd, const std::string& content) {
    const char* at = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, left);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        at += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// The rename is only durable once the folder's entry has reached the disk too.
void sync_folder_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool failed(const std::string& path, const std::string& step, int error) {
    Error::note("FileOut: Could not save " + path + " (" + step + ": " + std::strerror(error) +
                "); the previous content is kept");
    return false;
}
} // namespace

bool FileOut::replace(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return failed(path, "creating " + temporary, errno);
    int error = write_all(fd, content) && ::fsync(fd) == 0 ? 0 : errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    const char* step = "writing";
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        step = "replacing";
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failed(path, step, error);
    }
    sync_folder_of(path);
    return true;
}
