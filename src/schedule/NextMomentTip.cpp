#include "schedule/NextMomentTip.h"

#include "schedule/AlertDays.h"
#include "schedule/TimeText.h"

namespace stillmark {

std::string NextMomentTip(const std::vector<Moment>& moments, const ClockReading& now, TipDay day,
                          const Moment* snooze, Translator translate) {
    if (day == TipDay::Paused)
        return translate(Translatable("Paused for today"));
    if (day == TipDay::DayOff || moments.empty())
        return translate(Translatable("No Stillmark today"));
    const int nowMinute = now.hour * 60 + now.minute;
    const Moment* next = nullptr;
    const auto consider = [&](const Moment& moment) {
        const int minute = moment.hour * 60 + moment.minute;
        if (minute > nowMinute && (!next || minute < next->hour * 60 + next->minute))
            next = &moment;
    };
    for (const Moment& moment : moments)
        consider(moment);
    if (snooze)
        consider(*snooze);
    if (!next)
        return translate(Translatable("No more Stillmarks today"));
    // TRANSLATORS: the tip of the icon; %s is the time of the next moment, such as 14:30 or 02:30 pm.
    const std::string pattern = translate(Translatable("Next Stillmark at %s"));
    std::string tip = FillIn(pattern, {next->text});
    // A translation that lost its placeholder still tells the time, after its text.
    if (pattern.find("%s") == std::string::npos && pattern.find("%1$s") == std::string::npos)
        tip += " " + next->text;
    return tip;
}

std::string IconTip(const std::vector<Moment>& moments, std::time_t now, std::string_view alertDays,
                    std::string_view pausedOn, std::optional<std::time_t> snoozeAt, bool useAmPm,
                    Translator translate) {
    const ClockReading reading = ReadingAt(now);
    const TipDay day = pausedOn == DateText(reading.year, reading.month, reading.day)        ? TipDay::Paused
                       : DateAlerts(alertDays, "", reading.year, reading.month, reading.day) ? TipDay::Alerts
                                                                                             : TipDay::DayOff;
    std::optional<Moment> snooze;
    if (snoozeAt) {
        // One that would come after midnight names no moment of today.
        const ClockReading then = ReadingAt(*snoozeAt);
        if (then.year == reading.year && then.month == reading.month && then.day == reading.day)
            snooze = Moment{0, FormatTime(then.hour + then.minute / 60.0, useAmPm), then.hour, then.minute};
    }
    return NextMomentTip(moments, reading, day, snooze ? &*snooze : nullptr, translate);
}

} // namespace stillmark
