#include "core/files/write_all.h"

#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace korvane {

int WriteAll(int fd, std::string_view bytes, bool (*stop)()) {
    while (!bytes.empty()) {
        if (stop != nullptr && stop()) {
            return EINTR;
        }
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace korvane
