#include "windows/simple_view_dlg.h"

#include "pages/duration.h"
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"

namespace {

constexpr char kTimePattern[] = "%Y/%m/%d %H:%M:%S";

}  // namespace

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
    m_btnInfo.SetWindowText(Text::kSimpleViewWait);
    UpdateData(false);
    return true;
}

bool CSimpleViewDlg::UpdateView(const CTime& updateTime, const WorkUnitInfo& wu,
                                const AnalysisState& state) {
    m_strTime = updateTime.Format(kTimePattern);
    if (wu.found) {
        SetWindowText(wu.directory);
        if (state.found) {
            const DurationFields cpu = SplitDuration(state.cpu);
            CString text;
            text.Format(Text::kSimpleViewProgressFormat, state.prog * 100.0);
            text.AppendFormat(Text::kSimpleViewCpuTimeFormat, cpu.hours, cpu.minutes, cpu.seconds);
            m_btnInfo.SetWindowText(text);
            UpdateData(false);
            return true;
        }
    }
    // The title keeps its last text; the time line still shows this attempt.
    m_btnInfo.SetWindowText(Text::kSimpleViewFailed);
    UpdateData(false);
    return false;
}

void CSimpleViewDlg::OnInfoDoubleClicked() {
    ShowWindow(SW_HIDE);
    if (CWnd* owner = GetOwner()) {
        owner->ShowWindow(SW_SHOWNORMAL);
    }
}
