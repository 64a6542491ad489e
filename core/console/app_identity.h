// The application identity record, the build stamps and the case-insensitive
// replace the identity uses.
#pragma once

#include <string>

namespace corvane {

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

// Fixed when the program is built: "yyyy/mm/dd" and "yyyy/mm/dd hh:nn:ss".
// The tool defines them, not the library, so that its banner shows when it
// was built: CMake's corvane_build_stamp(<target>), or CORVANE_BUILD_STAMP
// (build_stamp.h) in one of its sources.
extern const char BuildDateStamp[];
extern const char BuildTimeStamp[];

void SetAppInfo(TFileVersionInfoRec& info, const std::string& version, const std::string& build,
                const std::string& description, const std::string& appName, bool upperCaseNames);

// Case-insensitive (ASCII) replacement of every occurrence, or the first.
std::string ReplaceText(const std::string& s, const std::string& oldText,
                        const std::string& newText, bool firstOnly);

}  // namespace corvane
