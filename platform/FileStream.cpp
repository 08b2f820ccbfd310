#include "platform/FileStream.h"

#include "platform/Exceptions.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

[[noreturn]] void ThrowOpenError(const std::string& fileName) {
    throw EFOpenError(FormatMessage("ﾌｧｲﾙ %s は開けません", fileName));
}

[[noreturn]] void ThrowCreateError(const std::string& fileName) {
    throw EFCreateError(FormatMessage("ﾌｧｲﾙ %s を作成できません", fileName));
}

[[noreturn]] void ThrowWriteError() {
    throw EWriteError("ｽﾄﾘｰﾑへの書き込みｴﾗｰ");
}

[[noreturn]] void ThrowReadError() {
    throw EReadError("ｽﾄﾘｰﾑからの読み込みｴﾗｰ");
}

// Owns an open file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : FFd(fd) {}
    ~FileDescriptor() {
        if (FFd >= 0) ::close(FFd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool Valid() const { return FFd >= 0; }
    int Get() const { return FFd; }
    // A delayed write error of some file systems shows only here.
    bool Close() {
        const int fd = FFd;
        FFd = -1;
        return ::close(fd) == 0;
    }

private:
    int FFd;
};

// Removes a temporary file unless it has been put in place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : FPath(std::move(path)) {}
    ~TemporaryFile() {
        if (!FPath.empty()) ::unlink(FPath.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return FPath; }
    void Release() { FPath.clear(); }

private:
    std::string FPath;
};

int OpenFile(const std::string& path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// File systems that cannot sync report EINVAL; that is no failure of the write.
bool Sync(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

void SplitPath(const std::string& path, std::string& directory, std::string& name) {
    const std::size_t slash = path.rfind('/');
    directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a name leads to, so that replacing it keeps a symbolic link in place.
std::string ResolvedPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

// Creates a new hidden file in the target's directory; an empty path when that is not possible.
std::string CreateTemporaryBeside(const std::string& directory, const std::string& name, mode_t mode,
                                  int& fd) {
    constexpr std::size_t MaxNameBytes = 200; // room for the suffix within the file system's name limit
    const std::string stem = directory + "." + name.substr(0, MaxNameBytes) + ".";
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::array<char, 9> suffix{};
        std::snprintf(suffix.data(), suffix.size(), "%08x", static_cast<unsigned>(random()));
        std::string path = stem + suffix.data();
        fd = OpenFile(path, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0) return path;
        if (errno != EEXIST) break;
    }
    fd = -1;
    return {};
}

// The new file takes over the old one's group and permission bits (the group only where allowed).
bool KeepPermissions(int fd, const struct stat& old) {
    // Not being a member of that group is no failure: the file then stays in ours.
    [[maybe_unused]] const int groupChanged = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

void SyncDirectory(const std::string& directory) {
    FileDescriptor dir(OpenFile(directory.empty() ? std::string(".") : directory, O_RDONLY | O_DIRECTORY));
    if (dir.Valid()) ::fsync(dir.Get());
}

void WriteInPlace(const std::string& fileName, std::string_view bytes) {
    FileDescriptor file(OpenFile(fileName, O_WRONLY | O_TRUNC));
    if (!file.Valid()) ThrowCreateError(fileName);
    if (!WriteAll(file.Get(), bytes) || !file.Close()) ThrowWriteError();
}

void ReplaceRegularFile(const std::string& fileName, const std::string& target, const struct stat* old,
                        std::string_view bytes) {
    std::string directory, name;
    SplitPath(target, directory, name);
    if (name.empty()) ThrowCreateError(fileName);

    // An existing file's permissions are copied once the file exists; until then only we may read it.
    const mode_t createMode = old ? S_IRUSR | S_IWUSR : 0666;
    int fd = -1;
    TemporaryFile temporary(CreateTemporaryBeside(directory, name, createMode, fd));
    FileDescriptor file(fd);
    if (!file.Valid()) ThrowCreateError(fileName);
    if (old && !KeepPermissions(file.Get(), *old)) ThrowCreateError(fileName);

    if (!WriteAll(file.Get(), bytes) || !Sync(file.Get()) || !file.Close()) ThrowWriteError();
    if (::rename(temporary.Path().c_str(), target.c_str()) != 0) ThrowCreateError(fileName);
    temporary.Release();
    SyncDirectory(directory);
}

} // namespace

std::string ReadFileBytes(const std::string& fileName, std::size_t maxBytes) {
    FileDescriptor file(OpenFile(fileName, O_RDONLY));
    struct stat info {};
    if (!file.Valid() || ::fstat(file.Get(), &info) != 0 || S_ISDIR(info.st_mode)) ThrowOpenError(fileName);

    std::string content;
    if (S_ISREG(info.st_mode))
        content.reserve(std::min(maxBytes, static_cast<std::size_t>(std::max<off_t>(info.st_size, 0))));
    std::array<char, 65536> buffer;
    while (content.size() < maxBytes) {
        const ssize_t count = ::read(file.Get(), buffer.data(), std::min(buffer.size(), maxBytes - content.size()));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) ThrowReadError();
        if (count == 0) break;
        content.append(buffer.data(), static_cast<std::size_t>(count));
    }
    return content;
}

void WriteFileBytes(const std::string& fileName, std::string_view bytes) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0) {
        ReplaceRegularFile(fileName, fileName, nullptr, bytes);
        return;
    }
    if (S_ISDIR(info.st_mode)) ThrowCreateError(fileName);
    if (!S_ISREG(info.st_mode)) {
        WriteInPlace(fileName, bytes);
        return;
    }
    // Renaming needs only the directory's permission; a file we may not write stays as it is.
    if (::access(fileName.c_str(), W_OK) != 0) ThrowCreateError(fileName);
    ReplaceRegularFile(fileName, ResolvedPath(fileName), &info, bytes);
}

} // namespace platform
