#include "platform/ui/framework_texts.h"

#include "platform/ui/cwinapp.h"

const FrameworkTexts& GetFrameworkTexts() {
    static const FrameworkTexts kNone;
    const CWinApp* const app = AfxGetApp();
    return app ? app->m_frameworkTexts : kNone;
}

CString FormatString1(const CString& text, const CString& value) {
    std::string result;
    const std::string& pattern = text.str();
    size_t from = 0;
    for (size_t at = pattern.find("%1"); at != std::string::npos; at = pattern.find("%1", from)) {
        result.append(pattern, from, at - from);
        result += value.str();
        from = at + 2;
    }
    result.append(pattern, from, std::string::npos);
    return CString(std::move(result));
}
