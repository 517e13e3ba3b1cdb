#pragma once
// The HTML view as the donation window sees it. The view itself (CHtmlCtrl over wxWebView) lives
// in a module loaded on first use, so the program does not load the web engine at start.
#include <string>

class wxWindow;

namespace stillmark {

class IHtmlCtrl {
public:
    virtual ~IHtmlCtrl() = default; // destroys the view's window if it still exists
    // Replaces the parent's item with this id by the view, at its rectangle and with its id.
    virtual bool CreateOverStatic(int id, wxWindow* parent) = 0;
    // Loads a URL or a local file path.
    virtual void Navigate2(const std::string& urlOrPath) = 0;
    // The view's window; null before creation and after its parent destroyed it.
    virtual wxWindow* GetWindow() const = 0;
    // Called with the text after "app:" for every intercepted "app:" link.
    virtual void OnAppLink(const std::string& rest) = 0;
};

} // namespace stillmark

// The module's one entry point: a new, not yet created view, owned by the caller.
extern "C" stillmark::IHtmlCtrl* StillmarkCreateHtmlCtrl();
inline constexpr const char* kHtmlCtrlFactoryName = "StillmarkCreateHtmlCtrl";
