// `invoice --reset-password`: clears a forgotten password in the working folder's SETUP record,
// after the user confirms on the terminal. Whoever can write the data folder can do this; the
// program itself knows no password of its own.
#pragma once

#include <iosfwd>

namespace app {

enum ResetStatus : int {
    PasswordReset = 0, // cleared, or there was none to clear
    ResetDeclined = 1, // the user did not confirm; nothing was written
    ResetFailed = 2,   // no setup in this folder, or its file could not be read or written
};

// Whether the command line asks for the reset.
bool WantsPasswordReset(int argc, char **argv);

// Asks on out, reads the answer from in; messages go through the error manager to out.
int ResetPassword(std::istream &in, std::ostream &out);

} // namespace app
