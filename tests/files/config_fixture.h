// A scratch directory for tests of Kelmo.cfg, removed afterwards, and a recording prompt.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/settings/prompt.h"

namespace kelmo::test {

class ScratchDir {
  public:
    ScratchDir() {
        std::random_device random;
        std::string name = "kelmo-files-";
        name += std::to_string(random());
        name += std::to_string(random());
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(path_, error);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string dirWithSeparator() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

inline void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Files in dir other than the given one (left-over temporary files).
inline std::vector<std::string> otherFiles(const std::filesystem::path& dir,
                                           const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().filename() != keep) names.push_back(entry.path().filename().string());
    }
    return names;
}

// Records every question and message; answers questions with the set answer.
class RecordingPrompt final : public Prompt {
  public:
    bool answer = true;
    std::vector<std::string> questions;
    std::vector<std::string> messages;

    bool askOkCancel(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    // The first start's answer (notAsked: the prompt does not ask) and the places offered.
    FirstStartChoice firstChoice;
    std::vector<Location> offered;
    FirstStartChoice chooseFirstSettings(const std::vector<Location>& places,
                                         const Config&) override {
        offered = places;
        return firstChoice;
    }
};

// A short valid file: configuration line and three places.
inline const std::string kSmallFile =
    "Manama,Bahrain notepad.exe Athan.wav PreAth.wav -16.0000 -13.5000 -18.0000 15.00 1296 "
    "88576 258 10 0 0\n"
    "Abu;Dhabi,Uae 0.42702389 0.94887734 0 4.0000 0 0\n"
    "Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0\n"
    "New;York,NY,CA,USA 0.71122335 -1.29119696 0 -5.0000 1086 2626\n";

}  // namespace kelmo::test
