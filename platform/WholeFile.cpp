#include "platform/WholeFile.h"

#include "platform/Descriptor.h"
#include "platform/File.h"
#include "platform/FolderListing.h"
#include "platform/Separator.h"
#include "platform/TemporaryFiles.h"
#include "platform/TextLines.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

// A name in the folder of `path` that ends in ".tmp" whatever the path's own name, so
// that what a killed process leaves behind is never taken for a file of the system.
std::string TemporaryCandidate(const std::string& path)
{
    thread_local std::mt19937 random{std::random_device{}()};
    return FolderOf(path) + TemporaryName(static_cast<std::uint32_t>(random()));
}

// Creates a file that did not exist before ("x" refuses an existing one), so that a
// save never writes into, renames or removes a file that is not its own.
File CreateTemporary(const std::string& path, std::string& temporary)
{
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        temporary = TemporaryCandidate(path);
        errno = 0;
        if (File file{std::fopen(temporary.c_str(), "wbx")})
            return file;
        if (errno != EEXIST)
            break;
    }
    return nullptr;
}

bool WriteAll(std::FILE* file, std::string_view content)
{
    return std::fwrite(content.data(), 1, content.size(), file) == content.size();
}

// A failed close can mean lost data on some file systems, so it counts too.
bool CloseWritten(File file, bool written)
{
    written = written && std::fflush(file.get()) == 0;
    return std::fclose(file.release()) == 0 && written;
}

// The file a save replaces: the one a symbolic link points to, so that the link stays a
// link. A link that leads nowhere is replaced itself.
std::string FileToReplace(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

// The permission bits the replacement takes over, 0 for a new file, which keeps the
// defaults; nothing for a file that must not be replaced: one that nobody may write is
// one the user keeps as it is.
std::optional<mode_t> KeptPermissions(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return errno == ENOENT ? std::optional<mode_t>(0) : std::nullopt;
    const mode_t permissions = status.st_mode & 07777;
    if ((permissions & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
        return std::nullopt;
    return permissions;
}

// A rename is kept across a crash only once the folder's entry has reached the disk.
void SyncFolderOf(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const Descriptor descriptor(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor)
        ::fsync(descriptor.Get());
}

// Every whole file goes through here: `fill` writes the temporary file and tells whether
// every write succeeded; only then, with its content on the disk, does the temporary file
// take the place of the file at `path`.
template <typename Fill>
bool ReplaceThrough(const std::string& path, Fill fill)
{
    if (!CanNameFile(path))
        return false;
    const std::string target = FileToReplace(path);
    const std::optional<mode_t> permissions = KeptPermissions(target);
    if (!permissions)
        return false;
    std::string temporary;
    File file = CreateTemporary(target, temporary);
    if (!file)
        return false;
    // The content comes in large pieces already; a stream buffer would only copy them.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    bool filled = fill(file.get());
    filled = filled && (*permissions == 0 || ::fchmod(fileno(file.get()), *permissions) == 0);
    filled = filled && ::fsync(fileno(file.get())) == 0;
    if (CloseWritten(std::move(file), filled) && ::rename(temporary.c_str(), target.c_str()) == 0) {
        SyncFolderOf(target);
        return true;
    }
    DeleteFile(temporary);
    return false;
}

std::int64_t Nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::optional<FileIdentity> IdentityOf(const struct stat& status)
{
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
                        static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtim),
                        Nanoseconds(status.st_ctim)};
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    const File file = OpenRegularFileForReading(path);
    if (!file)
        return std::nullopt;
    std::string content;
    if (const std::optional<FileIdentity> identity = IdentityOf(file.get()))
        content.resize(static_cast<std::size_t>(identity->size));
    std::size_t filled = std::fread(content.data(), 1, content.size(), file.get());
    content.resize(filled);
    // The size may have changed since it was asked; read whatever follows too.
    char block[65536];
    while (std::size_t got = std::fread(block, 1, sizeof block, file.get()))
        content.append(block, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return content;
}

bool ReplaceFile(const std::string& path, std::string_view content)
{
    return ReplaceThrough(path, [content](std::FILE* file) { return WriteAll(file, content); });
}

bool ReplaceFile(const std::string& path, const std::function<void(LineWriter& output)>& write)
{
    return ReplaceThrough(path, [&write](std::FILE* file) {
        std::string buffer;
        LineWriter output(buffer, [file](std::string_view block) { return WriteAll(file, block); });
        write(output);
        return output.Finish();
    });
}

bool WriteNewFile(const std::string& path, std::string_view content)
{
    if (!CanNameFile(path))
        return false;
    File file(std::fopen(path.c_str(), "wbx"));
    if (!file)
        return false;
    const bool written = WriteAll(file.get(), content);
    if (CloseWritten(std::move(file), written))
        return true;
    DeleteFile(path);
    return false;
}

std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    struct stat status {};
    if (!CanNameFile(path) || ::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return IdentityOf(status);
}

std::optional<FileIdentity> IdentityOf(std::FILE* file)
{
    struct stat status {};
    if (::fstat(fileno(file), &status) != 0)
        return std::nullopt;
    return IdentityOf(status);
}

bool MoveFile(const std::string& from, const std::string& to)
{
    if (!CanNameFile(from) || !CanNameFile(to))
        return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        SyncFolderOf(to);
        return true;
    }
    // A file system that cannot refuse to replace: then only where nothing stands.
    struct stat status {};
    if ((errno != EINVAL && errno != ENOSYS) || ::lstat(to.c_str(), &status) == 0 || ::rename(from.c_str(), to.c_str()) != 0)
        return false;
    SyncFolderOf(to);
    return true;
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool DeleteFile(const std::string& path)
{
    std::error_code error;
    return CanNameFile(path) && std::filesystem::remove(path, error) && !error;
}

} // namespace Platform
