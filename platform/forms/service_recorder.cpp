#include "platform/forms/service_recorder.h"

#include <utility>

namespace orbweave {

ServiceRecorder::ServiceRecorder()
    : previousMessageBox_(
          SetMessageBoxService([this](std::string_view text, std::string_view title, const MessageStyle& style) {
              messages.push_back({std::string(text), std::string(title), style});
              if (messageAnswers.empty()) return DefaultAnswer(style);
              const MessageAnswer answer = messageAnswers.front();
              messageAnswers.pop_front();
              return answer;
          })),
      previousBeep_(SetBeepService([this] { ++beeps; })),
      previousInputBox_(SetInputBoxService([this](std::string_view prompt, std::string_view title,
                                                  std::string_view answer) -> std::optional<std::string> {
          inputs.push_back({std::string(prompt), std::string(title), std::string(answer)});
          if (inputAnswers.empty()) return std::nullopt;
          std::optional<std::string> scripted = std::move(inputAnswers.front());
          inputAnswers.pop_front();
          return scripted;
      })),
      previousBusyPointer_(SetBusyPointerService([this](bool busy) { busyStates.push_back(busy); })),
      previousHelp_(SetHelpService([this](std::string_view file, int command, int context) {
          helps.push_back({std::string(file), command, context});
      })),
      previousUrl_(SetUrlService([this](std::string_view address) {
          addresses.emplace_back(address);
          return addressesOpen;
      })) {}

ServiceRecorder::~ServiceRecorder() {
    SetMessageBoxService(std::move(previousMessageBox_));
    SetBeepService(std::move(previousBeep_));
    SetInputBoxService(std::move(previousInputBox_));
    SetBusyPointerService(std::move(previousBusyPointer_));
    SetHelpService(std::move(previousHelp_));
    SetUrlService(std::move(previousUrl_));
}

}  // namespace orbweave
