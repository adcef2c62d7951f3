// The settings file: any bytes as Invoice.ini. The names the file itself uses are fetched, then
// a value is written under one of them and must read back as written, with the window placement
// of a procedure read and saved around it.
#include "framework/iniclass.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

std::string folder()
{
    static const std::string path = [] {
        char name[] = "/tmp/tq-settings-fuzz-XXXXXX";
        const char *made = mkdtemp(name);
        return std::string(made ? made : "/tmp");
    }();
    return path;
}

// The section and key names the lines spell, as the user would have typed them.
std::vector<std::pair<std::string, std::string>> namesIn(std::string_view text)
{
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    while (!text.empty() && names.size() < 8) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.starts_with('[') && line.find(']') != std::string_view::npos)
            section = std::string(line.substr(1, line.find(']') - 1));
        else if (const std::size_t eq = line.find('='); eq != std::string_view::npos)
            names.emplace_back(section, std::string(line.substr(0, eq)));
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::string path = folder() + "/Invoice.ini";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), std::streamsize(text.size()));
    }
    fw::INIClass settings;
    settings.Init(path);
    const auto names = namesIn(text);
    for (const auto &[section, key] : names)
        (void)settings.Fetch(section, key, "none");
    fw::WindowPlacement window;
    (void)settings.FetchWindow("Brw:Customers", window);

    const std::string section = names.empty() ? "Fuzz" : names.front().first;
    const std::string key = names.empty() ? "Key" : names.front().second;
    if (settings.Update(section, key, " written value ")) {
        if (settings.Fetch(section, key) != "written value")
            __builtin_trap();
        fw::INIClass reread; // another station reading the file just written
        reread.Init(path);
        if (reread.Fetch(section, key) != "written value")
            __builtin_trap();
    }
    window.maximized = window.minimized = false;
    window.width = 300;
    window.height = 200;
    window.resizable = true;
    if (settings.UpdateWindow("Brw:Customers", window)) {
        fw::WindowPlacement back;
        back.resizable = true;
        if (settings.FetchWindow("Brw:Customers", back) && (back.width != 300 || back.height != 200))
            __builtin_trap();
    }
    return 0;
}
