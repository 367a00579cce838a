#include "platform/ui/cdialog.h"

#include "platform/ui/cwinapp.h"

namespace {

// Thrown by CDataExchange::Fail to end an exchange early.
struct DataExchangeFailed {};

}  // namespace

void CDataExchange::Fail() {
    throw DataExchangeFailed{};
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : m_template(dialogTemplate), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    // The controls bound to members of the derived class are gone already.
    if (m_window) {
        BindDialog(nullptr, false);
        m_window.reset();
    }
}

bool CDialog::CreateNative(CWnd* owner) {
    DestroyWindow();
    SetOwner(owner);
    NativeDialog* ownerNative = nullptr;
    if (owner) {
        ownerNative = dynamic_cast<NativeDialog*>(owner->GetNative());
    }
    m_window = CreateNativeDialog(m_template, ownerNative, *this);
    if (!m_window) {
        return false;
    }
    BindDialog(m_window.get());
    return true;
}

int CDialog::DoModal() {
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (owner == this) {
        owner = nullptr;
    }
    if (!CreateNative(owner)) {
        return -1;
    }
    m_modal = true;
    OnInitDialog();
    const int result = m_window->RunModal();
    m_modal = false;
    DestroyWindow();
    return result;
}

bool CDialog::Create(CWnd* parent) {
    CWnd* owner = parent ? parent : AfxGetMainWnd();
    if (!CreateNative(owner == this ? nullptr : owner)) {
        return false;
    }
    OnInitDialog();
    if (m_template.style & kVisible) {
        ShowWindow(SW_SHOW);
    }
    return true;
}

bool CDialog::DestroyWindow() {
    if (!m_window) {
        return false;
    }
    BindDialog(nullptr);
    m_window.reset();
    return true;
}

void CDialog::EndDialog(int result) {
    if (m_window) {
        m_window->EndModal(result);
    }
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeFailed&) {
        if (CWnd* control = GetDlgItem(exchange.m_idLastControl)) {
            control->SetFocus();
        }
        return false;
    }
    return true;
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) {
        control->SetFocus();
    }
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

const MessageMap* CDialog::GetThisMessageMap() {
    static const MessageMap map{CWnd::GetThisMessageMap(), {}};
    return &map;
}

LRESULT CDialog::DefWindowProc(const Message& message) {
    if (message.message == WM_COMMAND && message.code == BN_CLICKED) {
        if (message.id == IDOK) {
            OnOK();
        } else if (message.id == IDCANCEL) {
            OnCancel();
        }
    } else if (message.message == WM_CLOSE) {
        // The close box of a dialog means Cancel.
        OnCancel();
    }
    return 0;
}
