#include "res/strings.h"

#include "res/resource.h"

CString LoadStringResource(int id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return CString(Text::kAboutMenuItem);
        default:
            return CString();
    }
}
