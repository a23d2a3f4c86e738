#pragma once

#include <cstddef>
#include <string>

namespace quintaro {

// The log pane of the update: lines are appended, and a line appended earlier can be given its
// final text. A view shows each change at once.
class UpdateLog {
public:
    virtual ~UpdateLog() = default;
    virtual std::size_t Append(const std::string& line) = 0;
    virtual void Replace(std::size_t index, const std::string& line) = 0;
    virtual std::size_t LineCount() const = 0;
};

// The progress window of an import.
class ImportProgress {
public:
    virtual ~ImportProgress() = default;
    virtual void Start(int maximum) = 0;
    virtual void Step(int count) = 0;
    virtual void Finish() = 0;
};

} // namespace quintaro
