// The program's settings at start: SETUP record 1 (written with the defaults on the first run),
// the globals mirrored from it, and the two TOTALINV records of running totals.
#pragma once

namespace app {

enum class StartResult {
    Loaded,   // SETUP record 1 was there; the globals hold its settings
    FirstRun, // SETUP record 1 was written with the defaults (GLO.STARTUP is 1)
    Failed,   // a data file could not be read or written; the user has been told
};

// Run once by the frame before it takes events. Every file it opens is closed again.
StartResult StartUp();

enum class SetupRead { Found, Created, Failed };

// With SETUP open: reads SETUP record 1 into SET, writing it with the first-run defaults when
// it is missing. A record another station writes at the same moment is read, not overwritten. A
// failure other than "no such record" is reported and nothing is written.
SetupRead ReadSetupRecord();

// The first-run settings, in the SET buffer (every other field blank or zero).
void FillSetupDefaults();

// Copies SET into the settings globals and sets the money pictures for its currency.
void LoadSettingsGlobals();

} // namespace app
