#pragma once

#include "core/update/update_driver.h"

#include <optional>
#include <string>
#include <vector>

namespace quintaro::test {

// An update host that keeps the log lines and answers the dialogs as told.
class RecordingUpdate : public UpdateHost {
public:
    std::size_t Append(const std::string& line) override {
        lines.push_back(line);
        return lines.size() - 1;
    }
    void Replace(std::size_t index, const std::string& line) override { lines.at(index) = line; }
    std::size_t LineCount() const override { return lines.size(); }
    void Start(int maximum) override { progress.push_back("start " + std::to_string(maximum)); }
    void Step(int count) override { steps += count; }
    void Finish() override { progress.push_back("finish"); }
    std::optional<std::string> PickResultsFile(const std::string& fileName) override {
        offered.push_back(fileName);
        if (picks.empty())
            return std::nullopt;
        std::optional<std::string> pick = picks.front();
        picks.erase(picks.begin());
        return pick;
    }
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return confirm;
    }
    void ProcessPendingMessages() override { ++pumps; }

    std::vector<std::string> lines;
    std::vector<std::string> progress;
    int steps = 0;
    std::vector<std::optional<std::string>> picks; // answers of the file dialog, in turn
    std::vector<std::string> offered;
    bool confirm = false;
    std::vector<std::string> questions;
    int pumps = 0;
};

} // namespace quintaro::test
