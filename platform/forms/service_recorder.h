// Recorders for every user-facing service, for tests of this layer and of the
// dialogs above it: messages, beeps, input boxes, the busy pointer, help and
// addresses are recorded instead of shown, and answered from a script. The
// services in place before are put back when the recorder goes.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/services.h"
#include "platform/system/services.h"

namespace orbweave {

class ServiceRecorder {
public:
    struct Message {
        std::string text;
        std::string title;
        MessageStyle style;
    };
    struct Input {
        std::string prompt;
        std::string title;
        std::string defaultAnswer;
    };
    struct Help {
        std::string file;
        int command;
        int context;
    };

    ServiceRecorder();
    ~ServiceRecorder();
    ServiceRecorder(const ServiceRecorder&) = delete;
    ServiceRecorder& operator=(const ServiceRecorder&) = delete;

    std::vector<Message> messages;
    int beeps = 0;
    std::vector<Input> inputs;
    std::vector<bool> busyStates;
    std::vector<Help> helps;
    std::vector<std::string> addresses;

    // Answers for the next messages and input boxes, first first; once they
    // run out a message gets its default answer and an input box is cancelled.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    // Whether the desktop has a handler for addresses.
    bool addressesOpen = true;

private:
    MessageBoxService previousMessageBox_;
    BeepService previousBeep_;
    InputBoxService previousInputBox_;
    BusyPointerService previousBusyPointer_;
    HelpService previousHelp_;
    UrlService previousUrl_;
};

}  // namespace orbweave
