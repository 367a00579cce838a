#include "windows/simple_view_dlg.h"

#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"

CSimpleViewDlg::CSimpleViewDlg(CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_SIMPLEVIEW), parent) {}

CSimpleViewDlg::~CSimpleViewDlg() = default;

const MessageMap* CSimpleViewDlg::GetThisMessageMap() {
    static const MessageMap map{
        CDialog::GetThisMessageMap(),
        {
            MapButtonDoubleClicked(IDC_INFO, &CSimpleViewDlg::OnInfoDoubleClicked),
        }};
    return &map;
}

void CSimpleViewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INFO, m_btnInfo);
    DDX_Text(pDX, IDC_TIME, m_strTime);
}

bool CSimpleViewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_btnInfo.SetWindowText(Tr(Text::kSimpleViewWait));
    UpdateData(false);
    return true;
}

bool CSimpleViewDlg::UpdateView(const CString& info, const CString& time,
                                const std::optional<CString>& title, bool shown) {
    m_strTime = time;
    if (title) {
        SetWindowText(*title);
    }
    m_btnInfo.SetWindowText(info);
    UpdateData(false);
    return shown;
}

void CSimpleViewDlg::OnInfoDoubleClicked() {
    ShowWindow(SW_HIDE);
    if (CWnd* owner = GetOwner()) {
        owner->ShowWindow(SW_SHOWNORMAL);
    }
}
