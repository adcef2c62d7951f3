// The settings globals as they were when a window opened, put back when it closes without saving,
// so no setting or password the user abandoned stays in force.
#pragma once

#include "dictionary/globals.h"

namespace app {

// What a window edits, and so what it puts back.
enum class SettingsGroup {
    Setup,    // every setting mirrored from SETUP but the password, and the money pictures
    Password, // the password and the two flags saying what it protects
};

class SettingsSnapshot
{
public:
    explicit SettingsSnapshot(SettingsGroup group) : group_(group), saved_(GLO) {}
    // Puts back the group's globals; everything else (the other group, hand-over values, address
    // lines) keeps what other windows set meanwhile.
    void restore() const;

private:
    void restoreSetup() const;
    void restorePassword() const;

    SettingsGroup group_;
    dict::Globals saved_;
};

} // namespace app
