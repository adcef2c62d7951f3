// The password gate every browse passes before a Change or Delete, and the frame's
// "Set P&assword" action.
//
//   if (!app::PasswordGate(app::Guarded::Delete))
//       return; // the press is dropped: no form opens, nothing is deleted
#pragma once

namespace app {

enum class Guarded { Change, Delete };

// True when the action may go on: no password is set, the action is not protected, or the user
// typed the password into Win::EnterPassword. False when the user cancelled the prompt.
bool PasswordGate(Guarded action);

// The gate as a browse declares it (BrowseSpec::allow): a change or delete request passes it.
bool RequestGate(int request);

// Asks for the current password (when there is one) and then opens Win::Password. Returns the
// password window's response, or cancelled when the prompt was cancelled.
int SetPassword();

} // namespace app
