#include "dictionary/runtimeerror.h"

namespace dict {

namespace {
RuntimeError last;
int defaultThread() { return 1; }
int (*threadSource)() = defaultThread;
} // namespace

std::string_view errorText(int code)
{
    switch (code) {
    case Err::None: return "No error";
    case Err::FileNotFound: return "File Not Found";
    case Err::AccessDenied: return "Access Denied";
    case Err::NoCurrentRecord: return "Record Not Available";
    case Err::RecordNotFound: return "Record Not Found";
    case Err::FileNotOpen: return "File Not Open";
    case Err::DuplicateKey: return "Creates Duplicate Key";
    case Err::RecordHeld: return "Record Is Already Held";
    case Err::InvalidKeys: return "Keys Need Rebuilding";
    case Err::RecordMismatch: return "Invalid Record Declaration";
    case Err::AlreadyOpen: return "File Already Open";
    case Err::ChangedByOther: return "Record Changed By Another Station";
    case Err::DriverError: return "File System Error";
    default: return "Unknown Error";
    }
}

const RuntimeError &lastError() { return last; }

void setLastError(int code)
{
    last.code = code;
    last.text = std::string(errorText(code));
    if (code != Err::DriverError) {
        last.fileCode.clear();
        last.fileText.clear();
    }
}

void setLastError(int code, std::string_view text)
{
    setLastError(code);
    last.text = std::string(text);
}

void setDriverError(std::string_view driverCode, std::string_view driverText)
{
    setLastError(Err::DriverError);
    last.fileCode = std::string(driverCode);
    last.fileText = std::string(driverText);
}

void clearLastError() { setLastError(Err::None); }

int currentThreadNumber() { return threadSource(); }
void setThreadNumberSource(int (*source)()) { threadSource = source ? source : defaultThread; }

} // namespace dict
