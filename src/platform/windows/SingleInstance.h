#pragma once
// One copy a user session: the first start owns a named mutex (wx's single-instance check) and a
// message-only window; a later start finds that window and asks the first copy to show itself.
#include "platform/windows/HiddenWindow.h"

#include <functional>
#include <memory>
#include <wx/defs.h>
#include <wx/snglinst.h>

namespace stillmark {

class SingleInstance {
public:
    // onShowRequest runs on the first copy's main thread when a later start asks for the window.
    explicit SingleInstance(std::function<void()> onShowRequest);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool IsFirst() const { return m_first; }
    // From a later start: lets the first copy come to the front and asks it to. False when it
    // cannot be found or does not answer within two seconds.
    bool AskFirstToShow() const;

private:
    wxSingleInstanceChecker m_checker;
    bool m_first = true;
    std::function<void()> m_onShowRequest;
    std::unique_ptr<HiddenWindow> m_window; // the first copy's, found by its class alone
};

} // namespace stillmark
