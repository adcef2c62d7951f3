// The tag user: whose tags the tag operations read and write. Every tag record carries it, so
// stations sharing a data folder keep separate selections once each has registered its own.
#pragma once

#include "dictionary/fieldtypes.h"

#include <string>
#include <string_view>

namespace fw {
class INIClass;
}

namespace ST {

// Registers where the tag user is read from; nullptr forgets it (the user is then 0).
void UsrTag_(dict::LONG *user);
inline void UsrTag_(dict::LONG &user) { UsrTag_(&user); }
// The current tag user: the registered value, 0 when none is registered.
dict::LONG GetTagUsr();

// This machine and login, as "host/login".
std::string StationName();

// Finds this station's tag user in the settings, or gives it one and keeps it there, and
// registers it. Called once at start-up; without settings nothing is registered (user 0).
dict::LONG RegisterStationTagUsr();
// The same for a named station. The first station ever registered keeps user 0, so the tags and
// tag sets of a single station stay as they were; any other gets a number of its own, derived
// from its name and unused by the others. A settings file that cannot be written leaves the
// station on user 0, as before.
dict::LONG RegisterStationTagUsr(fw::INIClass &settings, std::string_view station);

} // namespace ST
