// The folders of an installed program, after the freedesktop.org XDG base directory rules
// (version 0.8): settings below $XDG_CONFIG_HOME, the program's own data beside the
// executable, in the installation's share folder, then in the XDG data folders.
#include "platform/user_folders.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "files/settings/program_path.h"
#include "support/fresh_directory.h"
#include "support/scoped_env.h"

namespace kelmo::platform {
namespace {

namespace fs = std::filesystem;

class UserFolders : public test::InFreshDirectory {
  protected:
    void SetUp() override {
        InFreshDirectory::SetUp();
        home_.set((dir_ / "home").c_str());
        configHome_.set(nullptr);
        dataHome_.set((dir_ / "data-home").c_str());
        dataDirs_.set((dir_ / "data-dirs").c_str());
        setProgramDir((dir_ / "prefix" / "bin" / "Kelmo").string(), "");
    }
    void TearDown() override {
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
    // Restored when the test ends.
    test::ScopedEnv home_{"HOME"};
    test::ScopedEnv configHome_{"XDG_CONFIG_HOME"};
    test::ScopedEnv dataHome_{"XDG_DATA_HOME"};
    test::ScopedEnv dataDirs_{"XDG_DATA_DIRS"};
};

TEST_F(UserFolders, SettingsBelowTheConfigHome) {
    EXPECT_EQ(userConfigDirectory(), (dir_ / "home" / ".config" / "KelmoTimes").string() + "/");
    configHome_.set((dir_ / "cfg").c_str());
    EXPECT_EQ(userConfigDirectory(), (dir_ / "cfg" / "KelmoTimes").string() + "/");
    EXPECT_EQ(userAutostartDirectory(), (dir_ / "cfg" / "autostart").string());
    configHome_.set("relative/cfg");  // not absolute: ignored
    EXPECT_EQ(userConfigDirectory(), (dir_ / "home" / ".config" / "KelmoTimes").string() + "/");
}

// Without HOME (or with a relative one) the settings once came from ./.config of whatever
// folder the program was started in. The home folder of the user's entry in the password file
// is taken instead.
TEST_F(UserFolders, WithoutHomeThePasswordEntryGivesTheHomeFolder) {
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    const std::string home = entry->pw_dir;
    for (const char* value : {static_cast<const char*>(nullptr), "", ".", "relative/home"}) {
        home_.set(value);
        EXPECT_EQ(userConfigDirectory(), home + "/.config/KelmoTimes/")
            << (value ? value : "unset");
        EXPECT_EQ(userAutostartDirectory(), home + "/.config/autostart");
    }
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
