// NativeDialog over a DialogWindow, with the wrappers of its controls.
#pragma once

#include <memory>
#include <vector>

#include <wx/iconbndl.h>
#include <wx/weakref.h>

#include "platform/ui/native_window.h"
#include "platform/wx/wx_controls.h"
#include "platform/wx/wx_dialog_window.h"

class WxDialog : public NativeDialog, public WxWindowAccess {
public:
    explicit WxDialog(DialogWindow* window);
    ~WxDialog() override;
    WxDialog(const WxDialog&) = delete;
    WxDialog& operator=(const WxDialog&) = delete;

    // Takes the wrapper of a control built in this dialog; id is its template id.
    void AddControl(int id, std::unique_ptr<WxControl> control);

    void SetTarget(MessageTarget* target) override;
    void SetText(const CString& text) override;
    CString GetText() const override;
    void Show(int command) override;
    bool IsVisible() const override;
    void Enable(bool enable) override;
    bool IsEnabled() const override;
    void SetFocus() override;
    CRect GetRect() const override;
    CRect GetClientRect() const override;
    void SetPos(ZOrder order, int x, int y, int cx, int cy, UINT flags) override;
    bool IsTopMost() const override;
    void Redraw(UINT flags) override;

    NativeWindow* GetControl(int id) override;
    bool SetTimer(UINT_PTR id, UINT elapseMs) override;
    void KillTimer(UINT_PTR id) override;
    int RunModal() override;
    void EndModal(int result) override;
    bool IsIconic() const override;
    void SetIcon(HICON icon, bool big) override;
    bool AppendSystemMenuItem(UINT commandId, const CString& text) override;
    int GetSplitterOffset() const override;
    void SetSplitterOffset(int offset) override;

    wxWindow* GetWxWindow() const override { return m_window.get(); }

private:
    struct Item {
        int id;
        std::unique_ptr<WxControl> control;
    };

    wxWeakRef<DialogWindow> m_window;
    std::vector<Item> m_controls;
    wxIconBundle m_icons;
};
