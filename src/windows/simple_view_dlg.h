// CSimpleViewDlg: the tiny modeless window that stands in for the main dialog, showing only the
// progress and CPU time of the current work unit and the time of the last update.
#pragma once

#include <optional>

#include "platform/base/cstring.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/controls.h"

class CSimpleViewDlg : public CDialog {
public:
    // parent: the main dialog. The window is made with Create() and starts hidden; its owner,
    // the application's main window, is what a double click brings back.
    explicit CSimpleViewDlg(CWnd* parent = nullptr);
    ~CSimpleViewDlg() override;

    // Shows a load: the text of the big button, the time below it and, when there is one, a new
    // title. Returns shown, which says whether the progress and CPU time are on the button.
    bool UpdateView(const CString& info, const CString& time, const std::optional<CString>& title,
                    bool shown);

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // Enter and Esc neither close nor hide the window; only the double click leaves it.
    void OnOK() override {}
    void OnCancel() override {}

    void OnInfoDoubleClicked();

private:
    CButton m_btnInfo;
    CString m_strTime;
};
