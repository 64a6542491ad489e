// The one home of the core's process-wide state, below the layers that read
// and write it.
#include "core/base/core_state.h"

namespace corvane {

TCoreState CoreState;
std::int32_t ExitCode = 0;
std::string ExePath;
TFileVersionInfoRec AppInfo;
TFormatSettings FormatSettings;

TParamStatusArray ParamStatus;
TParamRecArray FoundParams;
TParamStatisticsRec CustomValidation;
TParamStatisticsRec DefaultValidation;

TFindParamRec DebugParam;
TFindParamRec ErrorDelayParam;
TFindParamRec AudibleErrorParam;
TFindParamRec HelpParam;
TFindParamRec VerboseParam;
TFindParamRec VersionOnlyParam;
TFindParamRec BannerParam;
TFindParamRec InfoParam;

}  // namespace corvane
