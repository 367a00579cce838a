#include "platform/headless/headless_window.h"

#include "platform/headless/headless_painter.h"
#include "platform/ui/cwnd.h"

namespace Headless {

int DialogUnitsToPixelsX(int units) {
    return (units * 6 + (units >= 0 ? 2 : -2)) / 4;
}

int DialogUnitsToPixelsY(int units) {
    return (units * 12 + (units >= 0 ? 4 : -4)) / 8;
}

template <typename Base>
void HeadlessWindowBase<Base>::Show(int command) {
    const bool wasVisible = m_state.visible;
    m_state.visible = command != SW_HIDE;
    // A self-drawn control paints itself as soon as it appears.
    if (!wasVisible && m_state.visible && (m_state.style & kBlackFrame)) {
        PaintUnseen();
    }
}

template <typename Base>
void HeadlessWindowBase<Base>::SetFocus() {
    if (m_dialog) {
        m_dialog->m_focusId = m_state.id;
    }
}

template <typename Base>
CRect HeadlessWindowBase<Base>::GetClientRect() const {
    const int border = (m_state.style & (kSunken | kBlackFrame)) ? 2 : 0;
    return CRect{0, 0, m_state.rect.Width() - border, m_state.rect.Height() - border};
}

template <typename Base>
void HeadlessWindowBase<Base>::SetPos(ZOrder order, int x, int y, int cx, int cy, UINT flags) {
    if (!(flags & SWP_NOMOVE)) {
        m_state.rect = CRect{x, y, x + m_state.rect.Width(), y + m_state.rect.Height()};
    }
    if (!(flags & SWP_NOSIZE)) {
        m_state.rect.right = m_state.rect.left + cx;
        m_state.rect.bottom = m_state.rect.top + cy;
    }
    if (!(flags & SWP_NOZORDER)) {
        if (order == ZOrder::TopMost) {
            m_state.topMost = true;
        } else if (order == ZOrder::NoTopMost) {
            m_state.topMost = false;
        }
    }
    if (flags & SWP_SHOWWINDOW) {
        Show(SW_SHOW);
    }
}

template <typename Base>
void HeadlessWindowBase<Base>::Redraw(UINT flags) {
    if (m_state.visible && (flags & RDW_UPDATENOW)) {
        PaintUnseen();
    }
}

template <typename Base>
std::unique_ptr<NativePainter> HeadlessWindowBase<Base>::BeginPaint() {
    if (!m_state.paintGrid) {
        return nullptr;
    }
    return std::make_unique<GridPainter>(*m_state.paintGrid);
}

template <typename Base>
PixelGrid HeadlessWindowBase<Base>::PaintNow() {
    const CRect client = GetClientRect();
    PixelGrid grid;
    grid.width = client.Width() > 0 ? client.Width() : 0;
    grid.height = client.Height() > 0 ? client.Height() : 0;
    grid.pixels.assign(static_cast<size_t>(grid.width) * static_cast<size_t>(grid.height),
                       RGB(255, 255, 255));
    if (m_state.target) {
        m_state.paintGrid = &grid;
        m_state.target->SendMessage(Message{WM_PAINT, m_state.id});
        m_state.paintGrid = nullptr;
    }
    return grid;
}

template <typename Base>
void HeadlessWindowBase<Base>::PaintUnseen() {
    if (m_state.target) {
        m_state.target->SendMessage(Message{WM_PAINT, m_state.id});
    }
}

template <typename Base>
int HeadlessWindowBase<Base>::InsertItem(int index, const CString& text) {
    if (m_state.kind == ControlKind::List) {
        return InsertListRow(m_state, index, text);
    }
    if (m_state.kind != ControlKind::Tab || index < 0) {
        return -1;
    }
    const int at = index > GetItemCount() ? GetItemCount() : index;
    m_state.tabItems.insert(m_state.tabItems.begin() + at, text);
    if (m_state.curSel < 0) {
        m_state.curSel = 0;
    } else if (at <= m_state.curSel) {
        ++m_state.curSel;
    }
    return at;
}

template <typename Base>
int HeadlessWindowBase<Base>::SetCurSel(int index) {
    // A list may have no row selected; a tab control always has one.
    const bool clears = index == -1 && m_state.kind == ControlKind::List;
    if (!clears && (index < 0 || index >= GetItemCount())) {
        return -1;
    }
    const int previous = m_state.curSel;
    m_state.curSel = index;
    return previous;
}

template <typename Base>
int HeadlessWindowBase<Base>::GetItemCount() const {
    if (m_state.kind != ControlKind::List) {
        return static_cast<int>(m_state.tabItems.size());
    }
    return m_state.style & kOwnerData ? m_state.ownerDataRows
                                      : static_cast<int>(m_state.rows.size());
}

template <typename Base>
void HeadlessWindowBase<Base>::SetItemCountEx(int count) {
    if (m_state.kind == ControlKind::List && (m_state.style & kOwnerData)) {
        m_state.ownerDataRows = count < 0 ? 0 : count;
        if (m_state.curSel >= m_state.ownerDataRows) {
            m_state.curSel = -1;
        }
    }
}

template <typename Base>
CString HeadlessWindowBase<Base>::GetItemText(int index) const {
    if (m_state.kind == ControlKind::List) {
        return GetCellText(index, 0);
    }
    if (index < 0 || index >= GetItemCount()) {
        return CString();
    }
    return m_state.tabItems[static_cast<size_t>(index)];
}

template <typename Base>
CString HeadlessWindowBase<Base>::GetColumnText(int column) const {
    if (column < 0 || column >= GetColumnCount()) {
        return CString();
    }
    return m_state.columns[static_cast<size_t>(column)];
}

template <typename Base>
void HeadlessWindowBase<Base>::SetColumnWidth(int column, int width) {
    if (column >= 0 && column < GetColumnCount()) {
        m_state.columnWidths[static_cast<size_t>(column)] = width;
    }
}

template <typename Base>
bool HeadlessWindowBase<Base>::SetCellText(int item, int column, const CString& text) {
    return SetListCellField(m_state, item, column, &ListCell::text, text);
}

template <typename Base>
CString HeadlessWindowBase<Base>::GetCellText(int item, int column) const {
    if (m_state.style & kOwnerData) {
        // Asked of the program, as the list does for every cell it shows.
        if (item < 0 || item >= GetItemCount() || column < 0 || column >= GetColumnCount() ||
            !m_dialog) {
            return CString();
        }
        NMLVDISPINFO info{NMHDR{m_state.id, LVN_GETDISPINFO}, LVITEM{item, column, CString()}};
        m_dialog->target().SendMessage(Message{WM_NOTIFY, m_state.id, LVN_GETDISPINFO,
                                               static_cast<WPARAM>(item),
                                               reinterpret_cast<LPARAM>(&info)});
        return info.item.text;
    }
    const ListCell* cell = FindListCell(m_state, item, column);
    return cell ? cell->text : CString();
}

template <typename Base>
bool HeadlessWindowBase<Base>::SetCellProgress(int item, int column, int percent) {
    return SetListCellField(m_state, item, column, &ListCell::progress, percent);
}

template <typename Base>
int HeadlessWindowBase<Base>::GetCellProgress(int item, int column) const {
    const ListCell* cell = FindListCell(m_state, item, column);
    return cell ? cell->progress : -1;
}

template <typename Base>
bool HeadlessWindowBase<Base>::SetCellToolTip(int item, int column, const CString& text) {
    return SetListCellField(m_state, item, column, &ListCell::toolTip, text);
}

template <typename Base>
CString HeadlessWindowBase<Base>::GetCellToolTip(int item, int column) const {
    const ListCell* cell = FindListCell(m_state, item, column);
    return cell ? cell->toolTip : CString();
}

template class HeadlessWindowBase<NativeWindow>;
template class HeadlessWindowBase<NativeDialog>;

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialogTemplate, NativeDialog*,
                               MessageTarget& target)
    : m_template(dialogTemplate), m_target(target) {
    m_state.id = dialogTemplate.id;
    m_state.text = dialogTemplate.caption;
    m_state.visible = (dialogTemplate.style & kVisible) != 0;
    m_state.rect = CRect{0, 0, DialogUnitsToPixelsX(dialogTemplate.size.cx),
                         DialogUnitsToPixelsY(dialogTemplate.size.cy)};
    m_state.target = &target;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        auto window = std::make_unique<HeadlessControl>();
        WindowState& s = window->state();
        s.id = control.id;
        s.kind = control.kind;
        s.style = control.style;
        s.text = control.text;
        const int x = DialogUnitsToPixelsX(control.rect.left);
        const int y = DialogUnitsToPixelsY(control.rect.top);
        s.rect = CRect{x, y, x + DialogUnitsToPixelsX(control.rect.Width()),
                       y + DialogUnitsToPixelsY(control.rect.Height())};
        s.visible = !(control.style & kHidden);
        s.enabled = !(control.style & kDisabled);
        window->m_dialog = this;
        m_controls.push_back(std::move(window));
    }
}

HeadlessDialog::~HeadlessDialog() = default;

HeadlessControl* HeadlessDialog::Control(int id) {
    if (id == -1) {
        return nullptr;
    }
    for (const auto& control : m_controls) {
        if (control->state().id == id) {
            return control.get();
        }
    }
    return nullptr;
}

NativeWindow* HeadlessDialog::GetControl(int id) {
    return Control(id);
}

bool HeadlessDialog::SetTimer(UINT_PTR id, UINT elapseMs) {
    if (elapseMs == 0) {
        return false;
    }
    m_timers[id] = elapseMs;
    return true;
}

void HeadlessDialog::KillTimer(UINT_PTR id) {
    m_timers.erase(id);
}

void HeadlessDialog::EndModal(int result) {
    m_ended = true;
    m_result = result;
    m_state.visible = false;
}

bool HeadlessDialog::AppendSystemMenuItem(UINT commandId, const CString& text) {
    m_systemMenu.emplace_back(commandId, text);
    return true;
}

HeadlessDialog* DialogOf(const CWnd& window) {
    return dynamic_cast<HeadlessDialog*>(window.GetNative());
}

}  // namespace Headless

std::unique_ptr<NativeDialog> CreateNativeDialog(const DialogTemplate& dialogTemplate,
                                                 NativeDialog* owner, MessageTarget& target) {
    return std::make_unique<Headless::HeadlessDialog>(dialogTemplate, owner, target);
}
