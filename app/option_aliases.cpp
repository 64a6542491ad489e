#include "app/option_aliases.h"

#include <cstddef>

namespace {

constexpr std::string_view kLists[] = {
    DebugAliases,   ErrorDelayAliases,  AudibleErrorAliases, HelpAliases,
    VerboseAliases, VersionOnlyAliases, InfoAliases,         BannerAliases,
    LengthAliases,  CharAliases,        NumberAliases,
};
constexpr std::size_t kRegistered[] = {16, 28, 42, 63, 79, 103, 110, 119, 132, 139, 157};

}  // namespace

// Printed by tests/app/option_aliases_test.cpp.
const corvane::TPrecomputedAliases ProgramAliasWork{
    kLists,
    kRegistered,
    "DEBUG DEBUG-MODE ERROR-DELAY AUDIBLE-ERROR H HELP ? H2 HELP2 ?? V VERBOSE "
    "BUILD VERSION-ONLY BUILD-ONLY I INFO B BANNER L LEN LENGTH C CHAR N NUMBER "
    "QUANTITY",
    "/DEBUG --DEBUG /DEBUG-MODE --DEBUG-MODE /ERROR-DELAY --ERROR-DELAY "
    "/AUDIBLE-ERROR --AUDIBLE-ERROR /H -H /HELP --HELP /? -? /H2 --H2 /HELP2 "
    "--HELP2 /?? --?? /V -V /VERBOSE --VERBOSE /BUILD --BUILD /VERSION-ONLY "
    "--VERSION-ONLY /BUILD-ONLY --BUILD-ONLY /I -I /INFO --INFO /B -B /BANNER "
    "--BANNER /L -L /LEN --LEN /LENGTH --LENGTH /C -C /CHAR --CHAR /N -N /NUMBER "
    "--NUMBER /QUANTITY --QUANTITY ",
    "-H --HELP -? --H2 --HELP2 --?? --VERSION-ONLY --BUILD-ONLY --INFO",
};
