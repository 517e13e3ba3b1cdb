#pragma once
#include <wx/app.h>

// Starts the program: the main window is its only window, and the program ends with it.
class CStillmarkApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
};

wxDECLARE_APP(CStillmarkApp);
