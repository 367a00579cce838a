#include "platform/ui/file_dialog.h"

#include <sys/stat.h>

#include "platform/base/paths.h"
#include "platform/ui/cwnd.h"
#include "platform/ui/framework_texts.h"

namespace {

// The path with "." and the default extension appended when its file name has no extension.
CString WithDefaultExtension(const CString& path, const CString& defaultExt) {
    std::string extension = defaultExt.str();
    if (!extension.empty() && extension[0] == '.') {
        extension.erase(0, 1);
    }
    const std::string& full = path.str();
    const size_t separator = full.rfind(kPathSeparator);
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    if (extension.empty() || nameStart == full.size() ||
        full.find('.', nameStart) != std::string::npos) {
        return path;
    }
    return CString(full + '.' + extension);
}

}  // namespace

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExt, const char* fileName,
                         UINT flags, const char* filter, CWnd* parent)
    : m_pParentWnd(parent) {
    m_ofn.openFileDialog = openFileDialog;
    m_ofn.defaultExt = defaultExt;
    m_ofn.fileName = fileName;
    m_ofn.flags = flags;
    m_ofn.filter = filter;
}

int CFileDialog::DoModal() {
    CString chosen;
    NativeWindow* owner = m_pParentWnd ? m_pParentWnd->GetNative() : nullptr;
    FileDialogRequest request = m_ofn;
    if (request.title.IsEmpty()) {
        const FrameworkTexts& texts = GetFrameworkTexts();
        request.title = request.openFileDialog ? texts.openFileTitle : texts.saveFileTitle;
    }
    if (!ShowNativeFileDialog(owner, request, chosen)) {
        return IDCANCEL;
    }
    // The platform's dialog gives the name as the user typed it.
    m_path = WithDefaultExtension(chosen, m_ofn.defaultExt);
    m_confirmed = std::move(chosen);
    return IDOK;
}

bool CFileDialog::ReplacesUnasked() const {
    if (m_ofn.openFileDialog || !(m_ofn.flags & OFN_OVERWRITEPROMPT) || m_path == m_confirmed) {
        return false;
    }
    // Any entry of that name: a link there is replaced too, wherever it points.
    struct stat st {};
    return ::lstat(m_path.GetString(), &st) == 0;
}
