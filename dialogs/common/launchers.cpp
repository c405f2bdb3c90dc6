#include "dialogs/common/launchers.h"

#include "platform/system/services.h"

namespace orbweave {

DialogLaunchers& Launchers() {
    static DialogLaunchers launchers;
    return launchers;
}

void ShowResizableNote() {
    ShowMessage(kResizableNote, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
}

}  // namespace orbweave
