// The web view module's entry point (see HtmlView.h).
#include "ui/info/WebHtmlView.h"

extern "C" __attribute__((visibility("default"))) stillmark::HtmlView* StillmarkCreateHtmlView() {
    return new stillmark::WebHtmlView;
}
