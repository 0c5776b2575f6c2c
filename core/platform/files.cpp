#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

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
    // Room for the whole file at once: grown as it is read, a large document would be copied
    // several times into ever larger fresh memory. The size is only a hint: the file may change
    // while it is read.
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        data.reserve(std::min(static_cast<std::size_t>(st.st_size), kMaxFileSize) + 1);
    }
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
    AtomicFileWriter writer(path, flush);
    writer.append(bytes);
    writer.commit();
}

AtomicFileWriter::AtomicFileWriter(std::string path, Flush flush)
    : path_(std::move(path)), temp_(path_ + ".saving~"), flush_(flush) {
    fd_ = injectedFault(WriteStep::create, path_)
              ? -1
              : ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        throw FileAccessError(errnoText("cannot create", temp_));
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_.c_str());
    }
}

void AtomicFileWriter::throwIfFailed() const {
    if (fd_ < 0) {
        throw FileAccessError("cannot write \"" + temp_ + "\": an earlier step failed");
    }
}

void AtomicFileWriter::append(std::string_view bytes) {
    throwIfFailed();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = injectedFault(WriteStep::write, path_)
                              ? -1
                              : ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("cannot write", temp_);
        }
        done += static_cast<std::size_t>(n);
    }
}

void AtomicFileWriter::commit() {
    throwIfFailed();
    if (injectedFault(WriteStep::flush, path_) || (flush_ == Flush::toDisk && ::fsync(fd_) != 0)) {
        fail("cannot write", temp_);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        fail("cannot write", temp_);
    }
    if (injectedFault(WriteStep::rename, path_) || ::rename(temp_.c_str(), path_.c_str()) != 0) {
        fail("cannot replace", path_);
    }
}

void AtomicFileWriter::fail(const char* what, const std::string& name) {
    const std::string message = errnoText(what, name);
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
    }
    ::unlink(temp_.c_str());
    throw FileAccessError(message);
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
