#include "automation/FileAccess.h"

#include <sys/stat.h>

#ifdef _WIN32
#include "automation/win32/Handles.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <new>
#include <optional>

namespace ombrelt::FileAccess {
namespace {

enum class Created { Written, NameTaken, Failed };

#ifdef _WIN32
// What a replaced file keeps: the attributes a new file can be made with.
using Attributes = DWORD;
constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                        FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The attributes of the file at path for its replacement (none when there
// is no file); nothing when it must not be replaced. Wine lets a rename
// replace a read-only file, so the flag is checked here.
std::optional<Attributes> ReplaceableTarget(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FILE_ATTRIBUTE_NORMAL;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    return (attributes & kKept) ? attributes & kKept : FILE_ATTRIBUTE_NORMAL;
}

// Creates a new file (never opens an existing one) holding the bytes,
// flushed to the disk before it is closed.
Created CreateWithBytes(const std::string& path, const std::string& bytes, Attributes attributes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Created::NameTaken : Created::Failed;
    }
    win32::KernelHandle file(h);
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) return Created::Failed;
        done += written;
    }
    return FlushFileBuffers(h) ? Created::Written : Created::Failed;
}

// The C library's rename does not replace an existing file on Windows.
bool MoveOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::uint32_t ProcessNumber() { return GetCurrentProcessId(); }

// A file on a disk (not a pipe, port or console), read whole.
bool ReadFileBytes(const std::string& path, std::string& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    win32::KernelHandle file(h);
    LARGE_INTEGER size{};
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileSizeEx(h, &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > bytes.max_size())
        return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(h, bytes.data() + done, chunk, &read, nullptr)) return false;
        if (read == 0) break;  // it became shorter meanwhile
        done += read;
    }
    bytes.resize(done);
    return true;
}
#else
// Natively the permission bits stand for the attributes: a file nobody may
// write is read-only.
using Attributes = mode_t;
constexpr Attributes kNewFile = ~Attributes{0};  // no file to take after: the umask decides

std::optional<Attributes> ReplaceableTarget(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return kNewFile;
    if (S_ISDIR(info.st_mode) || (info.st_mode & 0222) == 0) return std::nullopt;
    return info.st_mode & 07777;
}

Created CreateWithBytes(const std::string& path, const std::string& bytes, Attributes mode) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EEXIST ? Created::NameTaken : Created::Failed;
    bool ok = mode == kNewFile || ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        ok = written > 0;
        if (ok) done += static_cast<std::size_t>(written);
    }
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok ? Created::Written : Created::Failed;
}

bool MoveOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

std::uint32_t ProcessNumber() { return static_cast<std::uint32_t>(::getpid()); }

// An open file descriptor, closed once.
struct Descriptor {
    int Fd;
    ~Descriptor() {
        if (Fd >= 0) ::close(Fd);
    }
};

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat info;
    if (file.Fd < 0 || ::fstat(file.Fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > bytes.max_size())
        return false;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t read = ::read(file.Fd, bytes.data() + done, bytes.size() - done);
        if (read < 0) return false;
        if (read == 0) break;  // it became shorter meanwhile
        done += static_cast<std::size_t>(read);
    }
    bytes.resize(done);
    return true;
}
#endif

// Where the file name starts: after the last separator or a drive's colon.
std::size_t FileNameStart(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string_view::npos ? 0 : cut + 1;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool PathExists(const std::string& path) {
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    if (IsDeviceName(path)) return false;  // a port or the console would never end
    // A file too large for the process is a failure to read it, like any other.
    try {
        if (ReadFileBytes(path, bytes)) return true;
    } catch (const std::bad_alloc&) {
    }
    bytes.clear();
    return false;
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty() || IsDeviceName(path)) return false;
    const std::optional<Attributes> attributes = ReplaceableTarget(path);
    if (!attributes) return false;
    // Names already taken (another program's, or another save's) are passed
    // over; the numbers differ between processes and between calls.
    static std::atomic<std::uint32_t> calls{0};
    const auto now = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint32_t n = ProcessNumber() * 2654435761u ^ now ^ calls.fetch_add(1) * 40503u;
    for (int attempt = 0; attempt < 64; ++attempt, n += 0x9E37u) {
        const std::string fresh = TemporaryPathBeside(path, n);
        const Created created = CreateWithBytes(fresh, bytes, *attributes);
        if (created == Created::NameTaken) continue;
        if (created == Created::Written && MoveOver(fresh, path)) return true;
        DeleteFilePath(fresh);
        return false;
    }
    return false;
}

bool DeleteFilePath(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

bool IsDeviceName(std::string_view path) {
    std::string_view name = path.substr(FileNameStart(path));
    name = name.substr(0, name.find('.'));  // "nul.ox" is the device too
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    static constexpr std::array<std::string_view, 6> plain = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    if (std::find(plain.begin(), plain.end(), lower) != plain.end()) return true;
    return lower.size() == 4 && (lower.starts_with("com") || lower.starts_with("lpt")) && lower[3] >= '1' &&
           lower[3] <= '9';
}

std::string TemporaryPathBeside(std::string_view target, std::uint32_t n) {
    static constexpr char digits[] = "0123456789abcdef";
    const std::size_t nameStart = FileNameStart(target), nameLength = target.size() - nameStart;
    std::string path(target.substr(0, nameStart));
    // A short target name gets a temporary name no longer than its own (down
    // to five characters), so a target that fits the path length limit has
    // a temporary file that fits too.
    const bool full = nameLength >= 12;
    const int count = full ? 4 : static_cast<int>(std::clamp<std::size_t>(nameLength, 5, 9)) - 1;
    path += full ? "~omb" : "~";
    for (int shift = 4 * (count - 1); shift >= 0; shift -= 4) path += digits[(n >> shift) & 0xF];
    if (full) path += ".tmp";
    return path;
}

}  // namespace ombrelt::FileAccess
