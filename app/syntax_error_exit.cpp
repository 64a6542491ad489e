#include "app/syntax_error_exit.h"

void SyntaxErrorExit(std::int32_t, std::int32_t, const std::string&, bool) {}
