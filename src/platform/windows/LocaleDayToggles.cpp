#include "schedule/WeekDays.h"

#include "platform/windows/WideText.h"

#include <windows.h>

namespace stillmark {
namespace {

std::wstring LocaleText(LCTYPE item) {
    wchar_t buffer[80] = {};
    const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, 80);
    return length > 1 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : std::wstring();
}

} // namespace

// The names and the first day of the week from the user's Windows locale (Region settings).
std::vector<DayToggle> LocaleDayToggles() {
    // Windows counts from Monday (1) to Sunday (7); the week's first day from Monday (0) to Sunday (6).
    const LCTYPE names[] = {LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2,
                            LOCALE_SABBREVDAYNAME3, LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5,
                            LOCALE_SABBREVDAYNAME6};
    std::array<std::string, 7> namesFromSunday;
    for (std::size_t i = 0; i < namesFromSunday.size(); ++i)
        namesFromSunday[i] = Utf8FromWide(LocaleText(names[i]));
    const std::wstring first = LocaleText(LOCALE_IFIRSTDAYOFWEEK);
    const int fromMonday = first.size() == 1 && first[0] >= L'0' && first[0] <= L'6' ? first[0] - L'0' : 0;
    return OrderDayToggles(namesFromSunday, (fromMonday + 1) % 7);
}

} // namespace stillmark
