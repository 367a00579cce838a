// CNotifySettingsDlg: the modal dialog of the desktop notifications: which kinds are told, and
// after how many minutes without a move a client counts as stalled. It reads the settings when it
// opens and writes its own entries only when OK passes validation.
#pragma once

#include "platform/base/cstring.h"
#include "platform/ui/cdialog.h"

class CNotifySettingsDlg : public CDialog {
public:
    explicit CNotifySettingsDlg(CWnd* parent = nullptr);
    ~CNotifySettingsDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // Check box states (BOOL): 0 or 1.
    int m_bStalled = 0;
    int m_bUnreachable = 0;
    int m_bFinished = 0;
    CString m_strStallMinutes;
};
