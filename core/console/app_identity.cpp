// The application identity record and the case-insensitive replace it uses.
#include "corvane/console.h"

#include "core/base/text.h"
#include "core/options/ascii_text.h"
#include "core/platform/platform.h"

namespace corvane {

namespace {

// The core's maker lines: one short line each, plain ASCII.
constexpr const char kLegalNotice[] = "Copyright (c) 2026 The Linewright developers. MIT License.";
constexpr const char kAuthorInfo[] =
    "Written by the Linewright developers; source and documentation ship with the program.";

}  // namespace

std::string ReplaceText(const std::string& s, const std::string& oldText,
                        const std::string& newText, bool firstOnly) {
  if (oldText.empty()) return s;
  const std::string haystack = LowerAscii(s);
  const std::string needle = LowerAscii(oldText);
  std::string out;
  std::size_t from = 0;
  for (;;) {
    std::size_t hit = haystack.find(needle, from);
    if (hit == std::string::npos) break;
    out.append(s, from, hit - from);
    out += newText;
    from = hit + needle.size();
    if (firstOnly) break;
  }
  out.append(s, from, std::string::npos);
  return out;
}

void SetAppInfo(TFileVersionInfoRec& info, std::string_view version, std::string_view build,
                std::string_view description, std::string_view appName, bool upperCaseNames) {
  // Without the executable's path the name the program was started under
  // stands in, so the banner and the help never show an empty name.
  const std::string& path =
      PlatformExecutablePath().empty() ? PlatformProgramName() : PlatformExecutablePath();

  info.ExeDir = path.substr(0, FileNameStart(path));
  std::string fileName = path.substr(info.ExeDir.size());
  if (fileName.empty()) fileName = appName;  // not even argv[0]: the last resort
  info.FileExt = ExtensionOf(fileName);

  info.FileName = upperCaseNames ? UpperAscii(fileName) : fileName;
  std::string baseName = ReplaceText(info.FileName, info.FileExt, "", false);
  // A name made only of its extension (".exe.exe") would vanish entirely.
  if (baseName.empty()) baseName = info.FileName;
  info.BaseName = upperCaseNames ? UpperAscii(baseName) : baseName;

  (info.FileNameBuild = info.FileName).append(" v").append(build);
  (info.NameBuild = info.BaseName).append(" v").append(build);
  (info.NameVersion = info.BaseName).append(" v").append(version);
  info.Description = description;
  info.LegalNotice = kLegalNotice;
  info.AuthorInfo = kAuthorInfo;
  info.Reserved1.clear();
  info.Reserved2.clear();
  info.Reserved3.clear();
  info.Reserved4.clear();
  info.Reserved5.clear();
  info.Reserved6.clear();
  info.Reserved7.clear();
  info.Initialized = true;
}

}  // namespace corvane
