#include "platform/ui/cwnd.h"

#include "platform/ui/cwinapp.h"

CWnd::~CWnd() {
    // A control member dies before its dialog's window: the window must not report to it.
    if (m_attached && m_native) {
        m_native->SetTarget(nullptr);
    }
}

void CWnd::Attach(NativeWindow* native) {
    if (m_attached && m_native) {
        m_native->SetTarget(nullptr);
    }
    m_native = native;
    m_attached = native != nullptr;
    if (m_native) {
        m_native->SetTarget(this);
    }
}

void CWnd::BindDialog(NativeDialog* native, bool controlsAlive) {
    // Controls bound to members let go of the old window before it goes. From the dialog's
    // destructor they are already gone (members die before their base class).
    if (controlsAlive) {
        for (auto& [id, control] : m_boundItems) {
            control->Attach(nullptr);
        }
    }
    m_itemWrappers.clear();
    m_boundItems.clear();
    m_nativeDialog = native;
    Attach(native);
}

void CWnd::SetWindowText(const CString& text) {
    // The same text again changes nothing a user sees, and costs a real window a new layout.
    if (m_native && !m_native->HasText(text)) {
        m_native->SetText(text);
    }
}

CString CWnd::GetWindowText() const {
    return m_native ? m_native->GetText() : CString();
}

bool CWnd::ShowWindow(int command) {
    if (!m_native) {
        return false;
    }
    const bool wasVisible = m_native->IsVisible();
    m_native->Show(command);
    return wasVisible;
}

bool CWnd::EnableWindow(bool enable) {
    if (!m_native) {
        return false;
    }
    const bool wasDisabled = !m_native->IsEnabled();
    m_native->Enable(enable);
    return wasDisabled;
}

bool CWnd::IsWindowEnabled() const {
    return m_native && m_native->IsEnabled();
}

bool CWnd::IsWindowVisible() const {
    return m_native && m_native->IsVisible();
}

void CWnd::SetFocus() {
    if (m_native) {
        m_native->SetFocus();
    }
}

bool CWnd::SetWindowPos(ZOrder insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (!m_native) {
        return false;
    }
    m_native->SetPos(insertAfter, x, y, cx, cy, flags);
    return true;
}

void CWnd::GetWindowRect(CRect* rect) const {
    *rect = m_native ? m_native->GetRect() : CRect{};
}

void CWnd::GetClientRect(CRect* rect) const {
    *rect = m_native ? m_native->GetClientRect() : CRect{};
}

bool CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    if (!m_native) {
        return false;
    }
    placement->showCmd = m_native->IsVisible() ? SW_SHOWNORMAL : SW_HIDE;
    placement->rcNormalPosition = m_native->GetRect();
    return true;
}

bool CWnd::RedrawWindow(UINT flags) {
    if (!m_native) {
        return false;
    }
    m_native->Redraw(flags);
    return true;
}

bool CWnd::IsIconic() const {
    return m_nativeDialog && m_nativeDialog->IsIconic();
}

bool CWnd::IsTopMost() const {
    return m_native && m_native->IsTopMost();
}

CWnd* CWnd::GetDlgItem(int id) {
    if (!m_nativeDialog) {
        return nullptr;
    }
    if (const auto bound = m_boundItems.find(id); bound != m_boundItems.end()) {
        return bound->second;
    }
    NativeWindow* control = m_nativeDialog->GetControl(id);
    if (!control) {
        return nullptr;
    }
    std::unique_ptr<CWnd>& wrapper = m_itemWrappers[id];
    if (!wrapper) {
        wrapper = std::make_unique<CWnd>();
        wrapper->m_native = control;  // a plain view: messages stay with the bound object, if any
    }
    return wrapper.get();
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs) {
    return (m_nativeDialog && m_nativeDialog->SetTimer(id, elapseMs)) ? id : 0;
}

bool CWnd::KillTimer(UINT_PTR id) {
    if (!m_nativeDialog) {
        return false;
    }
    m_nativeDialog->KillTimer(id);
    return true;
}

void CWnd::SetIcon(HICON icon, bool big) {
    if (m_nativeDialog) {
        m_nativeDialog->SetIcon(icon, big);
    }
}

double CWnd::GetContentScale() const {
    return m_native ? m_native->GetContentScale() : 1.0;
}

int CWnd::GetTextHeight() const {
    return m_native ? m_native->GetTextHeight() : 0;
}

int CWnd::GetSplitterOffset() const {
    return m_nativeDialog ? m_nativeDialog->GetSplitterOffset() : 0;
}

void CWnd::SetSplitterOffset(int offset) {
    if (m_nativeDialog) {
        m_nativeDialog->SetSplitterOffset(offset);
    }
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return ShowNativeMessageBox(m_native, CString(text),
                                CString(caption ? caption : AfxGetAppName()), type);
}

LRESULT CWnd::SendMessage(const Message& message) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            const bool idMatches = entry.id == kAnyId || entry.id == message.id;
            const bool codeMatches =
                (message.message != WM_COMMAND && message.message != WM_NOTIFY) ||
                entry.code == message.code;
            if (entry.message == message.message && idMatches && codeMatches) {
                return entry.handler(*this, message);
            }
        }
    }
    return DefWindowProc(message);
}

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMap map{nullptr, {}};
    return &map;
}

LRESULT CWnd::DefWindowProc(const Message&) {
    return 0;
}
