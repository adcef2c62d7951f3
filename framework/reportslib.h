// Entry points of the reports library. Loading the library builds its own error manager and every
// file's managers; the program then hands over its own error and settings managers.
#pragma once

namespace fw {
class ErrorClass;
class INIClass;
} // namespace fw

namespace REPORTS {

// Each argument replaces the library's own manager only when it is not null.
void INIT(fw::ErrorClass *errors, fw::INIClass *settings);
void KILL();

// The managers the library reports and reads settings through now.
fw::ErrorClass &Errors();
fw::INIClass *Settings();

} // namespace REPORTS
