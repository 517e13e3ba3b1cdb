#pragma once
// CHyperLink: a dialog's static text turned into a link. It draws its text in the link colours,
// underlines it while the pointer is over it, shows a hand cursor and the target as tooltip, and
// opens the target on a click (desktop opener first, the web browser's command after that).
#include <string>
#include <wx/colour.h>
#include <wx/cursor.h>
#include <wx/font.h>
#include <wx/timer.h>
#include <wx/window.h>

class CHyperLink : public wxWindow {
public:
    enum UnderlineMode { UnderlineNever = 0, UnderlineAlways = 1, UnderlineOnHover = -1 };

    CHyperLink();
    ~CHyperLink() override;

    // Takes the place of the parent's static text with this id: same id, rectangle, text, font,
    // alignment and tab position; the static goes. False (and nothing changed) when there is no
    // such item.
    bool Attach(wxWindow* parent, int id);
    bool IsAttached() const { return m_bAttached; }

    void SetTarget(const std::string& target);
    std::string GetTarget() const { return m_strTarget; }
    // An invalid hover colour takes the system's highlight colour.
    void SetColors(const wxColour& normal, const wxColour& visited, const wxColour& hover = wxNullColour);
    wxColour GetNormalColor() const { return m_clrNormal; }
    wxColour GetVisitedColor() const { return m_clrVisited; }
    wxColour GetHoverColor() const { return m_clrHover; }
    void SetVisitedState(bool visited);
    bool GetVisitedState() const { return m_bVisitedState; }
    // An invalid cursor loads the desktop's hand cursor.
    void SetHandCursor(const wxCursor& cursor);
    wxCursor GetHandCursor() const { return m_hHandCursor; }
    void SetUnderlineMode(int mode);
    int GetUnderlineMode() const { return m_nUnderlineMode; }
    void SetFitToText(bool fit);
    bool GetFitToText() const { return m_bFitToText; }

    // The displayed text (kept here: a plain window keeps no label of its own).
    void SetLabel(const wxString& label) override;
    wxString GetLabel() const override { return m_text; }

    bool IsHot() const { return m_bHot; }
    // The colour the text is drawn in now.
    wxColour CurrentTextColour() const;
    bool IsUnderlinedNow() const { return m_bAttached && GetFont().GetUnderlined(); }

    // The click: opens the target and shows the outcome.
    void OnClickedReflect();

    static constexpr int m_nHoverTimerId = 100;

private:
    void FitToText();
    void LoadHandCursor();
    int OpenTarget(const std::string& target);
    static void ShowOpenError(int code);

    void OnPaint(wxPaintEvent& event);
    void OnEraseBkgnd(wxEraseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnTimer(wxTimerEvent& event);

    wxColour m_clrNormal{0, 0, 238};
    wxColour m_clrVisited{85, 26, 139};
    wxColour m_clrHover{255, 0, 0};
    bool m_bHot = false;
    bool m_bVisitedState = false;
    int m_nUnderlineMode = UnderlineOnHover;
    bool m_bFitToText = true;
    std::string m_strTarget;
    wxFont m_fontUnderlined;
    wxFont m_fontPlain;
    wxCursor m_hHandCursor;
    wxTimer m_hoverTimer;
    long m_alignment = 0; // wxALIGN_* of the static it replaced
    bool m_bAttached = false;
    bool m_bPressed = false;
    wxString m_text;
};
