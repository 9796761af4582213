// A test that runs in a fresh empty directory of its own, made the current directory for the
// test and removed afterwards (for code that writes into the current directory).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace kelmo::test {

class InFreshDirectory : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        previous_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() /
               ("kelmo_" + std::string(info->test_suite_name()) + "_" + std::to_string(::getpid()) +
                "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

    std::filesystem::path dir_;       // the fresh directory
    std::filesystem::path previous_;  // the current directory before the test
};

}  // namespace kelmo::test
