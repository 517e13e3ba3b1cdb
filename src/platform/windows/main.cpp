#include "app/StillmarkApp.h"
#include "base/ProductIdentity.h"

#include <wx/snglinst.h>
#include <wx/utils.h>

int main(int argc, char** argv) {
    // One copy a user session: a second start leaves the first one be and ends at once.
    wxSingleInstanceChecker instance;
    if (instance.Create(wxString(stillmark::kApplicationId) + "-" + wxGetUserId()) &&
        instance.IsAnotherRunning())
        return 0;
    return wxEntry(argc, argv);
}
