#include "ui/tray/TrayChoice.h"

namespace stillmark {

TrayKind ChooseTrayKind(bool statusNotifierHostRegistered, bool xembedTrayAvailable) {
    if (statusNotifierHostRegistered)
        return TrayKind::StatusNotifier;
    return xembedTrayAvailable ? TrayKind::XEmbed : TrayKind::None;
}

} // namespace stillmark
