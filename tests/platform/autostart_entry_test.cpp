// The XDG autostart entry of the background Timer in a temporary folder.
#include "platform/autostart_entry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/scoped_env.h"

namespace kelmo::platform {
namespace {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class AutostartEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("kelmo-autostart-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override {
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root_);
    }
    fs::path root_;
};

// The user's own autostart folder (freedesktop.org "Desktop Application Autostart" 0.5);
// the machine-wide folders of $XDG_CONFIG_DIRS are only cleaned when switching off.
TEST_F(AutostartEntryTest, DefaultFolderIsTheUsersOwn) {
    const test::ScopedEnv home("XDG_CONFIG_HOME", (root_ / "home-config").string());
    const test::ScopedEnv dirs("XDG_CONFIG_DIRS", "/opt/xdg:relative:/etc/xdg");
    EXPECT_EQ(userAutostartDirectory(), (root_ / "home-config" / "autostart").string());
    EXPECT_EQ(systemAutostartDirectories(),
              (std::vector<std::string>{"/opt/xdg/autostart", "/etc/xdg/autostart"}));
    dirs.set("");
    EXPECT_EQ(systemAutostartDirectories(), std::vector<std::string>{"/etc/xdg/autostart"});
}

TEST_F(AutostartEntryTest, SwitchingOffRemovesAMachineWideEntryOrSays114) {
    const fs::path machine = root_ / "xdg" / "autostart";
    fs::create_directories(machine);
    std::ofstream(machine / "KelmoTimes.desktop") << "[Desktop Entry]\n";
    XdgAutostartEntry entry((root_ / "user").string(), {machine.string()});
    ASSERT_EQ(entry.write("/usr/bin/Kelmo", "\"/usr/bin/Kelmo\" /t 0"), 0);
    EXPECT_EQ(entry.remove(), 0);
    EXPECT_FALSE(fs::exists(entry.path()));
    EXPECT_FALSE(fs::exists(machine / "KelmoTimes.desktop"));
    // An entry that cannot be removed (here a folder with something in it) remains: 114.
    fs::create_directories(machine / "KelmoTimes.desktop" / "inside");
    EXPECT_EQ(entry.remove(), 114);
}

TEST_F(AutostartEntryTest, ExecArgumentsAreQuotedAndEscaped) {
    // freedesktop.org "Desktop Entry" 1.5, "The Exec key": reserved characters inside quotes.
    EXPECT_EQ(quoteExecArgument("/opt/Kelmo Times/Kelmo"), "\"/opt/Kelmo Times/Kelmo\"");
    EXPECT_EQ(quoteExecArgument("/a\"b`c$d\\e"), "\"/a\\\"b\\`c\\$d\\\\e\"");
    EXPECT_EQ(quoteExecArgument("/100%/Kelmo"), "\"/100%%/Kelmo\"");
    // The value itself escapes its backslashes once more.
    EXPECT_NE(desktopEntryText("/a\\b", "\"/a\\\\b\" /t 0").find("Exec=\"/a\\\\\\\\b\" /t 0\n"),
              std::string::npos);
    EXPECT_NE(desktopEntryText("/a\\b", "").find("\nTryExec=/a\\\\b\n"), std::string::npos);
}

TEST_F(AutostartEntryTest, WriteCreatesTheFolderAndTheEntry) {
    XdgAutostartEntry entry((root_ / "xdg" / "autostart").string());
    ASSERT_EQ(entry.write("/opt/Kelmo Times/Kelmo", "\"/opt/Kelmo Times/Kelmo\" /t 0"), 0);
    const std::string text = readFile(entry.path());
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nName=KelmoTimes\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=\"/opt/Kelmo Times/Kelmo\" /t 0\n"), std::string::npos);
    // A program removed since (the package uninstalled) is not started at log-on.
    EXPECT_NE(text.find("\nTryExec=/opt/Kelmo Times/Kelmo\n"), std::string::npos);
    EXPECT_EQ(fs::path(entry.path()).filename(), "KelmoTimes.desktop");
    // A second write replaces the entry and leaves no temporary file.
    ASSERT_EQ(entry.write("/usr/bin/Kelmo", "\"/usr/bin/Kelmo\" /t 0"), 0);
    EXPECT_NE(readFile(entry.path()).find("Exec=\"/usr/bin/Kelmo\" /t 0\n"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "xdg" / "autostart"),
                            fs::directory_iterator{}),
              1);
}

TEST_F(AutostartEntryTest, RemoveDeletesAndAMissingEntryIsSuccess) {
    XdgAutostartEntry entry((root_ / "autostart").string());
    EXPECT_EQ(entry.remove(), 0);  // neither folder nor entry
    ASSERT_EQ(entry.write("/usr/bin/Kelmo", "\"/usr/bin/Kelmo\" /t 0"), 0);
    EXPECT_EQ(entry.remove(), 0);
    EXPECT_FALSE(fs::exists(entry.path()));
    EXPECT_EQ(entry.remove(), 0);
}

TEST_F(AutostartEntryTest, FolderThatCannotBeCreatedGives114) {
    std::ofstream(root_ / "file") << "x";
    XdgAutostartEntry entry((root_ / "file" / "autostart").string());
    EXPECT_EQ(entry.write("/usr/bin/Kelmo", "\"/usr/bin/Kelmo\" /t 0"), 114);
    XdgAutostartEntry notAFolder((root_ / "file").string());
    EXPECT_EQ(notAFolder.remove(), 114);
}

TEST_F(AutostartEntryTest, EntryBlockedByAFolderGives115) {
    const fs::path folder = root_ / "autostart";
    XdgAutostartEntry entry(folder.string());
    fs::create_directories(fs::path(entry.path()) / "inside");  // a folder where the file goes
    EXPECT_EQ(entry.write("/usr/bin/Kelmo", "\"/usr/bin/Kelmo\" /t 0"), 115);
    EXPECT_EQ(entry.remove(), 115);
    EXPECT_FALSE(fs::exists(entry.path() + ".tmp"));
}

TEST_F(AutostartEntryTest, FolderThisUserMayNotChangeGives114) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser may change any folder";
    const fs::path folder = root_ / "autostart";
    XdgAutostartEntry entry(folder.string());
    ASSERT_EQ(entry.write("/usr/bin/Kelmo", "\"/usr/bin/Kelmo\" /t 0"), 0);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(entry.write("/opt/Kelmo", "\"/opt/Kelmo\" /t 0"), 114);
    EXPECT_EQ(entry.remove(), 114);
    fs::permissions(folder, fs::perms::owner_all);
    // The old entry is whole.
    EXPECT_NE(readFile(entry.path()).find("Exec=\"/usr/bin/Kelmo\" /t 0\n"), std::string::npos);
}

}  // namespace
}  // namespace kelmo::platform
