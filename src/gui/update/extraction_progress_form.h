#pragma once

#include "core/update/zip_archive.h"

#include <QDialog>
#include <QMessageBox>

class QLabel;
class QProgressBar;

namespace quintaro {

// The extraction's progress: the file being extracted, a bar and "&Cancel", with the
// extraction's questions asked in dialogs over it.
class TProgressForm : public QDialog, public ExtractionObserver {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* owner);

    void FileCount(int count) override;
    void TotalBytes(std::uint64_t total) override;
    void FileBegins(const std::string& name) override;
    void Progress(std::uint64_t bytes) override;
    void BatchEnds() override;
    void Refused(const std::string& name) override;
    std::string AskPassword(const std::string& name) override;
    Answer AskCorrupted(const std::string& name) override;
    Answer AskOverwrite(const std::string& name, bool olderThanArchived) override;
    void Message(const std::string& text) override;
    bool ProcessPendingMessages() override;

private:
    void SetLabel(const QString& text);
    Answer Ask(QMessageBox::Icon icon, const QString& text);

    QLabel* label_;
    QProgressBar* bar_;
    std::uint64_t total_ = 0, done_ = 0;
    bool cancelled_ = false;
};

} // namespace quintaro
