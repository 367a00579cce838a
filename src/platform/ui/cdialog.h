// CDialog: a window built from a dialog template, run modally or modelessly.
#pragma once

#include <memory>

#include "platform/ui/cwnd.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/dialog_template.h"

class CDialog : public CWnd {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the window, runs OnInitDialog and the modal loop; returns the EndDialog result.
    virtual int DoModal();
    // Builds the window modelessly; its owner is parent, or the application's main window.
    bool Create(CWnd* parent = nullptr);
    bool DestroyWindow();
    void EndDialog(int result);

    // Moves data between the members and the controls: false fills the controls, true takes
    // the values back (and validates). False when taking values failed.
    bool UpdateData(bool saveAndValidate = true);
    void GotoDlgCtrl(CWnd* control);

    const DialogTemplate& GetTemplate() const { return m_template; }

    static const MessageMap* GetThisMessageMap();

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    LRESULT DefWindowProc(const Message& message) override;

private:
    bool CreateNative(CWnd* owner);

    const DialogTemplate& m_template;
    CWnd* m_pParentWnd;
    std::unique_ptr<NativeDialog> m_window;
    bool m_modal = false;
};
