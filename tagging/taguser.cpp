#include "tagging/taguser.h"

#include "framework/iniclass.h"
#include "framework/reportslib.h"

#include <QString>
#include <QSysInfo>

#include <charconv>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace ST {

namespace {

constexpr std::string_view Section = "TagUsers";
constexpr int ClaimAttempts = 20;

dict::LONG *registered = nullptr;
dict::LONG stationUser = 0;

// Settings keys may not hold '=', brackets or line breaks.
std::string keySafe(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c == '=' || c == '[' || c == ']' || c == ';' || c == '\r' || c == '\n')
            c = '_';
    return out;
}

std::string stationKey(std::string_view station) { return "Station " + keySafe(station); }
std::string claimKey(dict::LONG user) { return "User " + std::to_string(user); }

std::optional<dict::LONG> parseUser(const std::string &text)
{
    dict::LONG value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// A number from the station's name (FNV-1a), positive, so the same station always starts there.
dict::LONG candidateFor(std::string_view station)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : station)
        hash = (hash ^ c) * 16777619u;
    const auto value = static_cast<dict::LONG>(hash & 0x7fffffff);
    return value == 0 ? 1 : value;
}

dict::LONG following(dict::LONG user) { return user == 0x7fffffff ? 1 : user + 1; }

// Takes user for station unless another station holds it; checks the claim stuck, since another
// station may be registering at the same moment.
bool claim(fw::INIClass &settings, dict::LONG user, const std::string &station)
{
    const std::string holder = settings.Fetch(Section, claimKey(user));
    if (!holder.empty() && holder != station)
        return false;
    if (!settings.Update(Section, claimKey(user), station))
        return false;
    return settings.Fetch(Section, claimKey(user)) == station;
}

} // namespace

void UsrTag_(dict::LONG *user) { registered = user; }

dict::LONG GetTagUsr() { return registered ? *registered : 0; }

std::string StationName()
{
    std::string login;
    if (const passwd *pw = ::getpwuid(::geteuid()))
        login = pw->pw_name;
    else
        login = std::to_string(::geteuid());
    return QSysInfo::machineHostName().toStdString() + "/" + login;
}

dict::LONG RegisterStationTagUsr()
{
    fw::INIClass *settings = REPORTS::Settings();
    if (!settings)
        return GetTagUsr();
    return RegisterStationTagUsr(*settings, StationName());
}

dict::LONG RegisterStationTagUsr(fw::INIClass &settings, std::string_view name)
{
    const std::string station = keySafe(name);
    stationUser = 0;
    if (const auto kept = parseUser(settings.Fetch(Section, stationKey(station)))) {
        stationUser = *kept;
    } else {
        dict::LONG user = 0;
        for (int attempt = 0; attempt < ClaimAttempts; ++attempt) {
            if (claim(settings, user, station)) {
                if (settings.Update(Section, stationKey(station), std::to_string(user)))
                    stationUser = user;
                break;
            }
            user = attempt == 0 ? candidateFor(station) : following(user);
        }
    }
    UsrTag_(stationUser);
    return stationUser;
}

} // namespace ST
