# Writes the build stamps into OUTPUT. With SOURCE_DATE_EPOCH set the stamp is
# that moment in UTC (string(TIMESTAMP) reads the variable itself), so two
# builds of one commit are byte-identical whatever the builder's time zone.
# Without it the stamp is the local time of the build. An empty variable
# counts as unset, as it does for string(TIMESTAMP).
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  string(TIMESTAMP _time "%Y/%m/%d %H:%M:%S" UTC)
else()
  string(TIMESTAMP _time "%Y/%m/%d %H:%M:%S")
endif()
string(SUBSTRING "${_time}" 0 10 _date)
# Declared by the core (app_identity.h); defined here, in the tool's own target.
set(_content "// Generated at build time; do not edit.
namespace corvane {

extern const char BuildDateStamp[] = \"${_date}\";
extern const char BuildTimeStamp[] = \"${_time}\";

}  // namespace corvane
")
file(WRITE "${OUTPUT}.tmp" "${_content}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
