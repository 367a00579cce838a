#include "res/strings.h"

#include "res/resource.h"

CString LoadStringResource(int id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return CString(Text::kAboutMenuItem);
        case IDS_HISTORY:
            return CString(Text::kHistoryMenuItem);
        default:
            return CString();
    }
}
