#include "platform/message_box.h"

#include "files/error_messages.h"

namespace kelmo::platform {

void showError(MessageBox& box, int code) {
    box.show(errorMessage(code));
}

}  // namespace kelmo::platform
