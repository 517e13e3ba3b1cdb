#include "ui/common/CompactTheme.h"

namespace stillmark {

// Windows' controls draw themselves with the system's theme: nothing to make leaner.
void ApplyCompactTheme() {}

} // namespace stillmark
