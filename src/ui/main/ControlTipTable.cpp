#include "ui/main/ControlTips.h"

#include <wx/translation.h>

namespace stillmark {

const std::vector<std::pair<std::string_view, std::string_view>>& ControlTipTable() {
    static const std::vector<std::pair<std::string_view, std::string_view>> table = {
        {"start_time", wxTRANSLATE("The start time or when the first stillmark will occure.\nUse the up/down "
                                   "button or enter the start "
                                   "time.")},
        {"end_time",
         wxTRANSLATE(
             "The end time or when the last stillmark will occure.\nUse the up/down button or enter the "
             "end time.")},
        {"increment", wxTRANSLATE("The time step when clicking on the up/down buttons")},
        {"count", wxTRANSLATE("The number of stillmark moments you like to have.\nUse the up/down button or "
                              "enter the number.")},
        {"sound_path",
         wxTRANSLATE(
             // TRANSLATORS: "Default" is the name the field understands: keep it as it is.
             "Sound to play when the stillmark moment occurs.\nLeave empty or use the name Default for the "
             "build-in sound")},
        {"use_sound", wxTRANSLATE("Switch on/off the playing of the sound")},
        {"use_ampm", wxTRANSLATE("Shows Am-Pm (American display mode)\nor 24 hours (European display mode)")},
        {"start_minimized",
         wxTRANSLATE("When checked, this will start Stillmark\nby default in the notification area.")},
        {"start_with_desktop",
         wxTRANSLATE("When checked, Stillmark starts with the desktop at each log-in.")},
        {"quiet_when_busy",
         wxTRANSLATE("When checked, a moment passes without a reminder while the screen is locked,\nand "
                     "without a sound in do-not-disturb or while a window fills the screen.")},
        {"day", wxTRANSLATE("Stillmark alerts on the days that are pressed in.\nOn other days the list still "
                            "shows the moments.")},
        {"browse_sound", wxTRANSLATE("Browse for a sound (wav,mp3,wma file)")},
        {"play_sound", wxTRANSLATE("Push this button to play\nthe selected sound")},
        {"stop_sound", wxTRANSLATE("Push this button to stop\nplaying the selected sound")},
        {"moments", wxTRANSLATE("Shows the list of all stillmark moments")},
        {"show_tip",
         wxTRANSLATE(
             "Check this to get tips on all items in this dialog.\nHover over the items to see the tip.")},
        {"run_background", wxTRANSLATE("Pushing this button will make Stillmark run in the background.\nUpon "
                                       "stillmark time you will be "
                                       "notified with a pop-up balloon")},
        {"close", wxTRANSLATE("Quits Stillmark")},
        {"count_spin", wxTRANSLATE("Click to increase or decrease the number of stillmark moments.")},
        {"start_spin", wxTRANSLATE("Click to increase or decrease the stillmark starting time")},
        {"end_spin", wxTRANSLATE("Click to increase or decrease the stillmark ending time")},
        {"about", wxTRANSLATE("See more info about Stillmark.")},
    };
    return table;
}

} // namespace stillmark
