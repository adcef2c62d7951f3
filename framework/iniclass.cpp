#include "framework/iniclass.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <optional>
#include <thread>

namespace fw {

using Internal::FileStamp;
using Internal::IniText;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
// A settings file is a few kilobytes; anything this big is not ours and is not loaded.
constexpr std::intmax_t maxFileBytes = 16 * 1024 * 1024;
// A write holds the lock for milliseconds. A copy that holds it longer is hung, and waiting for it
// would hang this one too, so past this the write goes ahead without the lock.
constexpr auto lockPatience = std::chrono::seconds(2);

// ---- Names and values ----------------------------------------------------------------------

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool storableSection(std::string_view name)
{
    name = trimmed(name);
    return !name.empty() && !hasLineBreak(name) && name.find(']') == std::string_view::npos;
}

// A key must not read back as a comment, a section header or part of a value.
bool storableKey(std::string_view name)
{
    name = trimmed(name);
    return !name.empty() && !hasLineBreak(name) && name.find('=') == std::string_view::npos &&
           name.front() != ';' && name.front() != '#' && name.front() != '[';
}

// One line per value: each line break (CR, LF or CRLF) becomes one space.
std::string storedValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue;
        out += (value[i] == '\r' || value[i] == '\n') ? ' ' : value[i];
    }
    return std::string(trimmed(out));
}

// ---- Lines ---------------------------------------------------------------------------------

enum class LineKind { Other, Section, Key };

// A line's meaning; name and value point into the line. Comments, blank lines and lines that are
// neither a header nor "key=value" are Other and are kept untouched.
struct Line {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

Line classify(std::string_view raw)
{
    const std::string_view s = trimmed(raw);
    if (s.empty() || s.front() == ';' || s.front() == '#')
        return {};
    if (s.front() == '[') {
        const std::size_t close = s.find(']');
        if (close == std::string_view::npos)
            return {};
        return {LineKind::Section, trimmed(s.substr(1, close - 1)), {}};
    }
    const std::size_t eq = s.find('=');
    if (eq == std::string_view::npos || trimmed(s.substr(0, eq)).empty())
        return {};
    return {LineKind::Key, trimmed(s.substr(0, eq)), trimmed(s.substr(eq + 1))};
}

IniText parse(std::string_view data)
{
    IniText text;
    if (data.starts_with(utf8Bom)) {
        text.bom = true;
        data.remove_prefix(utf8Bom.size());
    }
    const std::size_t firstBreak = data.find('\n');
    text.crlf =
        firstBreak != std::string_view::npos && firstBreak > 0 && data[firstBreak - 1] == '\r';
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        text.lines.emplace_back(data.substr(0, end));
        data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
    }
    return text;
}

std::string serialise(const IniText &text)
{
    std::string out(text.bom ? utf8Bom : std::string_view{});
    for (const std::string &line : text.lines) {
        out += line;
        out += '\n';
    }
    return out;
}

// A line to add, ended the way the file's first line is.
std::string addedLine(const IniText &text, std::string content)
{
    if (text.crlf)
        content += '\r';
    return content;
}

// The first line holding key in a section of that name. Sections may repeat; the first
// occurrence of a key wins, so reads and writes agree on which line counts.
std::optional<std::size_t> findKey(const IniText &text, std::string_view section,
                                   std::string_view key)
{
    bool inSection = false;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const Line line = classify(text.lines[i]);
        if (line.kind == LineKind::Section)
            inSection = equalsNoCase(line.name, section);
        else if (inSection && line.kind == LineKind::Key && equalsNoCase(line.name, key))
            return i;
    }
    return std::nullopt;
}

// Where a new key of section goes: after the last key of its first occurrence, so comments and
// blank lines that lead into the next section stay with that section.
std::optional<std::size_t> insertionPoint(const IniText &text, std::string_view section)
{
    std::optional<std::size_t> at;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const Line line = classify(text.lines[i]);
        if (line.kind == LineKind::Section) {
            if (at)
                break;
            if (equalsNoCase(line.name, section))
                at = i + 1;
        } else if (at && line.kind == LineKind::Key) {
            at = i + 1;
        }
    }
    return at;
}

// True when the text changed.
bool setValue(IniText &text, std::string_view section, std::string_view key,
              const std::string &value)
{
    if (const auto i = findKey(text, section, key)) {
        const Line line = classify(text.lines[*i]);
        if (line.value == value)
            return false;
        const bool cr = text.lines[*i].ends_with('\r');
        text.lines[*i] = std::string(line.name) + "=" + value + (cr ? "\r" : "");
        return true;
    }
    const std::string entry = addedLine(text, std::string(key) + "=" + value);
    if (const auto at = insertionPoint(text, section)) {
        text.lines.insert(text.lines.begin() + std::ptrdiff_t(*at), entry);
        return true;
    }
    if (!text.lines.empty() && !trimmed(text.lines.back()).empty())
        text.lines.push_back(addedLine(text, ""));
    text.lines.push_back(addedLine(text, "[" + std::string(section) + "]"));
    text.lines.push_back(entry);
    return true;
}

// ---- Files ---------------------------------------------------------------------------------

FileStamp stampOf(const struct stat &st)
{
    return {std::uintmax_t(st.st_dev), std::uintmax_t(st.st_ino), std::intmax_t(st.st_size),
            std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

struct Loaded {
    std::string data;
    FileStamp stamp;
};

bool readAll(int fd, std::string &data)
{
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break; // shrunk while we read: take what is there, the stamp will differ next time
        got += std::size_t(n);
    }
    data.resize(got);
    return true;
}

// The whole file with the stamp of the version read; nothing when it is not a readable regular
// file of sensible size.
std::optional<Loaded> readFile(const fs::path &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<Loaded> result;
    struct stat st = {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxFileBytes) {
        Loaded loaded{std::string(std::size_t(st.st_size), '\0'), stampOf(st)};
        if (readAll(fd, loaded.data))
            result = std::move(loaded);
    }
    ::close(fd);
    return result;
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(std::size_t(n));
    }
    return true;
}

// Writes a temporary file beside target and renames it over target, so a reader or a crash sees
// the old file or the new one, never a part. Keeps the permissions of the file it replaces.
std::optional<FileStamp> writeAtomically(const fs::path &target, std::string_view data)
{
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    fs::path real = target;
    if (fs::is_symlink(target, ec))
        if (fs::path resolved = fs::canonical(target, ec); !ec)
            real = resolved;

    struct stat old = {};
    const bool replacing = ::stat(real.c_str(), &old) == 0;
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = real.parent_path() /
               ("." + real.filename().string() + "." + std::to_string(::getpid()) + "." +
                std::to_string(counter++) + ".tmp");
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return std::nullopt;
    }
    if (fd < 0)
        return std::nullopt;

    struct stat written = {};
    bool ok = writeAll(fd, data) && (!replacing || ::fchmod(fd, mode) == 0) && ::fsync(fd) == 0 &&
              ::fstat(fd, &written) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), real.c_str()) != 0) {
        ::unlink(temp.c_str());
        return std::nullopt;
    }
    return stampOf(written);
}

// Exclusive lock on a file beside the settings file, held for one read-modify-write. The kernel
// drops it when the process dies, so a crash never leaves the folder locked.
class FileLock
{
public:
    explicit FileLock(const fs::path &path)
    {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0)
            return; // a folder we cannot write in: the write itself will fail
        const auto deadline = std::chrono::steady_clock::now() + lockPatience;
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) ||
                std::chrono::steady_clock::now() > deadline)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ~FileLock()
    {
        if (fd_ >= 0)
            ::close(fd_); // closing releases the lock
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    int fd_ = -1;
};

// path itself when it exists; otherwise the first (by name) file of its folder whose name differs
// only in letter case; otherwise path, to be created.
fs::path lookUpNoCase(const fs::path &path)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path, ec)))
        return path;
    const std::string wanted = path.filename().string();
    std::optional<fs::path> best;
    for (fs::directory_iterator it(path.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path candidate = it->path();
        if (equalsNoCase(candidate.filename().string(), wanted) && (!best || candidate < *best))
            best = candidate;
    }
    return best.value_or(path);
}

// Parses "XPos" and the like; anything but a whole number leaves target as it was.
void applyNumber(std::string_view text, int &target, bool positiveOnly = false)
{
    text = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size() && !text.empty() &&
        (!positiveOnly || value > 0))
        target = value;
}

} // namespace

// ---- INIClass ------------------------------------------------------------------------------

void INIClass::Init(std::string fileName)
{
    std::lock_guard guard(mutex_);
    std::error_code ec;
    fs::path requested = fileName.empty() ? fs::path() : fs::absolute(fileName, ec);
    requested_ = ec ? fs::path(fileName) : requested;
    path_.clear();
    state_ = State::Missing;
    stamp_ = {};
    text_ = {};
    initialised_ = !fileName.empty();
    if (initialised_)
        resolvePath();
}

fs::path INIClass::path() const
{
    std::lock_guard guard(mutex_);
    return path_;
}

void INIClass::resolvePath() const
{
    // Until the file exists, look again each time: another copy may create it in another case.
    std::error_code ec;
    if (path_.empty() || !fs::exists(fs::symlink_status(path_, ec)))
        path_ = lookUpNoCase(requested_);
}

fs::path INIClass::lockPath() const
{
    // Lower case, so copies that asked for the name in different cases share one lock.
    std::string name = "." + requested_.filename().string() + ".lock";
    for (char &c : name)
        c = lowerAscii(c);
    return requested_.parent_path() / name;
}

void INIClass::refresh(bool force) const
{
    resolvePath();
    struct stat st = {};
    if (::stat(path_.c_str(), &st) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        state_ = missing ? State::Missing : State::Unreadable;
        stamp_ = {};
        text_ = {};
        return;
    }
    if (!force && state_ != State::Missing && stampOf(st) == stamp_)
        return;
    std::optional<Loaded> loaded = readFile(path_);
    state_ = loaded ? State::Loaded : State::Unreadable;
    stamp_ = loaded ? loaded->stamp : FileStamp{};
    text_ = loaded ? parse(loaded->data) : IniText{};
}

std::string INIClass::Fetch(std::string_view section, std::string_view key,
                            std::string_view defaultValue) const
{
    std::lock_guard guard(mutex_);
    if (!initialised_)
        return std::string(defaultValue);
    refresh(false);
    const auto i = findKey(text_, trimmed(section), trimmed(key));
    return std::string(i ? classify(text_.lines[*i]).value : defaultValue);
}

bool INIClass::Update(std::string_view section, std::string_view key, std::string_view value)
{
    return updateAll(section, {{std::string(key), std::string(value)}});
}

bool INIClass::updateAll(std::string_view section, const KeyValues &values)
{
    if (!storableSection(section))
        return false;
    for (const auto &[key, value] : values)
        if (!storableKey(key))
            return false;

    std::lock_guard guard(mutex_);
    if (!initialised_)
        return false;
    FileLock lock(lockPath());
    refresh(true); // what other copies wrote since our last look must survive this write
    if (state_ == State::Unreadable)
        return false; // never replace a file we could not read

    bool changed = false;
    for (const auto &[key, value] : values)
        changed |= setValue(text_, trimmed(section), trimmed(key), storedValue(value));
    if (!changed)
        return true;

    const std::optional<FileStamp> written = writeAtomically(path_, serialise(text_));
    stamp_ = written.value_or(FileStamp{}); // a failed write leaves text_ ahead of the file: reload
    state_ = State::Loaded;
    return written.has_value();
}

bool INIClass::FetchWindow(std::string_view procedureName, WindowPlacement &window) const
{
    const std::string maximize = Fetch(procedureName, "Maximize");
    if (!equalsNoCase(maximize, "Yes") && !equalsNoCase(maximize, "No"))
        return false;
    window.maximized = equalsNoCase(maximize, "Yes");
    if (Fetch(procedureName, "XPos").empty())
        return true;
    applyNumber(Fetch(procedureName, "XPos"), window.x);
    applyNumber(Fetch(procedureName, "YPos"), window.y);
    if (window.resizable) {
        // A zero or negative size would leave an invisible window: keep the window's own size.
        applyNumber(Fetch(procedureName, "Width"), window.width, true);
        applyNumber(Fetch(procedureName, "Height"), window.height, true);
    }
    return true;
}

bool INIClass::UpdateWindow(std::string_view procedureName, const WindowPlacement &window)
{
    if (window.minimized)
        return true;
    KeyValues values{{"Maximize", window.maximized ? "Yes" : "No"}};
    if (!window.maximized) {
        values.emplace_back("XPos", std::to_string(window.x));
        values.emplace_back("YPos", std::to_string(window.y));
        if (window.resizable) {
            values.emplace_back("Width", std::to_string(window.width));
            values.emplace_back("Height", std::to_string(window.height));
        }
    }
    return updateAll(procedureName, values);
}

} // namespace fw
