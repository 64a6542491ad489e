// The core's settings and flags: read and written by the option framework
// (match mode, aliases, the adjusted-value flag) and by the console services
// (error feedback, banner), so they live below both.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Values of TCoreState::ParamMatchMode.
inline constexpr std::int32_t pmPlain = 0;          // -x, /x and --name only
inline constexpr std::int32_t pmBareSymbols = 1;    // also a bare symbol alias (BareSymbolChars)
inline constexpr std::int32_t pmAttachedValues = 2; // also -x=value and -x:value
inline constexpr std::int32_t pmBoth = 3;           // both of the above

struct TCoreState {
  std::int32_t ParamMatchMode = pmPlain;
  std::int32_t ErrorReportStyle = 0;
  std::string DefinedAliases;
  std::string EssentialAliases;
  bool ErrorDelay = false;
  bool AudibleError = false;
  bool ParamValueAdjusted = false;
  bool BannerEnabled = true;
  bool BannerShown = false;
  bool InfoRequested = false;
  bool DoubleDashForLongNames = true;
  bool KeepFoundParams = false;
};

// Defined once (core_settings.cpp): an inline variable would give every file
// that includes this header a start-up initializer of its own.
extern TCoreState CoreState;

}  // namespace corvane
