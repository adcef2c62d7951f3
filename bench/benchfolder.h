// The data folder a benchmark keeps between runs, in the system's temporary folder.
#pragma once

#include <filesystem>

namespace bench {

// Makes the folder the working folder the first time it is called; false on every later call, when
// the benchmark's data is already in place.
inline bool enterFirstTime(const std::filesystem::path &folder)
{
    static bool entered = false;
    if (entered)
        return false;
    entered = true;
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    return true;
}

} // namespace bench
