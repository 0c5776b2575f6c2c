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

WriteFaultHook& writeFaultHook() {
    static WriteFaultHook hook;
    return hook;
}

// Whether an injected fault makes `step` fail; errno is then set as a failing device sets it.
bool injectedFault(WriteStep step, const std::string& path) {
    if (writeFaultHook() && writeFaultHook()(step, path)) {
        errno = EIO;
        return true;
    }
    return false;
}

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

void setWriteFaultHook(WriteFaultHook hook) {
    writeFaultHook() = std::move(hook);
}

void writeFileAtomic(const std::string& path, std::string_view bytes, Flush flush) {
    const std::string temp = path + ".saving~";
    Descriptor fd(injectedFault(WriteStep::create, path)
                      ? -1
                      : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        throw FileAccessError(errnoText("cannot create", temp));
    }
    const auto fail = [&](const char* what, const std::string& name) {
        const std::string message = errnoText(what, name);
        ::unlink(temp.c_str());
        throw FileAccessError(message);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = injectedFault(WriteStep::write, path)
                              ? -1
                              : ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("cannot write", temp);
        }
        done += static_cast<std::size_t>(n);
    }
    if (injectedFault(WriteStep::flush, path) ||
        (flush == Flush::toDisk && ::fsync(fd.get()) != 0) || ::close(fd.release()) != 0) {
        fail("cannot write", temp);
    }
    if (injectedFault(WriteStep::rename, path) || ::rename(temp.c_str(), path.c_str()) != 0) {
        fail("cannot replace", path);
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

}  // namespace kesto
