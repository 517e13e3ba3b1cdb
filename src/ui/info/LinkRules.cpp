#include "ui/info/LinkRules.h"

#include <cerrno>
#include <cstring>

namespace stillmark {

std::string OpenErrorText(int code) {
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case 2:
        return "The specified file was not found.";
    case 3:
        return "The specified path was not found.";
    case 5:
        return "The operating system denied\naccess to the specified file.";
    case 8:
        return "There was not enough memory to complete the operation.";
    case 11:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
        return "A sharing violation occurred. ";
    case 27:
        return "The filename association is\nincomplete or invalid.";
    case 28:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
        return "The DDE transaction failed.";
    case 30:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
               "processed.";
    case 31:
        return "There is no application associated\nwith the given filename extension.";
    case 32:
        return "The specified dynamic-link library was not found.";
    default:
        return "Unknown Error (" + std::to_string(code) + ") occurred.";
    }
}

std::string OpenErrorMessage(int code) {
    return "Unable to open hyperlink:\n\n" + OpenErrorText(code);
}

int OpenerExitToResult(int exitStatus) {
    switch (exitStatus) {
    case 0:
        return kLinkOpened;
    case 1:
    case 2:
        return kErrorFileNotFound;
    default:
        return kErrorNoAssociation;
    }
}

int StartErrorToResult(int err) {
    switch (err) {
    case ENOENT:
        return kErrorFileNotFound;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return kErrorPathNotFound;
    case EACCES:
    case EPERM:
        return kErrorAccessDenied;
    case ENOMEM:
        return kErrorOutOfMemory;
    case ENOEXEC:
        return kErrorBadFormat;
    case ETXTBSY:
        return kErrorSharingViolation;
    case EAGAIN:
    case EMFILE:
    case ENFILE:
        return kErrorOutOfResources;
    default:
        return kErrorNoAssociation;
    }
}

namespace {

bool IsPlaceholderLetter(char c) {
    return c == '1' || c == 'u' || c == 'U' || c == 'f' || c == 'F';
}

} // namespace

std::string CutAtPlaceholder(const std::string& command) {
    for (std::size_t i = 0; i < command.size(); ++i) {
        if (command[i] == '"' && i + 3 < command.size() && command[i + 1] == '%' &&
            IsPlaceholderLetter(command[i + 2]) && command[i + 3] == '"')
            return command.substr(0, i);
        if (command[i] == '%' && i + 1 < command.size()) {
            if (IsPlaceholderLetter(command[i + 1]))
                return command.substr(0, i);
            if (command[i + 1] == '%')
                ++i; // "%%" is a literal percent sign, not the start of a placeholder
        }
    }
    return command;
}

std::optional<std::vector<std::string>> SplitCommandArguments(const std::string& command) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < command.size() && std::strchr("\"`$\\", command[i + 1])) {
                current += command[++i];
            } else {
                current += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inArgument)
                args.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else if (c == '"') {
            quoted = true;
            inArgument = true;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        args.push_back(std::move(current));
    return args;
}

namespace {

// Field codes other than the target's stand alone and expand to nothing we provide; "%%" is "%".
bool IsLeftoverFieldCode(const std::string& arg) {
    return arg.size() == 2 && arg[0] == '%' && std::strchr("icdDnNvmk", arg[1]) != nullptr;
}

std::string UnescapePercent(const std::string& arg) {
    std::string out;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        out += arg[i];
        if (arg[i] == '%' && i + 1 < arg.size() && arg[i + 1] == '%')
            ++i;
    }
    return out;
}

} // namespace

BrowserLaunch BuildBrowserLaunch(const std::string& command, const std::string& target) {
    BrowserLaunch launch;
    const std::string cut = CutAtPlaceholder(command);
    launch.commandLine = cut + " " + target;
    if (launch.commandLine.size() > kMaxBrowserCommandLine) {
        launch.error = kErrorOutOfMemory;
        return launch;
    }
    const auto args = SplitCommandArguments(cut);
    if (args) {
        for (const std::string& arg : *args)
            if (!IsLeftoverFieldCode(arg))
                launch.argv.push_back(UnescapePercent(arg));
    }
    if (launch.argv.empty() || launch.argv.front().empty()) {
        launch.argv.clear();
        launch.error = kErrorAssociationIncomplete;
        return launch;
    }
    launch.argv.push_back(target);
    return launch;
}

LinkRect FitLinkRect(LinkRect rect, int textWidth, int textHeight, int frameWidth, int frameHeight,
                     LinkAlign align, bool centreVertically) {
    const int width = textWidth + frameWidth;
    const int height = textHeight + frameHeight;
    if (centreVertically) {
        const int shrink = ((rect.bottom - rect.top) - height) / 2;
        rect.top += shrink;
        rect.bottom -= shrink;
    } else {
        rect.bottom = rect.top + height;
    }
    switch (align) {
    case LinkAlign::Centre: {
        const int shrink = ((rect.right - rect.left) - width) / 2;
        rect.left += shrink;
        rect.right -= shrink;
        break;
    }
    case LinkAlign::Right:
        rect.left = rect.right - width;
        break;
    case LinkAlign::Left:
        rect.right = rect.left + width;
        break;
    }
    return rect;
}

} // namespace stillmark
