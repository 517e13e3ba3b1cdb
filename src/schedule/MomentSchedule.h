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

// A moment's listed minute counted from the midnight its window starts after: 1440 and more fall on the
// next day. The list's texts are these minutes brought into the day.
int ListedMinutes(double moment);

// One step of the count's arrows: step > 0 (up) one moment more, step < 0 (down) one fewer, within 1..40
// and wrapping from 40 to 1 and from 1 to 40. A count outside that range steps from its nearer end.
int StepMomentCount(int count, int step);

} // namespace stillmark
