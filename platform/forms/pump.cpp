#include "platform/forms/pump.h"

#include <QCoreApplication>

namespace orbweave {

void DoEvents() {
    if (QCoreApplication::instance() == nullptr) return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace orbweave
