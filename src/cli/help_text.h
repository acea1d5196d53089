// What --help and --version print.
#pragma once

#include <string>

namespace korvane {

std::string HelpText();

// "korvane-calc 2.02"
std::string VersionText();

}  // namespace korvane
