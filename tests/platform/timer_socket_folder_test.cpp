// Where the Timer's socket lies and which folders and sockets count as this user's own: the
// runtime folder of the freedesktop base directories, else a folder of mode 0700 in the
// temporary directory (as Qt finds it); a folder others may write, a link, a socket or folder
// of another user are never trusted.
#include "platform/timer_socket_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "support/scoped_env.h"

namespace kelmo::platform {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

using test::ScopedEnv;

class FolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kelmo-folder-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string socketIn(const fs::path& folder) {
        const std::string path = (folder / kTimerSocketName).string();
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd);  // the file stays
        return path;
    }
    fs::path folder_;
};

TEST(TimerSocketFolder, TemporaryDirectoryFollowsTmpdirAsQtDoes) {
    const fs::path dir = fs::temp_directory_path() / ("kelmo-tmpdir-" + std::to_string(getpid()));
    fs::create_directories(dir);
    {
        const std::string messy = dir.string() + "//./";
        ScopedEnv env("TMPDIR", messy.c_str());
        EXPECT_EQ(temporaryDirectory(), fs::canonical(dir).string());
    }
    {
        ScopedEnv env("TMPDIR", nullptr);
        EXPECT_EQ(temporaryDirectory(), fs::canonical("/tmp").string());
    }
    {
        ScopedEnv env("TMPDIR", "");
        EXPECT_EQ(temporaryDirectory(), fs::canonical("/tmp").string());
    }
    fs::remove_all(dir);
}

TEST(TimerSocketFolder, RuntimeFolderFirstElseAFolderOfTheUserInTheTemporaryDirectory) {
    // The socket once lay in the shared temporary directory itself, where anybody may create
    // its name first.
    {
        const std::string runtime =
            fs::temp_directory_path() / ("kelmo-run-" + std::to_string(getpid()));
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        ScopedEnv env("XDG_RUNTIME_DIR", runtime + "/");
        EXPECT_EQ(timerSocketFolder(), runtime);
        EXPECT_EQ(timerSocketPath(), runtime + "/KelmoTimer");
        fs::remove(runtime);
    }
    const std::string fallback = temporaryDirectory() + "/KelmoTimes-" + std::to_string(getuid());
    for (const char* runtime : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        ScopedEnv env("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(timerSocketFolder(), fallback);
        EXPECT_EQ(timerSocketPath(), fallback + "/KelmoTimer");
    }
    EXPECT_EQ(folderOf("/run/user/1000/KelmoTimer"), "/run/user/1000");
    EXPECT_EQ(folderOf("/KelmoTimer"), "/");
}

// A runtime folder that cannot hold the Timer's socket safely is passed over for the private
// folder in the temporary directory, so that every start of the Timer, and every client, meets
// at one socket and one lock; a temporary directory that is missing, or whose socket path would
// not fit a Unix socket address (107 bytes), gives way to /tmp.
TEST_F(FolderTest, AnUnusableRuntimeFolderFallsBackToThePrivateTemporaryFolder) {
    const std::string uid = std::to_string(getuid());
    const std::string fallback = temporaryDirectory() + "/KelmoTimes-" + uid;
    const std::string file = (folder_ / "file").string();
    close(creat(file.c_str(), 0600));
    const fs::path open = folder_ / "open";
    fs::create_directory(open);
    fs::permissions(open, fs::perms::all);
    std::string deep = folder_.string();
    while (deep.size() + 1 + std::strlen(kTimerSocketName) <= kMaxSocketPathBytes) deep += "/deep";
    fs::create_directories(deep);
    fs::permissions(deep, fs::perms::owner_all);
    for (const std::string& runtime : {file, open.string(), deep, (folder_ / "missing").string()}) {
        ScopedEnv env("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(timerSocketFolder(), fallback) << runtime;
        EXPECT_LE(timerSocketPath().size(), kMaxSocketPathBytes) << runtime;
    }
    const std::string tmp = fs::canonical("/tmp").string() + "/KelmoTimes-" + uid;
    ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
    for (const std::string& tmpdir : {(folder_ / "missing").string(), deep, file}) {
        ScopedEnv env("TMPDIR", tmpdir);
        EXPECT_EQ(timerSocketFolder(), tmp) << tmpdir;
    }
    if (geteuid() != 0) return;  // only the superuser can give a folder to another user
    const fs::path others = folder_ / "others";
    fs::create_directory(others);
    fs::permissions(others, fs::perms::owner_all);
    ASSERT_EQ(chown(others.c_str(), kNobody, kNobody), 0);
    ScopedEnv env("XDG_RUNTIME_DIR", others.string());
    EXPECT_EQ(timerSocketFolder(), fallback);
}

TEST_F(FolderTest, OnlyAFolderOfTheUserThatOthersMayNotWriteIsPrivate) {
    EXPECT_TRUE(isPrivateFolder(folder_.string()));
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    EXPECT_TRUE(isPrivateFolder(folder_.string()));  // readable, but nobody else writes
    fs::permissions(folder_, fs::perms::all);
    EXPECT_FALSE(isPrivateFolder(folder_.string()));
    fs::permissions(folder_, fs::perms::owner_all);
    const fs::path link = folder_.string() + "-link";
    fs::create_directory_symlink(folder_, link);
    EXPECT_FALSE(isPrivateFolder(link.string()));
    fs::remove(link);
    EXPECT_FALSE(isPrivateFolder((folder_ / "missing").string()));
    // makePrivateFolder creates one of mode 0700, and takes an existing private one as it is.
    const fs::path made = folder_ / "KelmoTimes-1";
    EXPECT_TRUE(makePrivateFolder(made.string()));
    EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_TRUE(makePrivateFolder(made.string()));
    EXPECT_FALSE(makePrivateFolder((folder_ / "no" / "parent").string()));
}

TEST_F(FolderTest, OnlyASocketOfTheUserInAPrivateFolderIsTrusted) {
    const std::string socket = socketIn(folder_);
    EXPECT_TRUE(isTrustedSocket(socket));
    fs::permissions(folder_, fs::perms::all);
    EXPECT_FALSE(isTrustedSocket(socket));
    fs::permissions(folder_, fs::perms::owner_all);
    const std::string file = (folder_ / "plain").string();
    close(creat(file.c_str(), 0600));
    EXPECT_FALSE(isTrustedSocket(file));
    EXPECT_FALSE(isTrustedSocket((folder_ / "missing").string()));
    if (geteuid() != 0) GTEST_SKIP() << "only the superuser can give files to another user";
    ASSERT_EQ(chown(socket.c_str(), kNobody, kNobody), 0);
    EXPECT_FALSE(isTrustedSocket(socket));
    ASSERT_EQ(chown(socket.c_str(), 0, 0), 0);
    ASSERT_EQ(chown(folder_.c_str(), kNobody, kNobody), 0);
    EXPECT_FALSE(isPrivateFolder(folder_.string()));
    EXPECT_FALSE(isTrustedSocket(socket));
    EXPECT_FALSE(makePrivateFolder(folder_.string()));
}

}  // namespace
}  // namespace kelmo::platform
