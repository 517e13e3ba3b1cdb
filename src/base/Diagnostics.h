#pragma once
// The one trace mask of the program's wxLogTrace calls, at each quiet fallback (no web view module, no
// StatusNotifierItem host, no notification service, a sound that fails while it plays). Start the
// program with WXTRACE=stillmark to see them on standard error.
namespace stillmark {

inline constexpr const char* kTraceMask = "stillmark";

} // namespace stillmark
