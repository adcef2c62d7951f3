// Every declared browse of the program, checked when the program starts: a list format whose
// queue numbers do not match its declared fields is a fault of the program, reported before any
// window shows it wrong.
#pragma once

#include <string>
#include <vector>

namespace fw {
struct BrowseSpec;
}

namespace app {

const std::vector<const fw::BrowseSpec *> &declaredBrowses();

// What is wrong with any of them, each fault naming its procedure; empty when all are sound.
std::vector<std::string> checkDeclarations();

} // namespace app
