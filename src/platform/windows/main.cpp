#include "app/StillmarkApp.h"
#include "platform/windows/SingleInstance.h"

int main(int argc, char** argv) {
    // Before any window: a second start only brings the first copy's window forward, and ends with 0
    // whether the first one answered or not (it may be ending just now).
    stillmark::SingleInstance instance([] {
        if (wxTheApp)
            wxGetApp().ShowMainWindow();
    });
    if (!instance.IsFirst()) {
        instance.AskFirstToShow();
        return 0;
    }
    return wxEntry(argc, argv);
}
