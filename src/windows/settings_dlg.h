// CSettingsDlg: the modal dialog that edits the timer, export and simple-view settings. It reads
// the settings store when it opens and writes it only when OK passes validation.
#pragma once

#include "platform/base/cstring.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/controls.h"

class CSettingsDlg : public CDialog {
public:
    // browseDir: the folder the file browser starts in (the default log's folder), made when the
    // browser first opens.
    explicit CSettingsDlg(const CString& browseDir, CWnd* parent = nullptr);
    ~CSettingsDlg() override;

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

    void OnAutoUpdateClicked();
    void OnBrowse();
    void OnSimpleEnableClicked();

private:
    // The interval edit and check boxes 1021 and 1033 are read and set directly.
    CButton m_btnTopMost;
    CButton m_btnDiffExport;
    CEdit m_editInterval;
    CString m_strPath;
    // Check box states (BOOL): 0 or 1.
    int m_bAutoUpdate = 0;
    int m_bLFCode = 0;
    int m_bNoTitle = 0;
    int m_bSimpleEnable = 0;
    int m_bNewFormat = 0;
    int m_bPlot = 0;

    CString m_strBrowseDir;
};
