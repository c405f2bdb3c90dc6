// What the forms tests share: the one QApplication of the test process
// (created by a global environment in qt_application.cpp) and showing a form
// so that it has the focus.
#pragma once

#include <QTest>
#include <QWidget>

#include "platform/forms/form.h"
#include "platform/forms/pump.h"

namespace orbweave::testing {

// Shows the form and waits until its window is the active one.
inline bool ShowActive(Form& form) {
    form.Show();
    const bool active = QTest::qWaitForWindowActive(form.Window());
    DoEvents();
    return active;
}

}  // namespace orbweave::testing
