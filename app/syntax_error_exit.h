#pragma once

#include <cstdint>
#include <string>

// Banner, report (when msg is not empty), help, then ExitCode := code.
void SyntaxErrorExit(std::int32_t style, std::int32_t code, const std::string& msg, bool shortHelp);
