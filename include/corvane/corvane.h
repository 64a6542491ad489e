// CorvaneCore in one include. C++20; every name is in namespace corvane.
// The library reference (corvanecore.md, installed with the documentation)
// gives a tool's main in call order.
#pragma once

#include "console.h"
#include "core_state.h"
#include "options.h"
#include "platform.h"
