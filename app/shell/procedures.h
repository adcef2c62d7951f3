// The procedures the frame runs by name: a menu item or toolbar button names the procedure it
// runs; one not built yet says so ("Procedure not defined") instead of doing nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

using ProcedureRunner = std::function<void()>;

// How a procedure runs from the frame: started (a window of its own beside the others) or called
// (the frame waits), as the runner does it.
void registerProcedure(std::string name, ProcedureRunner runner);
bool procedureDefined(std::string_view name);
// Runs the named procedure, or shows "Procedure not defined" naming it.
void runProcedure(std::string_view name);

// A procedure another one calls by name: its window modal to the caller's, on the caller's
// records (the request in GlobalRequest, the record in its buffer), returning its response.
// Kept apart from the started ones, which the frame runs on records of their own.
using CalledProcedure = std::function<int()>;
void registerCalledProcedure(std::string name, CalledProcedure runner);
bool calledProcedureDefined(std::string_view name);
// Calls the named procedure and returns its response; one not registered shows "Procedure not
// defined" naming it and answers cancelled.
int callProcedure(std::string_view name);

// The names of the procedures registered, in order.
std::vector<std::string> procedureNames();

// Registers every procedure this program has.
void registerProgramProcedures();

} // namespace app
