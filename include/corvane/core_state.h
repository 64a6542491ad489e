// The core's process-wide state: the argument table and the records of the
// option framework, the identity record, the settings and flags, the exit
// status, and the start and end of a run. Every record is a plain global,
// read and written directly; there are no accessors.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum TParamStatus : std::int32_t {
  psUnclaimed = 0,
  psOption = 2,
  psOptionValue = 3,
  psOptionWithValue = 4,
  psIncomplete = 5,
  psPositional = 6,
};

// One command-line argument and what the searches made of it.
struct TParamStatusRec {
  TParamStatus Status = psUnclaimed;
  bool IsOption = false;
  bool HasValue = false;
  bool ValueAttached = false;
  bool IsPositional = false;
  std::string Text;
};

using TParamStatusArray = std::vector<TParamStatusRec>;

// The outcome of one option search.
struct TFindParamRec {
  bool ValueAdjusted = false;
  bool Found = false;
  bool ValueAttached = false;
  std::int32_t ParamIndex = -1;
  std::int32_t NextIndex = -1;
  std::string ParamText;
  std::string Value;
  std::string Value2;
};

using TParamRecArray = std::vector<TFindParamRec>;

// The counts and lists of one validation pass. Each counter counts the items
// of the list of the same name.
struct TParamStatisticsRec {
  bool IsValid = true;
  bool Validated = false;
  bool NoKnownOption = false;
  std::uint16_t FirstIndex = 0;
  std::uint16_t LastIndex = 0;
  std::uint16_t AllCount = 0;
  std::uint16_t DistinctCount = 0;
  std::uint16_t NonEmptyCount = 0;
  std::uint16_t ShownCount = 0;
  std::uint16_t OptionCount = 0;
  std::uint16_t ValueCount = 0;
  std::uint16_t OtherCount = 0;
  std::uint16_t AttachedCount = 0;
  std::uint16_t IncompleteCount = 0;
  std::uint16_t InvalidCount = 0;
  std::uint16_t OutOfRangeCount = 0;
  std::uint16_t PositionalCount = 0;
  std::string AllList;
  std::string DistinctList;
  std::string NonEmptyList;
  std::string ShownList;
  std::string OptionList;
  std::string ValueList;
  std::string OtherList;
  std::string AttachedList;
  std::string IncompleteList;
  std::string InvalidList;
  std::string OutOfRangeList;
  std::string PositionalList;
  std::string KnownOptionsGiven;
  std::string KnownSpellings;
  std::string RecordName;
};

// The application identity (SetAppInfo fills it).
struct TFileVersionInfoRec {
  bool Initialized = false;
  std::string FileName;
  std::string BaseName;
  std::string FileExt;
  std::string NameVersion;
  std::string FileNameBuild;
  std::string NameBuild;
  std::string Reserved1;
  std::string Reserved2;
  std::string Reserved3;
  std::string Reserved4;
  std::string Reserved5;
  std::string Description;
  std::string Reserved6;
  std::string LegalNotice;
  std::string AuthorInfo;
  std::string Reserved7;
  std::string ExeDir;
};

// Values of TCoreState::ParamMatchMode.
inline constexpr std::int32_t pmPlain = 0;          // -x, /x and --name only
inline constexpr std::int32_t pmBareSymbols = 1;    // also a bare symbol alias such as ~
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

// Defined once (core/base/core_state.cpp): an inline variable would give
// every file that includes this header a start-up initializer of its own.
extern TCoreState CoreState;
extern std::int32_t ExitCode;
extern std::string ExePath;  // the executable's directory, QuoteIfSpaced
extern TFileVersionInfoRec AppInfo;

extern TParamStatusArray ParamStatus;  // argv[1] is entry 0
extern TParamRecArray FoundParams;     // matches logged while KeepFoundParams
extern TParamStatisticsRec CustomValidation;
extern TParamStatisticsRec DefaultValidation;

extern TFindParamRec DebugParam;
extern TFindParamRec ErrorDelayParam;
extern TFindParamRec AudibleErrorParam;
extern TFindParamRec HelpParam;
extern TFindParamRec VerboseParam;
extern TFindParamRec VersionOnlyParam;
extern TFindParamRec BannerParam;
extern TFindParamRec InfoParam;

// ExitCode 0, the streams bound, ExePath set, ParamStatus built, FoundParams
// emptied and both validation records named.
void CoreInitialize();
// Releases the run records, hands pending text over and gives the streams'
// buffer back (a later write takes one again).
void CoreFinalize();

// s, wrapped in double quotes when it is empty or holds a blank.
std::string QuoteIfSpaced(std::string_view s);

}  // namespace corvane
