#pragma once

namespace stillmark {
// Keeps the theme lean: no bold face loaded for the lists' hidden headers, and the default theme's
// check marks from its PNG images, not through the SVG renderer. Controls keep GTK's own sizes and
// padding.
void ApplyCompactTheme();
} // namespace stillmark
