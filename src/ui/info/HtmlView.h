#pragma once
// The HTML view as the donation window sees it. The view itself (WebHtmlView over wxWebView) lives
// in a module loaded on first use, so the program does not load the web engine at start.
#include <functional>
#include <string>

class wxWindow;

namespace stillmark {

// What the view does with links it does not load itself (see PageLink.h).
struct PageLinkHandlers {
    std::function<void(const std::string& rest)> appLink;     // the text after "app:"
    std::function<void(const std::string& url)> externalLink; // http(s), mailto, ...
};

class HtmlView {
public:
    virtual ~HtmlView() = default; // destroys the view's window if it still exists
    // Makes the view's window as a child of parent; false when the web engine cannot make one.
    virtual bool Create(wxWindow* parent, int id, PageLinkHandlers handlers) = 0;
    // Loads a URL or a local file path.
    virtual void Navigate(const std::string& urlOrPath) = 0;
    // The view's window; null before creation and after its parent destroyed it.
    virtual wxWindow* GetWindow() const = 0;
};

} // namespace stillmark

// The module's one entry point: a new, not yet created view, owned by the caller.
extern "C" stillmark::HtmlView* StillmarkCreateHtmlView();
inline constexpr const char* kHtmlViewFactoryName = "StillmarkCreateHtmlView";
