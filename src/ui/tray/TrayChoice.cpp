#include "ui/tray/TrayChoice.h"

namespace stillmark {

TrayKind ChooseTrayKind(bool statusNotifierHostRegistered, bool x11Display, bool xembedTrayAvailable) {
    if (statusNotifierHostRegistered)
        return TrayKind::StatusNotifier;
    return x11Display && xembedTrayAvailable ? TrayKind::XEmbed : TrayKind::None;
}

} // namespace stillmark
