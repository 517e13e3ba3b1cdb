// The web view module's entry point (see HtmlCtrlApi.h).
#include "ui/info/HtmlCtrl.h"

extern "C" __attribute__((visibility("default"))) stillmark::IHtmlCtrl* StillmarkCreateHtmlCtrl() {
    return new CHtmlCtrl;
}
