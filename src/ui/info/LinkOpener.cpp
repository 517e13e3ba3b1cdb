#include "ui/info/LinkOpener.h"

#include "ui/info/LinkRules.h"

namespace stillmark {
namespace {

int OutcomeToResult(const ProcessOutcome& outcome, bool exitStatusCounts) {
    switch (outcome.kind) {
    case ProcessOutcome::Kind::NotStarted:
        return StartErrorToResult(outcome.value);
    case ProcessOutcome::Kind::StillRunning:
        return kLinkOpened;
    case ProcessOutcome::Kind::Signalled:
        return kErrorNoAssociation;
    case ProcessOutcome::Kind::Exited:
        return exitStatusCounts ? OpenerExitToResult(outcome.value) : kLinkOpened;
    }
    return kErrorNoAssociation;
}

} // namespace

int OpenLink(const std::string& target, IProcessStarter& starter,
             const BrowserCommandLookup& findBrowserCommand) {
    // A program cannot tell such a target from one of its options, so it is never handed on.
    if (target.empty() || target.front() == '-')
        return kErrorFileNotFound;
    const int openerResult = OutcomeToResult(starter.Start({kDesktopOpener, target}, kOpenerWait), true);
    if (IsOpenSuccess(openerResult))
        return openerResult;

    const auto command = findBrowserCommand ? findBrowserCommand() : std::nullopt;
    if (!command)
        return openerResult;
    const BrowserLaunch launch = BuildBrowserLaunch(*command, target);
    if (launch.error != 0)
        return launch.error;
    // Like starting any program, only whether the browser started counts, not how it ends.
    return OutcomeToResult(starter.Start(launch.argv, std::chrono::milliseconds(0)), false);
}

} // namespace stillmark
