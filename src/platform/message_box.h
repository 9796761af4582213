// Modal message boxes captioned with the application title. Texts are UTF-8 (the windows'
// texts in the user's language, in any script) and are shown whole, the TAB that ends each
// error text included.
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

}  // namespace kelmo::platform
