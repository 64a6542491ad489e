// CorvaneCore in one include: the option framework, the console services and
// the platform calls a tool's main needs. C++20. See the library reference
// (corvanecore.md, installed with the documentation) for the call order.
#pragma once

#include "console/app_identity.h"
#include "console/banner.h"
#include "console/core_state.h"
#include "console/error_report.h"
#include "console/pause.h"
#include "console/text_stream.h"
#include "options/alias_registry.h"
#include "options/ascii_text.h"
#include "options/core_settings.h"
#include "options/number_conversion.h"
#include "options/param_matching.h"
#include "options/param_records.h"
#include "options/param_slots.h"
#include "options/syntax_validation.h"
#include "options/text_character.h"
#include "platform/platform.h"
