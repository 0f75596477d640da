#include "base/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarlix {

namespace {

constexpr int kMostLinks = 40; // as the system follows them
constexpr int kNameAttempts = 100;

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

SaveResult failed(SaveFailure failure, int error = errno) {
    return SaveResult{failure, error};
}

// The file a path finally names: symbolic links followed, relative ones from their own folder.
// A link to nothing names the file it would create.
bool followLinks(std::string& path, SaveResult& result) {
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return true;
            result = failed(SaveFailure::CannotCreate);
            return false;
        }
        if (!S_ISLNK(st.st_mode)) return true;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size()) {
            result = failed(SaveFailure::LinkLoop, n < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    result = failed(SaveFailure::LinkLoop, ELOOP);
    return false;
}

// Temporary files of saves that were killed, older than a day and the user's own (or anyone's,
// for the administrator), are removed; the space they hold may be what this save needs.
void removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string prefix = kSaveTempPrefix;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        const bool mine = ::geteuid() == 0 || st.st_uid == ::geteuid();
        if (S_ISREG(st.st_mode) && mine && now - st.st_mtime > kStaleSaveSeconds)
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

// A new temporary file in folder, created with the permissions the user's mask allows.
int createTemporary(const std::string& folder, std::string& name) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = folder + "/" + kSaveTempPrefix;
        for (int i = 0; i < 8; ++i) name += kLetters[pick(device)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes, const FileCalls& calls) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The renamed file reaches the disk with its folder entry; file systems that cannot sync a
// folder have written it anyway.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileCalls FileCalls::system() {
    return FileCalls{::write, ::fsync, ::close};
}

SaveResult saveFile(const std::string& path, std::string_view bytes, const FileCalls& calls) {
    std::string target = path;
    SaveResult result;
    if (!followLinks(target, result)) return result;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) return failed(SaveFailure::NotRegularFile, 0);
    if (exists) {
        // Opening for writing without truncating asks the system itself (permissions, ACLs, a
        // read-only mount) and changes nothing.
        const int probe = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (probe < 0) return failed(SaveFailure::NotWritable);
        ::close(probe);
    }
    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder);
    std::string temp;
    const int fd = createTemporary(folder, temp);
    if (fd < 0) return failed(SaveFailure::CannotCreate);
    if (exists) {
        ::fchmod(fd, existing.st_mode & 07777);
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())
            (void)!::fchown(fd, existing.st_uid, existing.st_gid); // the owner's, where allowed
    }
    bool written = writeAll(fd, bytes, calls) && calls.fsync(fd) == 0;
    int error = errno;
    if (calls.close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temp.c_str());
        return failed(SaveFailure::WriteFailed, error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        return failed(SaveFailure::CannotReplace, error);
    }
    syncFolder(folder);
    return {};
}

ReadResult readFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadResult::Failed;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        return ReadResult::TooLarge;
    }
    // The size may change while reading; no more than the bound is ever held.
    std::string content(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    ReadResult result = ReadResult::Ok;
    for (;;) {
        if (done == content.size()) {
            if (content.size() > maxBytes) {
                result = ReadResult::TooLarge;
                break;
            }
            content.resize(std::min(maxBytes + 1, content.size() + 65536));
        }
        const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) result = ReadResult::Failed;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (result != ReadResult::Ok) return result;
    content.resize(done);
    bytes = std::move(content);
    return ReadResult::Ok;
}

bool readFirstLine(const std::string& path, std::size_t maxBytes, std::string& line) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    std::string head(maxBytes, '\0');
    std::size_t done = 0;
    bool ok = true;
    while (done < head.size()) {
        const ssize_t n = ::read(fd, head.data() + done, head.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
        if (head.find_first_of("\r\n", done - static_cast<std::size_t>(n)) < done) break;
    }
    ::close(fd);
    head.resize(done);
    line = head.substr(0, head.find_first_of("\r\n"));
    return ok;
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace tarlix
