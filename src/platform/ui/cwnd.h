// CWnd: a window of the program, bound to a native window of the running backend.
#pragma once

#include <map>
#include <memory>

#include "platform/base/cstring.h"
#include "platform/ui/icon.h"
#include "platform/ui/message_map.h"
#include "platform/ui/native_window.h"
#include "platform/ui/types.h"

struct WINDOWPLACEMENT {
    int showCmd = SW_SHOWNORMAL;
    CRect rcNormalPosition;
};

class CWnd : public MessageTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Binds this object to a native window it does not own (a dialog's control).
    void Attach(NativeWindow* native);
    NativeWindow* GetNative() const { return m_native; }
    bool IsCreated() const { return m_native != nullptr; }

    void SetWindowText(const CString& text);
    CString GetWindowText() const;
    void GetWindowText(CString& text) const { text = GetWindowText(); }
    bool ShowWindow(int command);
    bool EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    bool IsWindowVisible() const;
    void SetFocus();
    bool SetWindowPos(ZOrder insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(CRect* rect) const;
    void GetClientRect(CRect* rect) const;
    // The screen's pixels to one of the window's, and the height of a line of its text.
    double GetContentScale() const;
    int GetTextHeight() const;
    bool GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    bool RedrawWindow(UINT flags = RDW_INVALIDATE | RDW_UPDATENOW);
    bool IsIconic() const;
    bool IsTopMost() const;

    // Dialog-level operations; they do nothing on a control.
    CWnd* GetDlgItem(int id);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    bool KillTimer(UINT_PTR id);
    void SetIcon(HICON icon, bool big);
    // How far the user has moved a resizable dialog's splitter (NativeDialog::GetSplitterOffset).
    int GetSplitterOffset() const;
    void SetSplitterOffset(int offset);
    // The caption defaults to the application's name.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    CWnd* GetOwner() const { return m_pOwner; }
    void SetOwner(CWnd* owner) { m_pOwner = owner; }

    LRESULT SendMessage(const Message& message) override;

    static const MessageMap* GetThisMessageMap();

protected:
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    // What happens to a message no map entry takes.
    virtual LRESULT DefWindowProc(const Message& message);

    // The platform's own handling, for handlers that pass a message on.
    void OnTimer(UINT_PTR) {}
    void OnSysCommand(UINT, LPARAM) {}
    void OnPaint() {}

    NativeDialog* GetNativeDialog() const { return m_nativeDialog; }
    void BindDialog(NativeDialog* native, bool controlsAlive = true);

private:
    NativeWindow* m_native = nullptr;
    bool m_attached = false;  // the native window reports to this object
    NativeDialog* m_nativeDialog = nullptr;
    CWnd* m_pOwner = nullptr;
    // Wrappers handed out by GetDlgItem for controls no member is bound to.
    std::map<int, std::unique_ptr<CWnd>> m_itemWrappers;
    std::map<int, CWnd*> m_boundItems;

    friend void DDX_Control(class CDataExchange* pDX, int id, CWnd& control);
};
