// The list control: a wxListCtrl in report mode under the program's list calls.
#include <algorithm>

#include <wx/dcmemory.h>
#include <wx/renderer.h>

#include "platform/base/digit_shape.h"
#include "platform/wx/wx_control_windows.h"
#include "platform/wx/wx_controls.h"
#include "platform/wx/wx_dialog_window.h"
#include "platform/wx/wx_text.h"

namespace {

constexpr int kProgressSteps = 101;  // 0 to 100 percent

long ColumnFormat(int format) {
    switch (format) {
        case LVCFMT_RIGHT:
            return wxLIST_FORMAT_RIGHT;
        case LVCFMT_CENTER:
            return wxLIST_FORMAT_CENTRE;
        default:
            return wxLIST_FORMAT_LEFT;
    }
}

// Measuring a text through Pango costs some microseconds, so a column is measured by the shapes
// of its texts (platform/base/digit_shape.h), each once, drawn with the font's widest digit: no
// text of a shape is wider.
class ColumnMeasure {
public:
    ColumnMeasure(ReportList& list, int column)
        : m_list(list), m_widestDigit(static_cast<char>(list.WidestDigit().GetValue())) {
        list.SetColumnWidth(column, wxLIST_AUTOSIZE_USEHEADER);
        m_widest = list.GetColumnWidth(column);
    }

    void Add(const CString& text) {
        if (m_shapes.Add(text.str())) {
            m_widest = std::max(
                m_widest,
                m_list.GetTextExtent(ToWx(CString(WithDigitsAs(text.str(), m_widestDigit)))).x +
                    kPadding);
        }
    }
    int Widest() const { return m_widest; }

private:
    static constexpr int kPadding = 12;  // the list's own space either side of a text

    ReportList& m_list;
    char m_widestDigit;
    int m_widest = 0;
    DigitShapes m_shapes;
};

// The header's width, or the widest cell's: every row of a short list, and of a long one (whose
// rows the program keeps) as many rows spread evenly over it, so that asking for them stays quick.
int FittingWidth(ReportList& list, int column) {
    constexpr int kMeasuredRows = 4000;
    ColumnMeasure measure(list, column);
    const long rows = list.GetItemCount();
    const long step = std::max<long>(1, rows / kMeasuredRows);
    for (long row = 0; row < rows; row += step) {
        measure.Add(FromWx(list.GetItemText(row, column)));
    }
    return measure.Widest();
}

}  // namespace

ReportList::ReportList(wxWindow* parent, wxWindowID id, const wxRect& rect, bool ownerData)
    : wxListCtrl(parent, id, rect.GetPosition(), rect.GetSize(),
                 wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN | (ownerData ? wxLC_VIRTUAL : 0)) {
    // An owner-data list has no bars: its cells are only texts.
    if (!ownerData) {
        MakeProgressImages();
        SetImageList(&m_progressImages, wxIMAGE_LIST_SMALL);
    }
    Bind(wxEVT_LIST_ITEM_SELECTED, &ReportList::OnSelectionChanged, this);
    Bind(wxEVT_LIST_ITEM_DESELECTED, &ReportList::OnSelectionChanged, this);
    // GTK's list is wx's generic one: the pointer moves over windows inside it (the rows', the
    // header's), not over the list itself.
    for (wxWindow* child : GetChildren()) {
        child->Bind(wxEVT_MOTION, &ReportList::OnPointerMoved, this);
        child->Bind(wxEVT_PAINT, &ReportList::OnChildPainted, this);
    }
}

wxWindow* ReportList::RowsWindow() const {
    wxWindow* tallest = nullptr;
    for (wxWindow* child : GetChildren()) {
        if (!tallest || child->GetSize().y > tallest->GetSize().y) {
            tallest = child;
        }
    }
    return tallest;
}

// After a sideways scroll by the mouse wheel, wx's generic list redraws its header before the
// rows have moved, so the header stays a step behind its columns until something else redraws
// it. The rows are painted after every move: the header follows from there.
void ReportList::OnChildPainted(wxPaintEvent& event) {
    event.Skip();
    wxWindow* rows = RowsWindow();
    if (event.GetEventObject() != rows) {
        return;
    }
    int scroll = 0;
    GetViewStart(&scroll, nullptr);
    if (scroll == m_headerScroll) {
        return;
    }
    m_headerScroll = scroll;
    for (wxWindow* child : GetChildren()) {
        if (child != rows) {
            child->Refresh();
        }
    }
}

wxUniChar ReportList::WidestDigit() {
    // Measured in long runs: digits' widths can differ by a fraction of a pixel.
    if (!m_digitFont.IsOk() || m_digitFont != GetFont()) {
        constexpr int kRun = 32;
        int widestRun = -1;
        for (char digit = '0'; digit <= '9'; ++digit) {
            const int run = GetTextExtent(wxString(kRun, digit)).x;
            if (run > widestRun) {
                widestRun = run;
                m_widestDigit = digit;
            }
        }
        m_digitFont = GetFont();
    }
    return m_widestDigit;
}

void ReportList::SetCellToolTip(long item, long column, const wxString& text) {
    if (text.empty()) {
        m_toolTips.erase({item, column});
    } else {
        m_toolTips[{item, column}] = text;
    }
}

wxString ReportList::GetCellToolTip(long item, long column) const {
    const auto found = m_toolTips.find({item, column});
    return found == m_toolTips.end() ? wxString() : found->second;
}

void ReportList::OnPointerMoved(wxMouseEvent& event) {
    event.Skip();
    auto* over = wxDynamicCast(event.GetEventObject(), wxWindow);
    if (!over) {
        return;
    }
    // Over the header there is no cell.
    if (over != RowsWindow()) {
        over->UnsetToolTip();
        return;
    }
    // The row from the rows window's own coordinates, the column from where the row's cells lie
    // in the list's.
    int flags = 0;
    const long item = HitTest(event.GetPosition(), flags);
    const wxPoint at = ScreenToClient(over->ClientToScreen(event.GetPosition()));
    wxString text;
    for (int column = 0; item >= 0 && column < GetColumnCount(); ++column) {
        wxRect cell;
        if (GetSubItemRect(item, column, cell) && cell.Contains(at)) {
            text = GetCellToolTip(item, column);
            break;
        }
    }
    if (text.empty()) {
        over->UnsetToolTip();
    } else if (over->GetToolTipText() != text) {
        over->SetToolTip(text);
    }
}

void ReportList::MakeProgressImages() {
    // As tall as a line of text, so that a bar never makes a row taller than its text.
    const wxSize size(GetCharWidth() * 8, std::max(6, GetCharHeight() - 4));
    m_progressImages.Create(size.x, size.y, false, kProgressSteps);
    for (int percent = 0; percent < kProgressSteps; ++percent) {
        wxBitmap bar(size);
        wxMemoryDC dc(bar);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        wxRendererNative::Get().DrawGauge(this, dc, wxRect(size), percent, 100);
        dc.SelectObject(wxNullBitmap);
        m_progressImages.Add(bar);
    }
}

wxString ReportList::OnGetItemText(long item, long column) const {
    auto* dialog = dynamic_cast<DialogWindow*>(GetParent());
    return dialog ? dialog->ListCellText(GetId(), item, column) : wxString();
}

void ReportList::OnSelectionChanged(wxListEvent& event) {
    if (m_quiet == 0) {
        event.Skip();  // on to the dialog
    }
}

WxListControl::WxListControl(ReportList* list) : WxControl(list) {}

ReportList* WxListControl::List() const {
    return static_cast<ReportList*>(GetWxWindow());
}

bool WxListControl::IsCell(int item, int column) const {
    const ReportList* list = List();
    return list && item >= 0 && item < list->GetItemCount() && column >= 0 &&
           column < list->GetColumnCount();
}

int WxListControl::InsertItem(int index, const CString& text) {
    ReportList* list = List();
    if (!list || list->IsVirtual() || index < 0 || list->GetColumnCount() == 0) {
        return -1;
    }
    const long at = std::min<long>(index, list->GetItemCount());
    // No image until a bar is asked for.
    return static_cast<int>(list->InsertItem(at, ToWx(text), -1));
}

int WxListControl::GetCurSel() const {
    const ReportList* list = List();
    return list ? static_cast<int>(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
                : -1;
}

int WxListControl::SetCurSel(int index) {
    ReportList* list = List();
    if (!list || index < -1 || index >= list->GetItemCount()) {
        return -1;
    }
    const int previous = GetCurSel();
    list->BeginQuiet();
    if (previous >= 0 && previous != index) {
        list->SetItemState(previous, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    }
    if (index >= 0) {
        const long state = wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED;
        list->SetItemState(index, state, state);
        list->EnsureVisible(index);
    }
    list->EndQuiet();
    return previous;
}

int WxListControl::GetItemCount() const {
    const ReportList* list = List();
    return list ? list->GetItemCount() : 0;
}

int WxListControl::InsertColumn(int column, const CString& heading, int format) {
    ReportList* list = List();
    if (!list || column < 0) {
        return -1;
    }
    const long at = std::min(column, list->GetColumnCount());
    return static_cast<int>(list->InsertColumn(at, ToWx(heading), ColumnFormat(format)));
}

int WxListControl::GetColumnCount() const {
    const ReportList* list = List();
    return list ? list->GetColumnCount() : 0;
}

CString WxListControl::GetColumnText(int column) const {
    const ReportList* list = List();
    wxListItem item;
    item.SetMask(wxLIST_MASK_TEXT);
    if (!list || column < 0 || column >= list->GetColumnCount() || !list->GetColumn(column, item)) {
        return CString();
    }
    return FromWx(item.GetText());
}

void WxListControl::SetColumnWidth(int column, int width) {
    ReportList* list = List();
    if (!list || column < 0 || column >= list->GetColumnCount()) {
        return;
    }
    if (width == LVSCW_AUTOSIZE) {
        list->SetColumnWidth(column, FittingWidth(*list, column));
        return;
    }
    list->SetColumnWidth(
        column, width == LVSCW_AUTOSIZE_USEHEADER ? wxLIST_AUTOSIZE_USEHEADER : std::max(0, width));
}

void WxListControl::SetColumnWidthFor(int column, const std::vector<CString>& texts) {
    ReportList* list = List();
    if (!list || column < 0 || column >= list->GetColumnCount()) {
        return;
    }
    ColumnMeasure measure(*list, column);
    for (const CString& text : texts) {
        measure.Add(text);
    }
    list->SetColumnWidth(column, measure.Widest());
}

bool WxListControl::SetCellText(int item, int column, const CString& text) {
    if (!IsCell(item, column)) {
        return false;
    }
    List()->SetItem(item, column, ToWx(text));
    return true;
}

bool WxListControl::SetCellToolTip(int item, int column, const CString& text) {
    if (!IsCell(item, column)) {
        return false;
    }
    List()->SetCellToolTip(item, column, ToWx(text));
    return true;
}

CString WxListControl::GetCellToolTip(int item, int column) const {
    return IsCell(item, column) ? FromWx(List()->GetCellToolTip(item, column)) : CString();
}

void WxListControl::SetSortIndicator(int column, bool ascending) {
    ReportList* list = List();
    if (!list) {
        return;
    }
    if (column >= 0 && column < list->GetColumnCount()) {
        list->ShowSortIndicator(column, ascending);
    } else {
        list->RemoveSortIndicator();
    }
}

CString WxListControl::GetCellText(int item, int column) const {
    return IsCell(item, column) ? FromWx(List()->GetItemText(item, column)) : CString();
}

bool WxListControl::SetCellProgress(int item, int column, int percent) {
    if (!IsCell(item, column)) {
        return false;
    }
    // The image of a percent is the bar of that percent.
    return List()->SetItemColumnImage(item, column, percent < 0 ? -1 : percent);
}

int WxListControl::GetCellProgress(int item, int column) const {
    if (!IsCell(item, column)) {
        return -1;
    }
    wxListItem cell;
    cell.SetId(item);
    cell.SetColumn(column);
    cell.SetMask(wxLIST_MASK_IMAGE);
    return List()->GetItem(cell) ? cell.GetImage() : -1;
}

bool WxListControl::DeleteItem(int item) {
    ReportList* list = List();
    if (!list || item < 0 || item >= list->GetItemCount()) {
        return false;
    }
    list->BeginQuiet();
    const bool deleted = list->DeleteItem(item);
    list->EndQuiet();
    return deleted;
}

void WxListControl::DeleteAllItems() {
    if (ReportList* list = List()) {
        list->BeginQuiet();
        list->DeleteAllItems();
        list->EndQuiet();
    }
}

void WxListControl::SetItemCountEx(int count) {
    ReportList* list = List();
    if (list && list->IsVirtual()) {
        list->BeginQuiet();
        list->SetItemCount(std::max(0, count));
        list->EndQuiet();
        list->Refresh();
    }
}
