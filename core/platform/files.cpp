#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kesto {
namespace {

std::string errnoText(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\": " + std::strerror(errno);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

std::optional<std::string> readOpen(const std::string& path, bool mustExist) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (!mustExist) {
            return std::nullopt;
        }
        throw FileAccessError(errnoText("cannot open", path));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        throw FileAccessError(errnoText("cannot read", path));
    }
    if (S_ISDIR(st.st_mode)) {
        if (!mustExist) {
            return std::nullopt;
        }
        throw FileAccessError("cannot read \"" + path + "\": it is a folder");
    }
    std::string data;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileAccessError(errnoText("cannot read", path));
        }
        if (n == 0) {
            break;
        }
        if (data.size() + static_cast<std::size_t>(n) > kMaxFileSize) {
            throw FileAccessError("cannot read \"" + path + "\": larger than 1 GiB");
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
}

}  // namespace

std::optional<std::string> readFileIfExists(const std::string& path) {
    return readOpen(path, false);
}

std::string readFile(const std::string& path) {
    return *readOpen(path, true);
}

void writeFileAtomic(const std::string& path, std::string_view bytes, Flush flush) {
    const std::string temp = path + ".saving~";
    Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        throw FileAccessError(errnoText("cannot create", temp));
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const std::string message = errnoText("cannot write", temp);
            ::unlink(temp.c_str());
            throw FileAccessError(message);
        }
        done += static_cast<std::size_t>(n);
    }
    if ((flush == Flush::toDisk && ::fsync(fd.get()) != 0) || ::close(fd.release()) != 0) {
        const std::string message = errnoText("cannot write", temp);
        ::unlink(temp.c_str());
        throw FileAccessError(message);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string message = errnoText("cannot replace", path);
        ::unlink(temp.c_str());
        throw FileAccessError(message);
    }
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string executableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return "./";
    }
    return exe.parent_path().string() + "/";
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace kesto
