// What the access and relation managers need of the error manager. The framework's ErrorClass
// implements it; the dictionary never shows a message itself.
#pragma once

#include <string_view>

namespace dict {

// Severity levels, also the results handed back to callers (0 go on, 4 declined, 5 told).
enum Level : int { Benign = 0, User = 1, Program = 2, Fatal = 3, Cancel = 4, Notify = 5 };

// Button set of Message(): a bit set.
enum Button : int { ButtonOk = 1, ButtonYes = 2, ButtonNo = 4, ButtonCancel = 64 };

// Message numbers the managers raise.
namespace Msg {
inline constexpr int RetrievalError = 1;
inline constexpr int AccessDenied = 2;
inline constexpr int InsertError = 4;
inline constexpr int ChangedByOther = 6;
inline constexpr int ChangedByOtherForm = 7;
inline constexpr int ConfirmCancel = 8;
inline constexpr int ConfirmDelete = 9;
inline constexpr int FileCreationError = 10;
inline constexpr int NotDeleted = 11;
inline constexpr int DuplicateKey = 13;
inline constexpr int FileAccessError = 23;
inline constexpr int ProcedureNotDefined = 24;
inline constexpr int NotUpdated = 25;
inline constexpr int KeyNotBuilt = 26;
inline constexpr int InvalidKey = 27;
inline constexpr int RecordNotRead = 28;
inline constexpr int RestrictDelete = 30;
inline constexpr int RestrictUpdate = 31;
inline constexpr int AutoIncrementError = 32;
inline constexpr int DeleteError = 33;
inline constexpr int UpdateError = 34;
inline constexpr int SaveRecord = 35;
inline constexpr int FileUsageError = 39;
} // namespace Msg

class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;

    // Each returns the level of the message shown (or the user's answer for level User).
    virtual int Throw(int id) = 0;
    virtual int ThrowFile(int id, std::string_view file) = 0;
    virtual int ThrowMessage(int id, std::string_view text) = 0;
    // Shows message id with the given buttons; returns the button pressed.
    virtual int Message(int id, int buttons, int defaultButton) = 0;
    virtual void SetFile(std::string_view name) = 0;
    virtual void SetField(std::string_view name) = 0;
};

} // namespace dict
