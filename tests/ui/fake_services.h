// Fake platform services for the window tests: they record what the windows asked for and
// answer as the test has set them up.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/reports/show_report.h"
#include "platform/autostart_entry.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"
#include "platform/timer_endpoint.h"
#include "ui/services.h"

namespace kelmo::test {

// Records every box; ask() answers from a queue (OK when it is empty). whileOpen, when set,
// runs while a box is open, as the user would take time (a nested event loop, say).
class RecordingMessageBox final : public platform::MessageBox {
  public:
    struct Shown {
        std::string text;
        std::string caption;
        bool question = false;
    };
    using platform::MessageBox::ask;
    using platform::MessageBox::show;
    void show(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption, false});
        if (whileOpen) whileOpen();
    }
    bool ask(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption, true});
        if (whileOpen) whileOpen();
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::function<void()> whileOpen;
};

// A Timer that is there or not and answers RELOAD with a set result.
class FakeTimerEndpoint final : public platform::TimerEndpoint {
  public:
    bool find() override { return running; }
    long send(const platform::TimerMessage& message) override {
        sent.push_back(message);
        return running ? answer : 0;
    }
    bool running = false;
    long answer = 1;
    std::vector<platform::TimerMessage> sent;
};

class FakeProgramStarter final : public platform::ProgramStarter {
  public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };
    bool start(const std::string& program, const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return succeeds;
    }
    bool succeeds = true;
    std::vector<Start> started;
};

class FakeAutostartEntry final : public platform::AutostartEntry {
  public:
    int write(const std::string& programFile, const std::string& commandLine) override {
        programs.push_back(programFile);
        written.push_back(commandLine);
        return result;
    }
    int remove() override {
        ++removed;
        return result;
    }
    std::string path() const override { return "autostart/KelmoTimes.desktop"; }
    int result = 0;
    std::vector<std::string> programs;  // the TryExec of each write
    std::vector<std::string> written;
    int removed = 0;
};

class FakeFileChooser final : public platform::FileChooser {
  public:
    std::optional<std::string> chooseFile(const std::string& initialName) override {
        asked.push_back(initialName);
        return choice;
    }
    std::optional<std::string> chooseSaveFile(const std::string& suggestedName) override {
        asked.push_back(suggestedName);
        return choice;
    }
    std::optional<std::string> choice;
    std::vector<std::string> asked;
};

class FakeReportServices final : public ReportServices {
  public:
    ProgramStart startProgram(const std::string& program,
                              const std::vector<std::string>& args) override {
        started.push_back(program);
        (void)args;
        return ProgramStart::started;
    }
    std::vector<std::string> started;
};

// Everything a window needs, faked.
struct FakeServices {
    RecordingMessageBox messages;
    FakeTimerEndpoint timer;
    FakeProgramStarter programs;
    FakeAutostartEntry autostart;
    FakeFileChooser files;
    platform::FixedClock clock{UtcTime{2024, 3, 11, 9, 0, 0.0}};
    FakeReportServices reports;
    ui::Services services{messages, timer, programs, autostart, files, clock, reports};
};

}  // namespace kelmo::test
