#include "host/process_services.h"

#include "platform/registry/store.h"
#include "renderer/display/corvane_loader.h"

namespace orbweave {

namespace {

ProcessServices& Installed() {
    static ProcessServices services;
    return services;
}

bool StopWasRequested() { return runState.StopRequested; }

}  // namespace

void InstallProcessServices(const ProcessServices& services) {
    Installed() = services;
    SetFramePacer(services.framePacer);
    SetDisplayOpener(services.displayOpener);
    SetEndProcessHandler(services.endProcess);
    display::SetCursorHandler(services.cursor);
    SetCorvaneLookup(services.corvaneFolder, services.corvaneByPlainName);
    SetStoreWaitStop(services.storeWaitStop ? services.storeWaitStop : StopWasRequested);
    SetMessageBoxService(services.messageBox);
    SetBeepService(services.beep);
    SetUrlService(services.openUrl);
}

const ProcessServices& InstalledProcessServices() { return Installed(); }

}  // namespace orbweave
