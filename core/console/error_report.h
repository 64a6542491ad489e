// The message writer the syntax-error report uses.
#pragma once

#include <string>

#include "corvane/console.h"

namespace corvane {

// prefix, body and two line ends (an empty line follows), on ConsoleErr.
void WriteErrorMessage(const std::string& body, const std::string& prefix);

}  // namespace corvane
