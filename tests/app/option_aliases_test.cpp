#include "app/option_aliases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/options/alias_registry.h"
#include "core/options/option_spellings.h"
#include "core/options/syntax_validation.h"
#include "app/program_flow.h"
#include "core/console/core_start.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

namespace {

// The record as app/option_aliases.cpp writes it, from its parts.
std::string RecordText(const std::vector<std::size_t>& registered, std::string_view defined,
                       std::string_view known, std::string_view essential) {
  std::string text = "constexpr std::size_t kRegistered[] = {";
  for (std::size_t k = 0; k < registered.size(); ++k) {
    text += (k == 0 ? "" : ", ") + std::to_string(registered[k]);
  }
  text += "};\n";
  // Each text in pieces that end after a blank, at most 76 bytes each.
  for (std::string_view part : {defined, known, essential}) {
    do {
      std::size_t cut = part.size() <= 76 ? part.size() : part.rfind(' ', 75) + 1;
      if (cut == 0) cut = part.size();
      text.append("    \"").append(part.substr(0, cut)).append("\"");
      part.remove_prefix(cut);
      text += part.empty() ? ",\n" : "\n";
    } while (!part.empty());
  }
  return text;
}

TEST(OptionAliases, RecordIsWhatTheSearchesWorkOut) {
  ASSERT_EQ(PrecomputedAliases, nullptr);
  std::string all;
  std::vector<std::size_t> registered;
  for (std::string_view list : ProgramAliasWork.Lists) {
    RegisterAliases(all, list);
    registered.push_back(all.size());
  }
  std::string essential;
  BuildInfoAliases(essential, all, StandardInfoAliases);
  const std::string worked = RecordText(registered, all, BuildOptionSpellings(all, pmPlain), essential);
  const std::vector<std::size_t> recorded(ProgramAliasWork.Registered.begin(),
                                          ProgramAliasWork.Registered.end());
  EXPECT_EQ(RecordText(recorded, ProgramAliasWork.DefinedAliases, ProgramAliasWork.KnownSpellings,
                       ProgramAliasWork.EssentialAliases),
            worked)
      << "app/option_aliases.cpp, worked out anew:\n"
      << worked;
}

struct TRunRec {
  int ExitCode;
  std::string Out, Err, Defined, Known, Essential;
  bool operator==(const TRunRec&) const = default;
};

TRunRec RunOnce(const std::vector<std::string>& args) {
  const TCaptureScope scope(args);
  RestoreProgramDefaults();
  const int code = RunProgram();
  return {code,
          scope.Capture.Out,
          scope.Capture.Err,
          CoreState.DefinedAliases,
          CustomValidation.KnownSpellings,
          CoreState.EssentialAliases};
}

// Runs with the record give what runs without it give, bytes and state.
TEST(OptionAliases, RunsWithTheRecordAreUnchanged) {
  const std::vector<std::vector<std::string>> rows = {
      {"=", "50", "-n=3"}, {"-h"}, {}, {"x", "5", "-c"}, {"x", "5", "/zz", "--len"}};
  // A search the record lacks would only cost speed: the lists run must be the record's.
  EXPECT_EQ(RunOnce(rows[0]).Defined, ProgramAliasWork.DefinedAliases);
  for (const auto& args : rows) {
    const TRunRec plain = RunOnce(args);
    PrecomputedAliases = &ProgramAliasWork;
    const TRunRec ahead = RunOnce(args);
    PrecomputedAliases = nullptr;
    EXPECT_TRUE(ahead == plain) << args.size() << " arguments: " << ahead.Err;
  }
}

}  // namespace
