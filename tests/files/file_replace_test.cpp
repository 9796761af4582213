// Failure injection for every rewrite of Kelmo.cfg: a read-only directory, a full disk (a file
// size limit, and a tiny tmpfs where one can be mounted), and changes to the directory between
// reading the old file and renaming the new one. Kelmo.cfg must always hold either its old or
// its new contents, and the right code must come back.
#include "files/settings/file_replace.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>

#include "files/config_fixture.h"
#include "files/reports/show_report.h"
#include "files/settings/config_errors.h"
#include "files/settings/config_file.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"

namespace kelmo {
namespace {

namespace fs = std::filesystem;
using test::readText;
using test::ScratchDir;
using test::writeText;

constexpr int kChildCannotSetUp = 250;
constexpr uid_t kNobody = 65534;

// Runs body in a child process (so that limits, users and mounts stay there) and returns its
// result, which must fit in 0..249; kChildCannotSetUp when setUp failed.
int inChild(const std::function<bool()>& setUp, const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!setUp()) _exit(kChildCannotSetUp);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Makes permission bits count: root passes every permission check, nobody does not.
bool asOrdinaryUser() {
    return geteuid() != 0 || (setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

bool withFileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit then fails with EFBIG
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

std::vector<Location> manyLocations(int count) {
    std::vector<Location> list(count);
    for (int i = 0; i < count; ++i) list[i].name = "Place" + std::to_string(i);
    return list;
}

class FileReplaceTest : public ::testing::Test {
  protected:
    void SetUp() override { writeText(path, test::kSmallFile); }
    void TearDown() override { setBeforeReplaceHook({}); }
    void expectOldFileAndNoLeftovers() {
        EXPECT_EQ(readText(path), test::kSmallFile);
        EXPECT_TRUE(test::otherFiles(dir.path(), "Kelmo.cfg").empty());
    }

    ScratchDir dir;
    std::string path = dir.file("Kelmo.cfg");
};

TEST_F(FileReplaceTest, ReadOnlyDirectory) {
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const auto user = [] { return asOrdinaryUser(); };
    EXPECT_EQ(inChild(user, [&] { return saveConfig(Config{}, path); }), kConfigCannotOpenTemp);
    EXPECT_EQ(inChild(user, [&] { return saveLocations("A", manyLocations(3), path); }),
              kConfigCannotOpenWrite);
    EXPECT_EQ(inChild(user,
                      [&] {
                          Location home;
                          Config config;
                          return createDefaultConfig(home, config, path);
                      }),
              kConfigCannotCreate);
    expectOldFileAndNoLeftovers();
}

TEST_F(FileReplaceTest, FileSizeLimitActsAsAFullDisk) {
    const auto limit = [] { return withFileSizeLimit(1000); };
    EXPECT_EQ(inChild(limit, [&] { return saveLocations("A", manyLocations(100), path); }),
              kConfigCannotWrite);
    EXPECT_EQ(inChild(limit,
                      [&] {
                          Location home;
                          Config config;
                          return createDefaultConfig(home, config, path);
                      }),
              kConfigCannotWrite);
    EXPECT_EQ(readText(path + ".bak"), test::kSmallFile);  // kept before the failed write
    fs::remove(path + ".bak");
    expectOldFileAndNoLeftovers();

    // saveConfig of a file larger than the limit: the copy cannot be written.
    const std::string big = defaultConfigText();
    writeText(path, big);
    EXPECT_EQ(inChild(limit, [&] { return saveConfig(Config{}, path); }), kConfigCannotWrite);
    EXPECT_EQ(readText(path), big);
    EXPECT_TRUE(test::otherFiles(dir.path(), "Kelmo.cfg").empty());
}

TEST_F(FileReplaceTest, FullTmpfs) {
    // A private mount namespace keeps the 16 KiB tmpfs inside the child.
    const std::string mountPoint = dir.file("disk");
    fs::create_directory(mountPoint);
    const auto mountTinyDisk = [&] {
        return unshare(CLONE_NEWNS) == 0 &&
               mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=24k") == 0;
    };
    const int result = inChild(mountTinyDisk, [&] {
        const std::string file = mountPoint + "/Kelmo.cfg";
        const std::string old = defaultConfigText();  // about 17 KiB of the 24
        writeText(file, old);
        if (readText(file) != old) return 1;
        Config config;
        config.fiqh = 3;
        const int save = saveConfig(config, file);
        if (readText(file) != old) return 2;
        if (!test::otherFiles(mountPoint, "Kelmo.cfg").empty()) return 3;
        Location home;
        const int create = createDefaultConfig(home, config, file);
        if (readText(file) != old) return 4;
        return save == kConfigCannotWrite && create == kConfigCannotWrite ? 0 : 5;
    });
    if (result == kChildCannotSetUp) GTEST_SKIP() << "no tmpfs could be mounted here";
    EXPECT_EQ(result, 0);
}

TEST_F(FileReplaceTest, FileRemovedBeforeTheRenameGetsTheNewContents) {
    setBeforeReplaceHook([](const std::string& target) { fs::remove(target); });
    Config config;
    config.fiqh = 2;
    ASSERT_EQ(saveConfig(config, path), 0);
    Location home;
    Config back;
    ASSERT_EQ(loadConfig(home, back, path), 0);
    EXPECT_EQ(back.fiqh, 2);
}

TEST_F(FileReplaceTest, FileRemovedBeforeReadingIsNotCreated) {
    fs::remove(path);
    EXPECT_EQ(saveConfig(Config{}, path), kConfigCannotOpen);
    EXPECT_EQ(saveLocations("A", manyLocations(1), path), kConfigCannotOpen);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(FileReplaceTest, TargetTurnedIntoADirectoryBeforeTheRename) {
    setBeforeReplaceHook([](const std::string& target) {
        fs::remove(target);
        fs::create_directories(target + "/inside");
    });
    EXPECT_EQ(saveConfig(Config{}, path), kConfigCannotOpenWrite);
    EXPECT_TRUE(fs::is_directory(path));
    fs::remove_all(path);
    writeText(path, test::kSmallFile);
    EXPECT_EQ(saveLocations("A", manyLocations(2), path), kConfigCannotOpenWrite);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_TRUE(test::otherFiles(dir.path(), "Kelmo.cfg").empty());
}

TEST_F(FileReplaceTest, DirectoryRemovedBeforeTheRename) {
    setBeforeReplaceHook(
        [&](const std::string&) { fs::rename(dir.path(), dir.path().string() + "-moved"); });
    EXPECT_EQ(saveConfig(Config{}, path), kConfigCannotOpenWrite);
    setBeforeReplaceHook({});
    const std::string moved = dir.path().string() + "-moved";
    EXPECT_EQ(readText(moved + "/Kelmo.cfg"), test::kSmallFile);
    fs::rename(moved, dir.path());
}

TEST_F(FileReplaceTest, KeepsPermissionsAndFollowsALink) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const std::string link = dir.file("link.cfg");
    fs::create_symlink(path, link);
    Config config;
    config.fiqh = 1;
    ASSERT_EQ(saveConfig(config, link), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    Location home;
    Config back;
    ASSERT_EQ(loadConfig(home, back, path), 0);
    EXPECT_EQ(back.fiqh, 1);
}

// A link another user planted in a shared sticky folder (/tmp-like, mode 1777) is not followed,
// as the kernel's protected_symlinks does not follow it for open: the victim's file stays. A
// link of the user's own, or of the folder's owner, is followed.
TEST_F(FileReplaceTest, ALinkPlantedInASharedStickyFolderIsNotFollowed) {
    if (geteuid() != 0) GTEST_SKIP() << "only the superuser can plant a link of another user";
    const fs::path shared = dir.path() / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const std::string victim = dir.file("victim.profile");
    writeText(victim, "the victim's own\n");
    const std::string planted = (shared / "report.txt").string();
    fs::create_symlink(victim, planted);
    ASSERT_EQ(lchown(planted.c_str(), kNobody, kNobody), 0);
    EXPECT_NE(replaceFileContents(planted, "report"), ReplaceResult::kDone);
    EXPECT_EQ(writeReportFile(planted, "report"), kErrorOpenOutput);
    EXPECT_EQ(readText(victim), "the victim's own\n");
    EXPECT_TRUE(fs::is_symlink(planted));
    // A planted link to the victim's folder is not followed either.
    const fs::path folderLink = shared / "folder";
    fs::create_directory_symlink(dir.path(), folderLink);
    ASSERT_EQ(lchown(folderLink.c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(writeReportFile((folderLink / "victim.profile").string(), "report"),
              kErrorOpenOutput);
    EXPECT_EQ(readText(victim), "the victim's own\n");
    // The folder's owner's link, and the user's own, lead where they point.
    ASSERT_EQ(chown(shared.c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(writeReportFile(planted, "report one"), 0);
    EXPECT_EQ(readText(victim), "report one");
    ASSERT_EQ(chown(shared.c_str(), 0, 0), 0);
    ASSERT_EQ(lchown(planted.c_str(), 0, 0), 0);
    EXPECT_EQ(writeReportFile(planted, "report two"), 0);
    EXPECT_EQ(readText(victim), "report two");
}

TEST_F(FileReplaceTest, ReadOnlyFileIsNotReplaced) {
    // The rename once ignored the file's mode: a file the user may not write was replaced.
    fs::permissions(dir.path(), fs::perms::all);  // anyone may create files beside it
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto user = [] { return asOrdinaryUser(); };
    const auto asIs = [] { return true; };  // no write bit at all: refused even to root
    for (const auto& setUp : {std::function<bool()>(user), std::function<bool()>(asIs)}) {
        EXPECT_EQ(inChild(setUp, [&] { return saveConfig(Config{}, path); }),
                  kConfigCannotOpenWrite);
        EXPECT_EQ(inChild(setUp, [&] { return saveLocations("A", manyLocations(3), path); }),
                  kConfigCannotOpenWrite);
    }
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    EXPECT_EQ(inChild(user, [&] { return saveConfig(Config{}, path); }), kConfigCannotOpenWrite);
    expectOldFileAndNoLeftovers();
}

TEST_F(FileReplaceTest, NoRegularFileIsReplaced) {
    const std::string fifo = dir.file("fifo.cfg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(replaceFileContents(fifo, "text"), ReplaceResult::kCannotRename);
    EXPECT_TRUE(fs::is_fifo(fifo));
    fs::remove(fifo);
}

TEST_F(FileReplaceTest, TemporaryFilesOfKilledWritersGoWithTheNextSave) {
    // A writer killed between creating its temporary file and the rename leaves the file.
    const pid_t writer = fork();
    if (writer == 0) {
        setBeforeReplaceHook([](const std::string&) { raise(SIGKILL); });
        saveConfig(Config{}, path);
        _exit(0);
    }
    int status = 0;
    waitpid(writer, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(test::otherFiles(dir.path(), "Kelmo.cfg").size(), 1u);
    // A running writer's file stays; so does a file that only looks similar.
    const std::string live = dir.file(".Kelmo-" + std::to_string(getppid()) + "-abc.tmp");
    const std::string other = dir.file(".Kelmo-notes.tmp");
    writeText(live, "half");
    writeText(other, "mine");
    Config config;
    config.fiqh = 3;
    ASSERT_EQ(saveConfig(config, path), 0);
    std::vector<std::string> left = test::otherFiles(dir.path(), "Kelmo.cfg");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".Kelmo-" + std::to_string(getppid()) + "-abc.tmp",
                                              ".Kelmo-notes.tmp"}));
}

TEST(ReadFileText, ReadsBytesAsTheyAre) {
    ScratchDir dir;
    const std::string bytes("a\0b\r\n\xB0", 6);
    writeText(dir.file("f"), bytes);
    std::string text;
    ASSERT_TRUE(readFileText(dir.file("f"), text));
    EXPECT_EQ(text, bytes);
    EXPECT_FALSE(readFileText(dir.file("missing"), text));
    EXPECT_EQ(readFileBytes(dir.file("f"), text, 6), ReadResult::kDone);
    EXPECT_EQ(readFileBytes(dir.file("f"), text, 5), ReadResult::kTooLarge);
    EXPECT_TRUE(text.empty());
}

TEST(OpenTempFile, CreatesDistinctNewFiles) {
    ScratchDir dir;
    TempFile a = openTempFile(dir.dirWithSeparator());
    TempFile b = openTempFile(dir.dirWithSeparator());
    ASSERT_NE(a.file, nullptr);
    ASSERT_NE(b.file, nullptr);
    EXPECT_NE(a.name, b.name);
    EXPECT_EQ(a.name.rfind(dir.dirWithSeparator(), 0), 0u);
    std::fclose(a.file);
    std::fclose(b.file);
    EXPECT_EQ(openTempFile(dir.file("missing") + "/").file, nullptr);
}

}  // namespace
}  // namespace kelmo
