#include "corvane/console.h"

#include <gtest/gtest.h>

#include "core/console/core_start.h"
#include "tests/support/fake_platform.h"

using namespace corvane;

TEST(ReplaceText, IgnoresLetterCaseAndReplacesEveryOccurrenceOrTheFirst) {
  const struct {
    const char* s;
    const char* oldText;
    const char* newText;
    bool firstOnly;
    const char* result;
  } cases[] = {
      {"Tool.EXE", ".exe", "", false, "Tool"},
      {"a.exe.exe", ".EXE", "", false, "a"},
      {"aXbxc", "x", "-", false, "a-b-c"},
      {"aXbxc", "x", "-", true, "a-bxc"},
      {"abc", "", "z", false, "abc"},
      {"abc", "", "z", true, "abc"},
      {"", "a", "b", false, ""},
      {"abc", "abcd", "z", false, "abc"},
      {"aaa", "aa", "b", false, "ba"},   // occurrences do not overlap
      {"aa", "a", "aA", false, "aAaA"},  // replaced text is not searched again
      {"12/30/1899 10:00", "12/30/1899", "08/27/2023", false, "08/27/2023 10:00"},
      {"\xC3\x84x", "\xC3\xA4X", "-", false, "\xC3\x84x"},  // only ASCII letters fold
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceText(c.s, c.oldText, c.newText, c.firstOnly), c.result)
        << c.s << " / " << c.oldText << " first=" << c.firstOnly;
  }
}

namespace {

TFileVersionInfoRec IdentityFor(const std::string& exePath, bool upperCaseNames,
                                const std::string& programName = "Linewright") {
  TCaptureScope scope({}, exePath, programName);
  TFileVersionInfoRec info;
  info.Reserved3 = "stale";
  SetAppInfo(info, "2.4.0", "2.4.0.160", "Generate string for Shell Scripting Environment",
             "Linewright", upperCaseNames);
  return info;
}

}  // namespace

TEST(SetAppInfo, DerivesEveryNameFromTheExecutablesFileName) {
  const struct {
    const char* exe;
    bool upper;
    const char* fileName;
    const char* baseName;
    const char* ext;
    const char* dir;
  } cases[] = {
      {"/x/X.exe", false, "X.exe", "X", ".exe", "/x/"},
      {"/opt/t/Tool.EXE", false, "Tool.EXE", "Tool", ".EXE", "/opt/t/"},
      {"/a/a.exe.exe", false, "a.exe.exe", "a", ".exe", "/a/"},
      {"/opt/tools/Linewright", false, "Linewright", "Linewright", "", "/opt/tools/"},
      {"/d/archive.tar.gz", false, "archive.tar.gz", "archive.tar", ".gz", "/d/"},
      {"/d/.hidden", false, ".hidden", ".hidden", "", "/d/"},
      {"/d/trailing.", false, "trailing.", "trailing", ".", "/d/"},
      {"/d/.exe.exe", false, ".exe.exe", ".exe.exe", ".exe", "/d/"},  // never an empty name
      {"/My Tools/a b.exe", false, "a b.exe", "a b", ".exe", "/My Tools/"},
      {"/x/X.exe", true, "X.EXE", "X", ".exe", "/x/"},
      {"/opt/t/lineWright.exe", true, "LINEWRIGHT.EXE", "LINEWRIGHT", ".exe", "/opt/t/"},
      {"/opt/t/tool-\xC3\xA4.exe", true, "TOOL-\xC3\xA4.EXE", "TOOL-\xC3\xA4", ".exe", "/opt/t/"},
  };
  for (const auto& c : cases) {
    TFileVersionInfoRec info = IdentityFor(c.exe, c.upper);
    SCOPED_TRACE(std::string(c.exe) + (c.upper ? " upper" : ""));
    EXPECT_EQ(info.FileName, c.fileName);
    EXPECT_EQ(info.BaseName, c.baseName);
    EXPECT_EQ(info.FileExt, c.ext);
    EXPECT_EQ(info.ExeDir, c.dir);
    EXPECT_EQ(info.NameVersion, std::string(c.baseName) + " v2.4.0");
    EXPECT_EQ(info.FileNameBuild, std::string(c.fileName) + " v2.4.0.160");
    EXPECT_EQ(info.NameBuild, std::string(c.baseName) + " v2.4.0.160");
  }
}

TEST(SetAppInfo, FallsBackToTheStartNameWhenThePathIsUnknown) {
  const struct {
    const char* programName;
    const char* fileName;
    const char* dir;
  } cases[] = {
      {"bin/lw.exe", "lw.exe", "bin/"},
      {"lw", "lw", ""},
      {"/usr/local/bin/Tool.EXE", "Tool.EXE", "/usr/local/bin/"},
      {"", "Linewright", ""},  // nothing at all: the application's own name
  };
  for (const auto& c : cases) {
    TFileVersionInfoRec info = IdentityFor("", false, c.programName);
    EXPECT_EQ(info.FileName, c.fileName) << c.programName;
    EXPECT_EQ(info.ExeDir, c.dir) << c.programName;
    EXPECT_FALSE(info.BaseName.empty()) << c.programName;
  }
}

TEST(SetAppInfo, FillsTheFixedTextsAndClearsTheReservedFields) {
  TFileVersionInfoRec info = IdentityFor("/opt/tools/Linewright", false);
  EXPECT_TRUE(info.Initialized);
  EXPECT_EQ(info.Description, "Generate string for Shell Scripting Environment");
  for (const std::string* maker : {&info.LegalNotice, &info.AuthorInfo}) {
    EXPECT_FALSE(maker->empty());
    for (unsigned char c : *maker) EXPECT_TRUE(c >= 32 && c < 127) << *maker;  // one plain line
  }
  for (const std::string* reserved :
       {&info.Reserved1, &info.Reserved2, &info.Reserved3, &info.Reserved4, &info.Reserved5,
        &info.Reserved6, &info.Reserved7}) {
    EXPECT_EQ(*reserved, "");
  }
}
