// The settings manager: named values in sections of one line-based settings file (Invoice.ini),
// plus the saved position and size of each window.
//
// The program must start whatever state the file is in, so nothing here throws: a missing,
// damaged or unreadable file reads as empty, and a write that cannot be made returns false and
// leaves the file as it was. Several copies of the program may share the folder: every write
// re-reads the file under a lock (a hidden ".<name>.lock" file beside it, held with flock) and
// replaces it atomically, keeping every line it does not change; reads are cached and notice when
// another process has changed the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

namespace Internal {
// The file's lines split at LF, each keeping its CR if it had one, so a rewrite gives back every
// line it did not change byte for byte. crlf: the first line ends in CRLF, and lines added end so.
struct IniText {
    std::vector<std::string> lines;
    bool bom = false;
    bool crlf = false;
};

// Identifies one version of the file: a replace by rename changes the inode, an in-place edit the
// size or modification time.
struct FileStamp {
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    std::intmax_t size = -1;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp &) const = default;
};
} // namespace Internal

// What a window knows of its own frame; the window code copies it to and from the real window.
struct WindowPlacement {
    bool maximized = false;
    bool minimized = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool resizable = false;
};

class INIClass
{
public:
    INIClass() = default;
    INIClass(const INIClass &) = delete;
    INIClass &operator=(const INIClass &) = delete;

    // fileName is taken relative to the working folder (unless absolute). When no file of exactly
    // that name exists but one differing only in letter case does, that file is used.
    void Init(std::string fileName);

    // Section and key names compare without regard to ASCII case and surrounding blanks. Values
    // come back without surrounding blanks; an absent key gives defaultValue, a key present with
    // an empty value gives "".
    std::string Fetch(std::string_view section, std::string_view key,
                      std::string_view defaultValue = {}) const;

    // Line breaks in value are stored as single spaces. False when nothing could be written: no
    // Init, a name that cannot be stored (empty key, '=' in a key, ']' in a section, line breaks),
    // a file that exists but cannot be read, or a folder that cannot be written.
    bool Update(std::string_view section, std::string_view key, std::string_view value);

    // Applies the placement saved under procedureName to window: the maximised state when it was
    // saved as "Yes" or "No", then the saved position and, for a resizable window, the saved size.
    // False (window untouched) when "Maximize" holds neither "Yes" nor "No". A position or size
    // that is not a whole number (or a size below 1) leaves that field as it was.
    bool FetchWindow(std::string_view procedureName, WindowPlacement &window) const;

    // Saves window as it is when it closes; a minimised window saves nothing. Only a window that is
    // not maximised saves its position, and only a resizable one its size.
    bool UpdateWindow(std::string_view procedureName, const WindowPlacement &window);

    // The file in use: the looked-up name, or the requested one while no such file exists.
    std::filesystem::path path() const;

private:
    using KeyValues = std::vector<std::pair<std::string, std::string>>;

    enum class State { Missing, Loaded, Unreadable };

    bool updateAll(std::string_view section, const KeyValues &values);
    void refresh(bool force) const; // callers hold mutex_
    void resolvePath() const;
    std::filesystem::path lockPath() const;

    mutable std::mutex mutex_;
    std::filesystem::path requested_;
    mutable std::filesystem::path path_;
    mutable State state_ = State::Missing;
    mutable Internal::FileStamp stamp_;
    mutable Internal::IniText text_;
    bool initialised_ = false;
};

} // namespace fw
