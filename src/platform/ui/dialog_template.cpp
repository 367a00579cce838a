#include "platform/ui/dialog_template.h"

const ControlTemplate* DialogTemplate::FindControl(int controlId) const {
    for (const ControlTemplate& control : controls) {
        if (control.id == controlId) {
            return &control;
        }
    }
    return nullptr;
}
