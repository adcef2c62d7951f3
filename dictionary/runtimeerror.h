// The last error of the record-file layer, as the error manager's SetErrors captures it:
// a runtime error code and text, and for driver-specific failures (code 90) the driver's own.
#pragma once

#include <string>
#include <string_view>

namespace dict {

namespace Err {
inline constexpr int None = 0;
inline constexpr int FileNotFound = 2;
inline constexpr int AccessDenied = 5;
inline constexpr int NoCurrentRecord = 33;
inline constexpr int RecordNotFound = 35;
inline constexpr int FileNotOpen = 37;
inline constexpr int DuplicateKey = 40;
inline constexpr int RecordHeld = 43;
inline constexpr int InvalidKeys = 46;
inline constexpr int RecordMismatch = 47;
inline constexpr int AlreadyOpen = 52;
inline constexpr int ChangedByOther = 89;
inline constexpr int DriverError = 90;
} // namespace Err

struct RuntimeError {
    int code = 0;
    std::string text;
    std::string fileCode; // driver's own code, for code 90
    std::string fileText; // driver's own text, for code 90
};

// The standard text of a runtime error code.
std::string_view errorText(int code);

const RuntimeError &lastError();
void setLastError(int code);
// An error whose text says more than the code's standard text.
void setLastError(int code, std::string_view text);
void setDriverError(std::string_view driverCode, std::string_view driverText);
void clearLastError();

// Number of the procedure thread that is running now; the window framework installs its own.
int currentThreadNumber();
void setThreadNumberSource(int (*source)());

} // namespace dict
