#pragma once

#include "core/update/update_driver.h"

namespace quintaro::bench {

// An update window that answers yes and keeps nothing.
class SilentUpdate : public UpdateHost {
public:
    std::size_t Append(const std::string&) override { return lines_++; }
    void Replace(std::size_t, const std::string&) override {}
    std::size_t LineCount() const override { return lines_; }
    void Start(int) override {}
    void Step(int) override {}
    void Finish() override {}
    std::optional<std::string> PickResultsFile(const std::string&) override { return {}; }
    bool Confirm(const std::string&) override { return true; }
    void ProcessPendingMessages() override {}

private:
    std::size_t lines_ = 0;
};

} // namespace quintaro::bench
