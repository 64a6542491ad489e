#include <string>

#include "core/options/option_table.h"
#include "corvane/console.h"
#include "core/console/text_stream.h"
#include "core/platform/platform.h"

namespace corvane {

namespace {

// Scripts are written with LF line ends, which every shell reads.

// text in single quotes for the shell: zsh and bash close the quotes around
// an escaped one, fish escapes it inside them.
std::string Quoted(std::string_view text, bool fish) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += fish ? "\\'" : "'\\''";
    } else if (fish && c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out + "'";
}

// zsh's option description goes between brackets, and a value's message after ":".
std::string ZshHelp(std::string_view help) {
  std::string out;
  for (char c : help) {
    if (c == '[' || c == ']' || c == ':' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

bool WriteCompletion(std::span<const TOptionRec> options, std::string_view shell) {
  const std::string name(PlatformMessageName());
  std::string out;
  if (shell == "bash") {
    std::string words;
    for (const TOptionRec& option : options) {
      for (const std::string& spelling : OptionSpellings(option.Aliases)) {
        words += (words.empty() ? "" : " ") + spelling;
      }
    }
    out = "_" + name + "() {\n  COMPREPLY=($(compgen -W " + Quoted(words, false) +
          " -- \"${COMP_WORDS[COMP_CWORD]}\"))\n}\ncomplete -o default -F _" + name + " " +
          Quoted(name, false) + "\n";
  } else if (shell == "zsh") {
    out = "#compdef " + name + "\n_arguments";
    for (const TOptionRec& option : options) {
      const bool value = option.Kind == okText || option.Kind == okNumber;
      for (const std::string& spelling : OptionSpellings(option.Aliases)) {
        out +=
            " \\\n  " +
            Quoted(spelling + "[" + ZshHelp(option.Help) + "]" + (value ? ":value: " : ""), false);
      }
    }
    out += " \\\n  '*: :_default'\n";
  } else if (shell == "fish") {
    for (const TOptionRec& option : options) {
      out += "complete -c " + Quoted(name, true);
      for (const std::string& spelling : OptionSpellings(option.Aliases)) {
        // One-letter options cannot be combined (-ab is not -a -b): old style.
        const bool shortForm = spelling.size() == 2;
        out += (shortForm ? " -o " : " -l ") + Quoted(spelling.substr(shortForm ? 1 : 2), true);
      }
      if (option.Kind == okText || option.Kind == okNumber) out += " -x";
      out += " -d " + Quoted(option.Help, true) + "\n";
    }
  } else {
    return false;
  }
  WriteText(ConsoleOut, out);
  return true;
}

}  // namespace corvane
