// What must hold for every command line the whole program is run over. The
// fuzz target and the regression replay share it: CheckProgramRun returns the
// first broken rule, or "" when the run is sound.
//
// The check carries its own small model of the command line: which argument
// each option claims, what the positional slots hold, the order of the
// checks. From it follows the exit code, the generated lines byte for byte,
// the complaint of a syntax error and which stream may carry what. The model
// is written from the command-line rules, not from the program's code; the
// option table, the exit codes, the complaints and the help it takes from
// tests/support, where the unit and end-to-end tests find them too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/options.h"
#include "core/base/text.h"
#include "fuzz/reference_number.h"
#include "linewright_version.h"
#include "tests/support/expected_help.h"
#include "tests/support/expected_rules.h"

namespace fuzzcheck {

using namespace expected;

// Everything a run leaves that can be checked from outside.
struct TProgramOutcomeRec {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
  int Sleeps = 0;
  int Alerts = 0;
};

inline constexpr std::size_t kMaxFuzzArguments = 64;

// Every NUL byte ends one argument; bytes after the last NUL make one more.
// So "" is no argument at all, "\0" one empty argument. Arguments past the
// limit are dropped.
inline std::vector<std::string> SplitFuzzArguments(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  std::string current;
  for (std::size_t k = 0; k < size && args.size() < kMaxFuzzArguments; ++k) {
    if (data[k] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[k]));
    }
  }
  if (!current.empty() && args.size() < kMaxFuzzArguments) args.push_back(current);
  return args;
}

// ---- The model ------------------------------------------------------------

enum TModelStatus { msUnclaimed, msOption, msValue, msOptionWithValue, msIncomplete, msPositional };

struct TModelFoundRec {
  bool Found = false;
  std::string Value;
};

struct TModelRunRec {
  TModelFoundRec Options[opCount];
  std::vector<TModelStatus> Status;
  std::string Char;  // the character's bytes
  std::int32_t Length = 0;
  std::int32_t Lines = 0;
};

inline char ModelFold(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool ModelSameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (ModelFold(a[k]) != ModelFold(b[k])) return false;
  }
  return true;
}

struct TModelMatchRec {
  bool Matched = false;
  bool Attached = false;
  std::string Value;
};

// One alias against one argument: "/" or "-" before a one-character alias,
// "/" or "--" before a longer one, then either the end of the argument or
// ":" or "=" and an attached value of at most 999 characters.
inline TModelMatchRec ModelMatch(std::string_view alias, std::string_view arg) {
  TModelMatchRec m;
  const std::string_view prefixes[2] = {"/", alias.size() == 1 ? "-" : "--"};
  for (std::string_view prefix : prefixes) {
    const std::size_t n = prefix.size() + alias.size();
    if (arg.size() < n) continue;
    if (arg.substr(0, prefix.size()) != prefix) continue;
    if (!ModelSameText(arg.substr(prefix.size(), alias.size()), alias)) continue;
    if (arg.size() == n) {
      m.Matched = true;
      return m;
    }
    if (arg[n] == ':' || arg[n] == '=') {
      m.Matched = true;
      m.Attached = true;
      m.Value = std::string(arg.substr(n + 1, 999));
      return m;
    }
  }
  return m;
}

inline std::vector<std::string_view> ModelAliases(std::string_view list) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t k = 0; k <= list.size(); ++k) {
    if (k == list.size() || list[k] == ' ') {
      if (k > start) out.push_back(list.substr(start, k - start));
      start = k + 1;
    }
  }
  return out;
}

// One option search over the whole command line: the first argument that
// spells the option wins; its value is attached or the next argument.
inline TModelFoundRec ModelSearch(const TOptionRuleRec& option,
                                  const std::vector<std::string>& args,
                                  std::vector<TModelStatus>& status) {
  TModelFoundRec rec;
  const std::size_t n = args.size();
  for (std::size_t i = 0; i < n; ++i) {
    bool hit = false;
    for (std::string_view alias : ModelAliases(option.Aliases)) {
      TModelMatchRec m = ModelMatch(alias, args[i]);
      if (!m.Matched) continue;
      hit = true;
      status[i] = msOption;
      rec.Found = true;
      if (m.Attached) {
        rec.Value = m.Value;
        if (!m.Value.empty() || !option.Required) {
          status[i] = msOptionWithValue;
          break;
        }
        status[i] = msIncomplete;
      }
      if (option.ValuesTaken == 1) {
        if (i + 1 >= n) {
          rec.Value.clear();
          if (option.Required) {
            rec.Found = false;
            status[i] = msIncomplete;
          }
        } else {
          rec.Value = args[i + 1];
          if (option.Required && args[i + 1].empty()) {
            rec.Found = false;
            status[i] = msIncomplete;
          } else if (status[i + 1] == msUnclaimed || status[i + 1] == msValue) {
            status[i + 1] = msValue;
          } else {
            status[i] = msIncomplete;
          }
        }
      }
    }
    if (hit) break;
  }
  return rec;
}

inline TModelRunRec ModelRun(const std::vector<std::string>& args) {
  TModelRunRec run;
  run.Status.assign(args.size(), msUnclaimed);
  if (!args.empty() && !args[0].empty()) {
    // The character rule has a table of its own; the model takes it whole.
    run.Char = args[0].substr(0, corvane::FirstCharacterLength(args[0]));
    run.Status[0] = msPositional;
  }
  if (args.size() >= 2 && !args[1].empty()) {
    run.Length = static_cast<std::int32_t>(fuzzref::ReferenceNumberCapped(args[1], 0, kMaxLength));
    run.Status[1] = msPositional;
  }
  for (int k = 0; k < opCount; ++k) run.Options[k] = ModelSearch(kOptions[k], args, run.Status);
  run.Lines = static_cast<std::int32_t>(fuzzref::ReferenceNumberRange(
      run.Options[opNumber].Value, kDefaultLines, kMinLines, kMaxLines));
  const TModelFoundRec& charOption = run.Options[opChar];
  if (charOption.Found && !charOption.Value.empty()) {
    run.Char = charOption.Value.substr(0, corvane::FirstCharacterLength(charOption.Value));
  }
  return run;
}

inline std::string ModelList(const std::vector<std::string>& args,
                             const std::vector<TModelStatus>& status, TModelStatus wanted) {
  std::string list;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (status[k] != wanted) continue;
    const std::string& a = args[k];
    if (a.empty()) {
      list += "\"\"";
    } else if (a.find(' ') != std::string::npos) {
      list += '"' + a + '"';
    } else {
      list += a;
    }
    list += ' ';
  }
  return list;
}

// ---- The checks -------------------------------------------------------------

inline bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}
inline bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}
inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Lines of one repeated character: the shape every generating run must have,
// checked apart from the model so a fault in the model cannot hide it.
inline std::string CheckLineShape(const std::string& out) {
  if (out.empty()) return "";
  const std::string_view eol = expected::TestedLineEnd();
  // Lines of line ends have no shape of their own to check: where "\n" is
  // the character and the line end alike, only the model tells the lines
  // apart, and its comparison checks them.
  if (out.substr(0, corvane::FirstCharacterLength(out)).find(eol.back()) != std::string::npos) {
    return "";
  }
  const std::size_t firstEnd = out.find(eol);
  if (firstEnd == std::string::npos) return "generated output does not end its line";
  const std::string line = out.substr(0, firstEnd + eol.size());
  if (out.size() % line.size() != 0) return "generated lines differ in length";
  const std::size_t count = out.size() / line.size();
  if (count > static_cast<std::size_t>(kMaxLines)) {
    return "more than " + std::to_string(kMaxLines) + " lines generated";
  }
  for (std::size_t k = 0; k < count; ++k) {
    if (out.compare(k * line.size(), line.size(), line) != 0) return "generated lines differ";
  }
  // The repeated character may itself be a blank, so the suffix is found from
  // the end and must name the length of what stands before it.
  std::string_view body(line.data(), firstEnd);
  // A character that begins with what joins its own copies (a regional
  // indicator, a lone mark or joiner) runs into the next one on the line:
  // the line shows no unit of its own, and the model's comparison checks it.
  char32_t cp = 0;
  const std::string first(body.substr(0, corvane::DecodeUtf8(body, 0, cp)));
  if (!first.empty() && corvane::FirstCharacterLength(first + first + first) != first.size()) {
    return "";
  }
  const std::size_t mark = body.rfind(" Length: ");
  const std::size_t unit = body.empty() ? 1 : corvane::FirstCharacterLength(body);
  if (mark != std::string_view::npos && mark % unit == 0 &&
      body.substr(mark + 9) == std::to_string(mark / unit)) {
    body = body.substr(0, mark);
  }
  const std::size_t characters = body.size() / unit;
  if (body.empty() || characters > static_cast<std::size_t>(kMaxLength)) {
    return "line length " + std::to_string(characters) + " outside 1.." +
           std::to_string(kMaxLength);
  }
  for (std::size_t at = 0; at < body.size(); at += unit) {
    if (body.size() % unit != 0 || body.compare(at, unit, body, 0, unit) != 0) {
      return "line is not one repeated character (or its length suffix is wrong)";
    }
  }
  return "";
}

inline std::string CheckProgramRun(const std::vector<std::string>& args,
                                   const TProgramOutcomeRec& run, const std::string& baseName) {
  const int code = run.ExitCode;
  const bool errorCode = code == kExitMissing || code == kExitIncomplete || code == kExitInvalid;
  if (code != kExitDone && !errorCode && code != kExitHelp) {
    return "exit code " + std::to_string(code) + " is none the program has";
  }
  if (errorCode) {
    if (!run.Out.empty()) return "standard output not empty after a syntax error";
  }
  if (code == kExitDone) {
    std::string shape = CheckLineShape(run.Out);
    if (!shape.empty()) return shape;
  }
  const std::string heading = HelpBytes(kHelpHeading, "");
  if (code == kExitHelp && !StartsWith(run.Out, heading))
    return "help does not start with its heading";

  const TModelRunRec model = ModelRun(args);
  const auto found = [&model](int option) { return model.Options[option].Found; };
  const bool infoRequested = found(opHelp) || found(opVersionOnly) || found(opInfo);
  int due = kExitDone;
  std::string complaint;
  if (!infoRequested) {
    const std::string incomplete = ModelList(args, model.Status, msIncomplete);
    const std::string invalid = ModelList(args, model.Status, msUnclaimed);
    if (args.size() < 2) {
      due = kExitMissing;
      complaint = MissingComplaint();
    } else if (!incomplete.empty()) {
      due = kExitIncomplete;
      complaint = IncompleteComplaint(incomplete);
    } else if (!invalid.empty()) {
      due = kExitInvalid;
      complaint = InvalidComplaint(invalid);
    } else if (model.Length < 1) {
      due = kExitInvalid;
      complaint = kBadLengthComplaint;
    }
  } else if (found(opHelp)) {
    due = kExitHelp;
  }
  if (code != due) {
    return "exit code " + std::to_string(code) + ", the command line calls for " +
           std::to_string(due);
  }

  const std::string banner = baseName + " v" LINEWRIGHT_VERSION;
  const bool syntaxError = !complaint.empty();
  if (syntaxError) {
    if (!StartsWith(run.Err, banner)) return "syntax error report not preceded by the banner";
    const std::string eol(TestedLineEnd());
    if (!Contains(run.Err, eol + complaint + eol))
      return "report lacks the complaint: " + complaint;
    if (!EndsWith(run.Err, ExpectedHelp(hfShort, baseName)))
      return "syntax error not followed by the short help";
  } else if (code == kExitHelp) {
    if (run.Out != ExpectedHelp(found(opVerbose) ? hfExtended : hfFull, baseName)) {
      return "help is not the form the verbose option calls for";
    }
    if (!StartsWith(run.Err, banner)) return "help not preceded by the banner";
  } else if (found(opVersionOnly) || found(opInfo)) {
    if (!run.Out.empty()) return "information path wrote to standard output";
    if (!StartsWith(run.Err, banner)) return "information path did not show the build line";
  } else {
    const std::int32_t length = model.Length;
    std::string line;
    for (std::int32_t k = 0; k < length; ++k) line += model.Char;
    if (found(opLength)) line += " Length: " + std::to_string(length);
    line += expected::TestedLineEnd();
    std::string lines;
    for (std::int32_t k = 0; k < model.Lines; ++k) lines += line;
    if (run.Out != lines) {
      return "generated " + std::to_string(run.Out.size()) + " bytes, the command line calls for " +
             std::to_string(model.Lines) + " lines of " + std::to_string(line.size()) + " bytes";
    }
    const bool bannerWanted = found(opBanner) || found(opVerbose);
    if (bannerWanted != !run.Err.empty())
      return "banner shown when not asked for, or missing when asked";
    if (bannerWanted && !StartsWith(run.Err, banner))
      return "standard error holds more than the banner";
  }

  const bool beep = syntaxError && (found(opDebug) || found(opAudibleError));
  const bool pause = syntaxError && (found(opDebug) || found(opErrorDelay));
  if (run.Alerts != (beep ? 1 : 0)) return "alert count " + std::to_string(run.Alerts);
  if (run.Sleeps != (pause ? 30 : 0)) return "pause slept " + std::to_string(run.Sleeps) + " times";
  return "";
}

// A run repeated in the same process must give the same result: nothing of
// one run may leak into the next.
inline std::string CheckSameOutcome(const TProgramOutcomeRec& first,
                                    const TProgramOutcomeRec& second) {
  if (first.ExitCode != second.ExitCode) return "exit code changed when the run was repeated";
  if (first.Out != second.Out) return "standard output changed when the run was repeated";
  if (first.Err != second.Err) return "standard error changed when the run was repeated";
  if (first.Sleeps != second.Sleeps || first.Alerts != second.Alerts) {
    return "console use changed when the run was repeated";
  }
  return "";
}

}  // namespace fuzzcheck
