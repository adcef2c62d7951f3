// The file-manager component between the access managers and the driver: which driver the files
// use and the name each file is registered under.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dict {

struct RegisteredFile {
    std::string prefix;
    std::string name;
};

class FileComponent
{
public:
    static FileComponent &instance();

    void RegisterDriver(std::string_view name) { driver_ = name; }
    void Ignore(std::string_view name) { ignored_.emplace_back(name); }
    void RegisterFile(std::string_view prefix, std::string_view name);

    const std::string &Driver() const { return driver_; }
    const std::vector<RegisteredFile> &Files() const { return files_; }
    bool Ignored(std::string_view name) const;
    // The registered name of a file by its prefix (case-insensitive); empty when unknown.
    std::string NameOf(std::string_view prefix) const;

private:
    std::string driver_;
    std::vector<std::string> ignored_;
    std::vector<RegisteredFile> files_;
};

// Registers the driver and every data file once per process.
void registerDataFiles();

} // namespace dict
