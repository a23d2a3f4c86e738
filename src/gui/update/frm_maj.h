#pragma once

#include "core/update/update_driver.h"
#include "gui/ui/view_window.h"

#include <functional>

class QPlainTextEdit;
class QToolButton;

namespace quintaro {

class TfrmProgress;

// The update view: "MAj nouveaux Tirages" and "Maj Total", with the log pane of every step.
class TfrmMaj : public ViewWindow, public UpdateHost {
    Q_OBJECT
public:
    using FilePicker = std::function<std::optional<std::string>(const std::string& fileName)>;
    using Question = std::function<bool(const std::string& question)>;

    TfrmMaj(ViewHost& host, TfrmProgress& progress);

    void cmdMajNewClick();
    void cmdMajtotalClick();

    // The dialogs the view opens; tests put their own answers in their place.
    void SetDialogs(FilePicker picker, Question question);

    QPlainTextEdit* Log() const { return mLog_; }
    QToolButton* cmdMajNew() const { return cmdMajNew_; }
    QToolButton* cmdMajtotal() const { return cmdMajtotal_; }

    std::size_t Append(const std::string& line) override;
    void Replace(std::size_t index, const std::string& line) override;
    std::size_t LineCount() const override { return lineCount_; }
    void Start(int maximum) override;
    void Step(int count) override;
    void Finish() override;
    std::optional<std::string> PickResultsFile(const std::string& fileName) override;
    bool Confirm(const std::string& question) override;
    void ProcessPendingMessages() override;

private:
    // Runs one of the commands with both buttons disabled, however it ends; a command that ran
    // (true) is followed by the report of what the grids won on the draws it added.
    void Run(const std::function<bool(UpdateDriver&)>& command);
    // The report in the log and, when something was won, the message that offers the latest
    // winning draw.
    void ReportNewDraws(const NewDrawWinnings& winnings);

    TfrmProgress& progress_;
    QToolButton* cmdMajNew_;
    QToolButton* cmdMajtotal_;
    QPlainTextEdit* mLog_;
    std::size_t lineCount_ = 0;
    FilePicker picker_;
    Question question_;
};

} // namespace quintaro
