#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stillmark {

// The day's moments, spread evenly from start to end, earliest first; values of 24 and more are times after
// midnight of a window that crosses it. Empty when count is outside 1..40 or start or end reads outside
// [0, 24).
std::vector<double> ComputeMoments(std::string_view startText, std::string_view endText, int count);

// The same moments as the list shows them, each rounded to a whole minute and brought into the day.
std::vector<std::string> ComputeMomentTexts(std::string_view startText, std::string_view endText, int count,
                                            bool useAmPm);

} // namespace stillmark
