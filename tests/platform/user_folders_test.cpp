// The folders of an installed program, after the freedesktop.org XDG base directory rules
// (version 0.8): settings below $XDG_CONFIG_HOME, the program's own data beside the
// executable, in the installation's share folder, then in the XDG data folders.
#include "platform/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "files/program_path.h"
#include "support/fresh_directory.h"

namespace kelmo::platform {
namespace {

namespace fs = std::filesystem;

class UserFolders : public test::InFreshDirectory {
  protected:
    void SetUp() override {
        InFreshDirectory::SetUp();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("HOME", (dir_ / "home").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::setenv("XDG_DATA_HOME", (dir_ / "data-home").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", (dir_ / "data-dirs").c_str(), 1);
        setProgramDir((dir_ / "prefix" / "bin" / "Kelmo").string(), "");
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name, value->c_str(), 1);
            else
                ::unsetenv(name);
        }
        setProgramDir("", "");
        InFreshDirectory::TearDown();
    }
    void put(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "RIFF";
    }
    // A file below the test's folder with every link resolved.
    std::string real(const std::string& below) const {
        return fs::weakly_canonical(dir_ / below).string();
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(UserFolders, SettingsBelowTheConfigHome) {
    EXPECT_EQ(userConfigDirectory(), (dir_ / "home" / ".config" / "KelmoTimes").string() + "/");
    ::setenv("XDG_CONFIG_HOME", (dir_ / "cfg").c_str(), 1);
    EXPECT_EQ(userConfigDirectory(), (dir_ / "cfg" / "KelmoTimes").string() + "/");
    EXPECT_EQ(userAutostartDirectory(), (dir_ / "cfg" / "autostart").string());
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // not absolute: ignored
    EXPECT_EQ(userConfigDirectory(), (dir_ / "home" / ".config" / "KelmoTimes").string() + "/");
}

TEST_F(UserFolders, DataFilesBesideTheProgramThenSharedThenXdgData) {
    const fs::path bin = dir_ / "prefix" / "bin";
    fs::create_directories(bin);
    // Found nowhere: the name beside the executable, which the error then names.
    EXPECT_EQ(dataFilePath("Athan.wav"), (bin / "Athan.wav").string());
    put(dir_ / "data-dirs" / "kelmotimes" / "Athan.wav");
    EXPECT_EQ(dataFilePath("Athan.wav"), real("data-dirs/kelmotimes/Athan.wav"));
    put(dir_ / "data-home" / "kelmotimes" / "Athan.wav");
    EXPECT_EQ(dataFilePath("Athan.wav"), real("data-home/kelmotimes/Athan.wav"));
    put(dir_ / "prefix" / "share" / "kelmotimes" / "Athan.wav");
    // "bin/../share" is named as the system resolves it.
    EXPECT_EQ(dataFilePath("Athan.wav"), real("prefix/share/kelmotimes/Athan.wav"));
    put(bin / "Athan.wav");
    EXPECT_EQ(dataFilePath("Athan.wav"), real("prefix/bin/Athan.wav"));
}

}  // namespace
}  // namespace kelmo::platform
