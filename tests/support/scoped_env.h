// An environment variable changed for one scope: its former value (or its absence) comes
// back when the object ends.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace kelmo::test {

class ScopedEnv {
  public:
    // Keeps the current value for the end of the scope and changes nothing yet.
    explicit ScopedEnv(const char* name) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
    }
    // Sets the variable (unsets it for nullptr) until the end of the scope.
    ScopedEnv(const char* name, const char* value) : ScopedEnv(name) { set(value); }
    ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
    ~ScopedEnv() { set(old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    // Sets the variable, or unsets it for nullptr.
    void set(const char* value) const {
        if (value)
            ::setenv(name_.c_str(), value, 1);
        else
            ::unsetenv(name_.c_str());
    }

  private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace kelmo::test
