#include "platform/start_detached.h"
#include "platform/program_starter.h"
#include "support/fresh_directory.h"
#include "support/scoped_env.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace kelmo::platform {
namespace {

namespace fs = std::filesystem;

using test::ScopedEnv;

class StartDetached : public kelmo::test::InFreshDirectory {
  protected:
    void writeFile(const std::string& name, const std::string& content, fs::perms perms) {
        std::ofstream(name) << content;
        fs::permissions(name, perms);
    }
    // Waits up to five seconds for a file that a started program writes.
    static bool appears(const std::string& name) {
        for (int i = 0; i < 500; ++i) {
            if (fs::exists(name) && fs::file_size(name) > 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
};

constexpr fs::perms kExecutable = fs::perms::owner_all;
constexpr fs::perms kReadable = fs::perms::owner_read | fs::perms::owner_write;

TEST_F(StartDetached, FindsTheNameAsGivenThenAlongThePath) {
    const std::string sh = findProgram("sh");
    ASSERT_FALSE(sh.empty());
    EXPECT_EQ(sh.back(), 'h');
    EXPECT_EQ(findProgram(sh), sh);  // a path is taken as it is
    writeFile("tool", "#!/bin/sh\n", kExecutable);
    EXPECT_EQ(findProgram("tool"), "./tool");  // the current directory comes first
    writeFile("notes", "text", kReadable);
    EXPECT_EQ(findProgram("notes"), "");  // not executable
    EXPECT_EQ(findProgram(""), "");
    EXPECT_EQ(findProgram("no-such-program-kelmo"), "");
    fs::create_directory("bin");
    writeFile("bin/kelmo-helper", "#!/bin/sh\n", kExecutable);
    ScopedEnv path("PATH", "/nonexistent::" + (fs::current_path() / "bin").string());
    EXPECT_EQ(findProgram("kelmo-helper"), (fs::current_path() / "bin/kelmo-helper").string());
    EXPECT_EQ(findProgram("bin"), "");  // a directory is no program
}

TEST_F(StartDetached, EmptyPathFindsOnlyTheNameAsGiven) {
    ScopedEnv path("PATH", "");
    EXPECT_EQ(findProgram("sh"), "");
    EXPECT_EQ(startDetached("sh", {"-c", "true"}), ProgramStart::notFound);
}

TEST_F(StartDetached, RunsWithItsArgumentsWithoutWaitingAndLeavesNoChild) {
    const std::string out = (fs::current_path() / "out.txt").string();
    const auto before = std::chrono::steady_clock::now();
    // The shell writes its arguments, then keeps running for a while.
    ASSERT_EQ(startDetached("sh", {"-c", "echo \"$0 $1\" > \"$1\"; sleep 2", "kelmo", out}),
              ProgramStart::started);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
    // No child of this process is left to reap: no zombie can stay behind.
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ASSERT_TRUE(appears(out));
    std::ifstream in(out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "kelmo " + out);
}

TEST_F(StartDetached, ProgramStarterGivesTheProgramExactlyItsArguments) {
    // A script that writes how many words it got and the words themselves.
    writeFile("record", "#!/bin/sh\necho \"$# $*\" > words.tmp; mv words.tmp words.txt\n",
              kExecutable);
    DetachedProgramStarter starter;
    ASSERT_TRUE(starter.start((fs::current_path() / "record").string(), {"/t", "0"}));
    ASSERT_TRUE(appears("words.txt"));
    std::ifstream in("words.txt");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "2 /t 0");  // not the program's own path once more
    EXPECT_FALSE(starter.start("./no-such-program", {}));
}

TEST_F(StartDetached, OpenDescriptorsAreNotInherited) {
    // A descriptor without close-on-exec, numbered above those ls opens for itself.
    const int opened = ::open(".", O_RDONLY);
    ASSERT_GE(opened, 0);
    const int fd = ::dup2(opened, 57);
    ::close(opened);
    ASSERT_EQ(fd, 57);
    const std::string out = (fs::current_path() / "fds.txt").string();
    ASSERT_EQ(
        startDetached("sh", {"-c", "ls /proc/self/fd > \"$0.tmp\"; mv \"$0.tmp\" \"$0\"", out}),
        ProgramStart::started);
    ASSERT_TRUE(appears(out));
    ::close(fd);
    std::ifstream in(out);
    std::string line;
    bool inherited = false;
    while (std::getline(in, line)) inherited = inherited || line == std::to_string(fd);
    EXPECT_FALSE(inherited) << "descriptor " << fd << " reached the started program";
}

TEST_F(StartDetached, ExecutableThatCannotRunIsAFailureNotAStart) {
    writeFile("broken",
              std::string("\x7F"
                          "ELF garbage",
                          12),
              kExecutable);
    EXPECT_EQ(startDetached("./broken", {}), ProgramStart::failed);
    EXPECT_EQ(startDetached("./missing", {}), ProgramStart::notFound);
}

}  // namespace
}  // namespace kelmo::platform
