// Modal message boxes captioned with the application title. Texts are UTF-8 like every text
// of the program and are shown whole, the TAB that ends each error text included.
#pragma once

#include <string>

namespace kelmo::platform {

inline constexpr const char* kAppTitle = "KelmoTimes";

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // One OK button; returns when the user has closed the box.
    virtual void show(const std::string& text, const std::string& caption) = 0;
    // OK and Cancel; true when the user chose OK.
    virtual bool ask(const std::string& text, const std::string& caption) = 0;

    void show(const std::string& text) { show(text, kAppTitle); }
    bool ask(const std::string& text) { return ask(text, kAppTitle); }
};

// The standard report of a failure: the text of the error code in a box with one OK button.
void showError(MessageBox& box, int code);
// The same with more on the lines below the error text: detail (such as a file path and why
// the action failed).
void showError(MessageBox& box, int code, const std::string& detail);

}  // namespace kelmo::platform
