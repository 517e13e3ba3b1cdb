#pragma once
// The decisions of the hyperlink control that need no window: how the browser command line is
// built from a command and a target, what an open result means, how the link fits its text.
#include <optional>
#include <string>
#include <vector>

namespace stillmark {

// Open results follow the desktop's classic convention: greater than 32 means success, the
// small numbers name the failure (see OpenErrorText).
inline constexpr int kLinkOpened = 42;
inline constexpr int kErrorOutOfResources = 0;
inline constexpr int kErrorFileNotFound = 2;
inline constexpr int kErrorPathNotFound = 3;
inline constexpr int kErrorAccessDenied = 5;
inline constexpr int kErrorOutOfMemory = 8;
inline constexpr int kErrorBadFormat = 11;
inline constexpr int kErrorSharingViolation = 26;
inline constexpr int kErrorAssociationIncomplete = 27;
inline constexpr int kErrorNoAssociation = 31;

// The longest browser command line, blank and target included.
inline constexpr std::size_t kMaxBrowserCommandLine = 519;

inline bool IsOpenSuccess(int result) {
    return result > 32;
}

// The explanation for an open result, and the whole message the user sees.
std::string OpenErrorText(int code);
std::string OpenErrorMessage(int code);

// The opener's (xdg-open's) exit status as an open result:
//   0 -> kLinkOpened; 1 (target not understood) and 2 (file missing) -> 2 "file not found";
//   3 (a tool it needs is missing), 4 (no way to open it) and anything else -> 31 "no application".
int OpenerExitToResult(int exitStatus);
// A failure to start a program (an errno value) as an open result:
//   ENOENT -> 2, ENOTDIR/ELOOP/ENAMETOOLONG -> 3, EACCES/EPERM -> 5, ENOMEM -> 8, ENOEXEC -> 11,
//   ETXTBSY -> 26, EAGAIN/EMFILE/ENFILE -> 0, anything else -> 31.
int StartErrorToResult(int err);

// The browser command cut before the place where the target goes: the first placeholder "%1"
// (quoted "\"%1\"" or bare) or desktop-entry field code %u %U %f %F; the whole command when it has none.
std::string CutAtPlaceholder(const std::string& command);

// Splits a command into its arguments by the desktop-entry rules (blanks separate; double quotes
// group; inside quotes a backslash escapes " ` $ and \). No shell is involved. Empty when a
// quote is left open.
std::optional<std::vector<std::string>> SplitCommandArguments(const std::string& command);

struct BrowserLaunch {
    int error = 0;                 // 0, or the open result that refuses the launch
    std::string commandLine;       // the cut command, one blank and the target
    std::vector<std::string> argv; // the cut command's arguments, then the target as one argument
};
// Builds the browser start from its command and the target. A command line longer than
// kMaxBrowserCommandLine is refused with kErrorOutOfMemory (it does not fit), a command without a
// program with kErrorAssociationIncomplete.
BrowserLaunch BuildBrowserLaunch(const std::string& command, const std::string& target);

// The link's rectangle fitted to its text (extents in pixels, frame = window minus client size).
struct LinkRect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
    friend bool operator==(const LinkRect&, const LinkRect&) = default;
};
enum class LinkAlign { Left, Centre, Right };
LinkRect FitLinkRect(LinkRect window, int textWidth, int textHeight, int frameWidth, int frameHeight,
                     LinkAlign align, bool centreVertically);

} // namespace stillmark
