#include "platform/message_box.h"

#include "files/error_messages.h"

namespace kelmo::platform {

void showError(MessageBox& box, int code) {
    box.show(errorMessage(code));
}

void showError(MessageBox& box, int code, const std::string& detail) {
    box.show(std::string(errorMessage(code)) + "\n" + detail);
}

}  // namespace kelmo::platform
