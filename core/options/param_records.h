// The argument table and the records of the option framework.
#pragma once

#include <cstdint>
#include <string>
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

extern TParamStatusArray ParamStatus;
extern TParamRecArray FoundParams;
extern TParamStatisticsRec CustomValidation;
extern TParamStatisticsRec DefaultValidation;

// One fresh, unclaimed entry per command-line argument.
void BuildParamStatus(TParamStatusArray& table);
void ResetParamStatus(TParamStatusArray& table, std::int32_t count);
void ResetParamRecArray(TParamRecArray& records, std::int32_t count);
// Resets every field; keeps the record's name when name is empty.
void InitParamStatistics(TParamStatisticsRec& record, const std::string& name);

}  // namespace corvane
