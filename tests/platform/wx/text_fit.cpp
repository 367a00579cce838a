#include "text_fit.h"

#include <algorithm>
#include <functional>
#include <set>

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// What GTK asks for the window's content: its best size without the template's size as the
// minimum that wx keeps from creation.
wxSize NaturalSize(wxWindow* window) {
    const wxSize minimum = window->GetMinSize();
    window->SetMinSize(wxDefaultSize);
    window->InvalidateBestSize();
    const wxSize natural = window->GetBestSize();
    window->SetMinSize(minimum);
    window->InvalidateBestSize();
    return natural;
}

wxString Describe(wxWindow* window, const wxString& text) {
    return wxString::Format("%s %d '%s'", window->GetClassInfo()->GetClassName(), window->GetId(),
                            text);
}

// Empty when the window holds what its text needs.
wxString SizeMisfit(wxWindow* window, const wxString& text, wxSize needed) {
    const wxSize has = window->GetSize();
    if (needed.x <= has.x && needed.y <= has.y) {
        return wxString();
    }
    return Describe(window, text) +
           wxString::Format(": needs %d x %d, has %d x %d", needed.x, needed.y, has.x, has.y);
}

// Width from the first to the last column holding a pixel clearly darker than the lightest
// pixel of its row inside area; 0 without any.
int InkWidth(const wxImage& image, const wxRect& area) {
    const wxRect inside = area.Intersect(wxRect(image.GetSize()));
    int first = -1;
    int last = -1;
    for (int y = inside.y; y < inside.GetBottom(); ++y) {
        const auto sum = [&](int x) {
            return image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y);
        };
        int lightest = 0;
        for (int x = inside.x; x < inside.GetRight(); ++x) {
            lightest = std::max(lightest, sum(x));
        }
        for (int x = inside.x; x < inside.GetRight(); ++x) {
            if (sum(x) < lightest - 240) {
                first = first < 0 ? x : std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// The ink width of the text drawn alone in the font, black on white.
int InkWidthOfText(const wxString& text, const wxFont& font) {
    wxBitmap bitmap(1, 1);
    wxMemoryDC dc(bitmap);
    dc.SetFont(font);
    const wxSize extent = dc.GetTextExtent(text);
    bitmap = wxBitmap(extent.x + 8, extent.y + 8, 24);
    dc.SelectObject(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(text, 4, 4);
    dc.SelectObject(wxNullBitmap);
    return InkWidth(bitmap.ConvertToImage(), wxRect(bitmap.GetSize()));
}

wxString EditMisfit(wxTextCtrl* edit, wxWindow* top, const wxImage& shot) {
    const wxString text = edit->GetValue();
    const wxString tooLow = SizeMisfit(edit, text, wxSize(0, NaturalSize(edit).y));
    if (!tooLow.empty() || text.empty()) {
        return tooLow;
    }
    // Inside the frame, where the text is drawn and clipped.
    wxRect area = edit->GetScreenRect();
    area.Offset(-top->GetScreenPosition());
    area.Deflate(2);
    const int shown = InkWidth(shot, area);
    const int whole = InkWidthOfText(text, edit->GetFont());
    if (shown >= whole - 2) {
        return wxString();
    }
    return Describe(edit, text) +
           wxString::Format(": shows %d of the %d pixels of its text", shown, whole);
}

// Heads that do not fit the row leave it for scroll arrows: each must be found in the row.
wxString TabHeadMisfit(wxNotebook* notebook) {
    const int count = static_cast<int>(notebook->GetPageCount());
    const int row = notebook->GetCharHeight() / 2 + 4;
    std::set<int> found;
    for (int x = 0; x < notebook->GetSize().x; ++x) {
        const int hit = notebook->HitTest(wxPoint(x, row));
        if (hit >= 0) {
            found.insert(hit);
        }
    }
    if (static_cast<int>(found.size()) == count) {
        return wxString();
    }
    return Describe(notebook, notebook->GetPageText(0)) +
           wxString::Format(": %zu of its %d tab heads in the row", found.size(), count);
}

// Each column of a report list must hold its header and every cell: text, and a bar before it.
wxString ListMisfit(wxListCtrl* list) {
    constexpr int kMargins = 8;  // the list's own padding either side of a text
    const wxImageList* images = list->GetImageList(wxIMAGE_LIST_SMALL);
    int barWidth = 0;
    int barHeight = 0;
    if (images && images->GetImageCount() > 0) {
        images->GetSize(0, barWidth, barHeight);
    }
    for (int column = 0; column < list->GetColumnCount(); ++column) {
        wxListItem header;
        header.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(column, header);
        int needed = list->GetTextExtent(header.GetText()).x + kMargins;
        wxString widest = header.GetText();
        for (int row = 0; row < list->GetItemCount(); ++row) {
            wxListItem cell;
            cell.SetId(row);
            cell.SetColumn(column);
            cell.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_IMAGE);
            list->GetItem(cell);
            const int bar = cell.GetImage() >= 0 ? barWidth + 2 : 0;
            const int width = list->GetTextExtent(cell.GetText()).x + bar + kMargins;
            if (width > needed) {
                needed = width;
                widest = cell.GetText();
            }
        }
        if (list->GetColumnWidth(column) < needed) {
            return Describe(list, widest) + wxString::Format(": column %d needs %d, has %d", column,
                                                             needed, list->GetColumnWidth(column));
        }
    }
    return wxString();
}

void ForEachShownWindow(wxWindow* window, const std::function<void(wxWindow*)>& visit) {
    if (!window->IsShown()) {
        return;
    }
    visit(window);
    for (wxWindow* child : window->GetChildren()) {
        ForEachShownWindow(child, visit);
    }
}

}  // namespace

std::vector<Misfit> TextsThatDoNotFit(wxWindow* top, const wxImage& shot) {
    std::vector<Misfit> misfits;
    ForEachShownWindow(top, [&](wxWindow* window) {
        wxString misfit;
        if (auto* edit = wxDynamicCast(window, wxTextCtrl)) {
            misfit = EditMisfit(edit, top, shot);
        } else if (auto* list = wxDynamicCast(window, wxListCtrl)) {
            misfit = ListMisfit(list);
        } else if (auto* notebook = wxDynamicCast(window, wxNotebook)) {
            misfit = TabHeadMisfit(notebook);
        } else if (wxDynamicCast(window, wxStaticText) || wxDynamicCast(window, wxButton) ||
                   wxDynamicCast(window, wxCheckBox) || wxDynamicCast(window, wxStaticBox)) {
            const wxString text = static_cast<wxControl*>(window)->GetLabelText();
            if (!text.empty()) {
                misfit = SizeMisfit(window, text, NaturalSize(window));
            }
        }
        if (!misfit.empty()) {
            misfits.push_back(Misfit{window->GetId(), misfit.utf8_str().data()});
        }
    });
    return misfits;
}
