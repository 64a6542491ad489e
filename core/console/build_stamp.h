// The build stamps of a tool built without CMake's corvane_build_stamp:
// write CORVANE_BUILD_STAMP; once, at file scope, in one source of the tool.
// They are the compiler's date and time of that source (__DATE__ and
// __TIME__, which GCC, and Clang from version 16, take from SOURCE_DATE_EPOCH
// when it is set).
#pragma once

#include "app_identity.h"

namespace corvane {

// Character i of "yyyy/mm/dd hh:nn:ss", read from __DATE__ ("Mmm dd yyyy")
// and __TIME__ ("hh:mm:ss").
constexpr char StampChar(const char* date, const char* time, int i) {
  constexpr char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
  int month = 1;
  while (month < 12 && !(kMonths[month * 3 - 3] == date[0] && kMonths[month * 3 - 2] == date[1] &&
                         kMonths[month * 3 - 1] == date[2])) {
    ++month;
  }
  if (i < 4) return date[7 + i];
  if (i == 5 || i == 6) return static_cast<char>('0' + (i == 5 ? month / 10 : month % 10));
  if (i == 8) return date[4] == ' ' ? '0' : date[4];
  if (i == 9) return date[5];
  if (i == 4 || i == 7) return '/';
  return i == 10 ? ' ' : time[i - 11];
}

}  // namespace corvane

// clang-format off
#define CORVANE_STAMP_(i) ::corvane::StampChar(__DATE__, __TIME__, i)
#define CORVANE_STAMP_DATE_ CORVANE_STAMP_(0), CORVANE_STAMP_(1), CORVANE_STAMP_(2), \
  CORVANE_STAMP_(3), CORVANE_STAMP_(4), CORVANE_STAMP_(5), CORVANE_STAMP_(6), CORVANE_STAMP_(7), \
  CORVANE_STAMP_(8), CORVANE_STAMP_(9)
#define CORVANE_STAMP_TIME_ CORVANE_STAMP_(10), CORVANE_STAMP_(11), CORVANE_STAMP_(12), \
  CORVANE_STAMP_(13), CORVANE_STAMP_(14), CORVANE_STAMP_(15), CORVANE_STAMP_(16), \
  CORVANE_STAMP_(17), CORVANE_STAMP_(18)
#ifdef CORVANE_BUILD_STAMP_GENERATED
#define CORVANE_BUILD_STAMP static_assert(true)
#else
#define CORVANE_BUILD_STAMP \
  const char corvane::BuildDateStamp[] = {CORVANE_STAMP_DATE_, '\0'}; \
  const char corvane::BuildTimeStamp[] = {CORVANE_STAMP_DATE_, CORVANE_STAMP_TIME_, '\0'}
#endif
// clang-format on
