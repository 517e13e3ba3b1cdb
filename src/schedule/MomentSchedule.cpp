#include "schedule/MomentSchedule.h"

#include <algorithm>

#include "schedule/Mathematics.h"
#include "schedule/TimeText.h"

namespace stillmark {
namespace {

constexpr int kMinMoments = 1;
constexpr int kMaxMoments = 40;

bool IsInDay(double hours) {
    return hours >= 0.0 && hours < 24.0;
}

} // namespace

std::vector<double> ComputeMoments(std::string_view startText, std::string_view endText, int count) {
    if (count < kMinMoments || count > kMaxMoments) {
        return {};
    }
    const double start = ParseTime(startText);
    double end = ParseTime(endText);
    if (!IsInDay(start) || !IsInDay(end)) {
        return {};
    }
    if (start > end) {
        end += 24.0; // the window runs past midnight
    }
    const double step = count == 1 ? 0.0 : (end - start) / (count - 1);

    // Accumulated rather than start + i * step: the rounding of the listed minutes depends on it.
    std::vector<double> moments;
    moments.reserve(static_cast<std::size_t>(count));
    double value = start - step;
    for (int i = 0; i < count; ++i) {
        value += step;
        moments.push_back(value);
    }
    return moments;
}

std::vector<std::string> ComputeMomentTexts(std::string_view startText, std::string_view endText, int count,
                                            bool useAmPm) {
    std::vector<std::string> texts;
    for (const double moment : ComputeMoments(startText, endText, count)) {
        const int minutes = ListedMinutes(moment) % (24 * 60);
        texts.push_back(FormatTime(minutes / 60 + (minutes % 60) / 60.0, useAmPm));
    }
    return texts;
}

int ListedMinutes(double moment) {
    const int hour = static_cast<int>(IntegerPart(moment));
    const int minute = static_cast<int>(RoundToMultiple(FractionalPart(moment) * 60.0, 1.0));
    return hour * 60 + minute; // a minute of 60 carries into the hour
}

int StepMomentCount(int count, int step) {
    const int from = std::clamp(count, kMinMoments, kMaxMoments);
    if (step > 0)
        return from == kMaxMoments ? kMinMoments : from + 1;
    if (step < 0)
        return from == kMinMoments ? kMaxMoments : from - 1;
    return from;
}

} // namespace stillmark
