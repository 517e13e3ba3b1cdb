#include "ui/main/ControlNames.h"

#include "ui/common/AccessibleName.h"

#include <utility>
#include <wx/intl.h>
#include <wx/window.h>
#include <wx/xrc/xmlres.h>

namespace stillmark {
namespace {

constexpr std::pair<const char*, const char*> kAccessibleNames[] = {
    {"start_time", wxTRANSLATE("Start Time")},
    {"start_spin", wxTRANSLATE("Step Start Time")},
    {"end_time", wxTRANSLATE("End Time")},
    {"end_spin", wxTRANSLATE("Step End Time")},
    {"increment", wxTRANSLATE("Increment")},
    {"count", wxTRANSLATE("Nmbr Stillmarks")},
    {"count_spin", wxTRANSLATE("Step Nmbr Stillmarks")},
    {"moments", wxTRANSLATE("Stillmark Times")},
    {"sound_path", wxTRANSLATE("Sound to Play")},
    {"browse_sound", wxTRANSLATE("Browse for a sound")},
    {"play_sound", wxTRANSLATE("Play")},
    {"stop_sound", wxTRANSLATE("Stop")},
    {"quiet_when_busy", wxTRANSLATE("Quiet while away or busy")}};

} // namespace

void NameControls(wxWindow& mainWindow) {
    for (const auto& [name, text] : kAccessibleNames)
        if (wxWindow* control = mainWindow.FindWindow(XRCID(name)))
            SetAccessibleName(*control, wxGetTranslation(text));
}

} // namespace stillmark
