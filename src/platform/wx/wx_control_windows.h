// The wx windows behind controls that no single wx control provides.
#pragma once

#include <map>
#include <utility>

#include <utility>

#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include "platform/ui/native_window.h"

// A wx control with GTK's paddings and minimum sizes trimmed by the given CSS, so that a control
// of its template's size holds its whole text as the same control on Windows does.
template <class Control>
class CompactControl : public Control {
public:
    template <class... Args>
    explicit CompactControl(const char* css, Args&&... args)
        : Control(std::forward<Args>(args)...) {
#ifdef __WXGTK3__
        this->GTKApplyCssStyle(css);
#endif
    }
};

// A self-drawn control: reports each paint to its target, inside an optional one-pixel sunken
// edge that belongs to the window but not to its client area.
class DrawnWindow : public wxWindow {
public:
    DrawnWindow(wxWindow* parent, wxWindowID id, const wxRect& rect, bool sunken);
    // A picture: Tab passes it by, as it passes a text.
    bool AcceptsFocus() const override { return false; }

    void SetPaintTarget(MessageTarget* target) { m_target = target; }
    // The DC of the paint being reported, else null.
    wxDC* GetPaintDC() const { return m_paintDC; }
    int GetEdge() const { return m_sunken ? 1 : 0; }

private:
    void OnPaint(wxPaintEvent& event);

    MessageTarget* m_target = nullptr;
    wxDC* m_paintDC = nullptr;
    bool m_sunken;
};

// A text in a panel, for the statics a plain wxStaticText can't show: a sunken edge (drawn only
// around windows of their own on GTK) and single-line text centred vertically.
class LabelBox : public wxPanel {
public:
    LabelBox(wxWindow* parent, wxWindowID id, const wxRect& rect, long panelStyle, long labelStyle,
             bool centreVertically);
    // A text: Tab passes it by (a panel would take the focus, having no child that does).
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

    wxStaticText* GetStaticText() const { return m_label; }
    // Places the text again after it or the box's size changed.
    void PlaceLabel();

private:
    void OnSize(wxSizeEvent& event);

    wxStaticText* m_label;
    bool m_centreVertically;
};

// A row of tab heads over a page area. The pages are empty labels: they own no window, so the
// dialog's controls that lie over the page area stay visible.
class TabNotebook : public wxNotebook {
public:
    TabNotebook(wxWindow* parent, wxWindowID id, const wxRect& rect);

    // Changes made by the program itself, which report nothing (as on Windows).
    void BeginQuiet() { ++m_quiet; }
    void EndQuiet() { --m_quiet; }

private:
    void OnPageChanged(wxBookCtrlEvent& event);

    int m_quiet = 0;
};

// A report-style list of one selected row at most. A cell's progress bar is an image of the
// list's own, one per percent, drawn as the theme draws a gauge.
class ReportList : public wxListCtrl {
public:
    // An owner-data list (wxLC_VIRTUAL) asks the dialog for each cell's text as it shows it.
    ReportList(wxWindow* parent, wxWindowID id, const wxRect& rect, bool ownerData = false);

    // Changes made by the program itself, which report nothing.
    void BeginQuiet() { ++m_quiet; }
    void EndQuiet() { --m_quiet; }

    // The tooltip of a cell, shown while the pointer is over it; empty: none.
    void SetCellToolTip(long item, long column, const wxString& text);
    wxString GetCellToolTip(long item, long column) const;

    // The digit drawn widest in the list's font: in its place, any digit fits.
    wxUniChar WidestDigit();

protected:
    wxString OnGetItemText(long item, long column) const override;

private:
    void OnSelectionChanged(wxListEvent& event);
    void OnPointerMoved(wxMouseEvent& event);
    void OnChildPainted(wxPaintEvent& event);
    // The window of the rows inside the list (the tallest); null before it is there.
    wxWindow* RowsWindow() const;
    void MakeProgressImages();

    wxImageList m_progressImages;
    int m_quiet = 0;
    std::map<std::pair<long, long>, wxString> m_toolTips;
    int m_headerScroll = 0;  // the rows' sideways scroll the header was last drawn for
    wxFont m_digitFont;      // the font m_widestDigit is of
    wxUniChar m_widestDigit = '0';
};
