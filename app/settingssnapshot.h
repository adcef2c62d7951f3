// The settings globals as they were when a window opened, put back when it closes without saving,
// so no setting or password the user abandoned stays in force.
#pragma once

#include "dictionary/globals.h"

namespace app {

class SettingsSnapshot
{
public:
    SettingsSnapshot() : saved_(GLO) {}
    // Puts back the settings mirrored from SETUP and the money pictures; the hand-over values and
    // address lines other windows set meanwhile are left alone.
    void restore() const;

private:
    dict::Globals saved_;
};

} // namespace app
