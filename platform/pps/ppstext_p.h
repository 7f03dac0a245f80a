#ifndef HX_PPS_PPSTEXT_P_H
#define HX_PPS_PPSTEXT_P_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace hx {
namespace pps {
namespace text {

// Appends value as a quoted JSON string; bytes that are not valid UTF-8 become U+FFFD so the
// output always parses.
void appendJsonString(std::string &out, const char *value, size_t length);
// Shortest text that reads back as the same double; false for NaN and infinities.
bool appendNumber(std::string &out, double value);
void appendInteger(std::string &out, int64_t value);
// Length of the valid UTF-8 sequence starting at p (1 to 4), or 0 when it is not one.
size_t utf8SequenceLength(const unsigned char *p, const unsigned char *end);

} // namespace text
} // namespace pps
} // namespace hx

#endif
