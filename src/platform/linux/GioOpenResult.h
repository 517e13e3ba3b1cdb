#pragma once
// How the causes GLib reports for a link that did not open (GIO's launch, the spawn of the fallback
// opener) read as an OpenResult.
#include "ui/info/OpenResult.h"

#include <glib.h>

namespace stillmark {

// An error of GIO (G_IO_ERROR) or of starting a program (G_SPAWN_ERROR); anything else means that
// no program could take the target.
OpenResult OpenResultOfError(GQuark domain, int code);

} // namespace stillmark
