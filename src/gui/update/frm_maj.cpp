#include "gui/update/frm_maj.h"

#include "core/app/startup.h"
#include "core/base/app_paths.h"
#include "core/settings/configuration_settings.h"
#include "core/update/network_fetcher.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/log_pane.h"
#include "gui/ui/picture_button.h"
#include "gui/ui/regional_format.h"
#include "gui/ui/view_host.h"
#include "gui/update/extraction_progress_form.h"
#include "gui/update/frm_import_progress.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QToolButton>

namespace quintaro {

namespace {

std::optional<std::string> OpenDialog(QWidget* parent, const std::string& fileName) {
    // One filter whose description and pattern are both the results file's name.
    const QString name = QString::fromStdString(fileName);
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), QString(),
                                                        name + QStringLiteral(" (") + name + ")");
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

std::string RegionalCurrency(double euros) {
    return CurrencyText(euros).toStdString();
}

std::string RegionalDate(double dayCount) {
    return ShortDateText(dayCount).toStdString();
}

} // namespace

TfrmMaj::TfrmMaj(ViewHost& host, TfrmProgress& progress)
    : ViewWindow(host, QStringLiteral("Mise à jour"), 4000), progress_(progress),
      picker_([this](const std::string& name) { return OpenDialog(this, name); }),
      question_([this](const std::string& text) { return AskYesNo(this, text); }) {
    QWidget* page = widget();
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    page->setFont(font);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* panel = new QFrame(page);
    panel->setFixedWidth(137);
    cmdMajNew_ = PictureButton(panel, QStringLiteral(":/icons/maj.svg"),
                               QStringLiteral("MAj nouveaux Tirages"), QRect(8, 8, 121, 65));
    cmdMajtotal_ = PictureButton(panel, QStringLiteral(":/icons/majtotal.svg"),
                                 QStringLiteral("Maj Total"), QRect(8, 80, 121, 65));
    connect(cmdMajNew_, &QToolButton::clicked, this, &TfrmMaj::cmdMajNewClick);
    connect(cmdMajtotal_, &QToolButton::clicked, this, &TfrmMaj::cmdMajtotalClick);

    mLog_ = new QPlainTextEdit(page);
    StyleAsLogPane(*mLog_);
    mLog_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mLog_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mLog_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    layout->addWidget(panel);
    layout->addWidget(mLog_, 1);
}

void TfrmMaj::SetDialogs(FilePicker picker, Question question) {
    picker_ = std::move(picker);
    question_ = std::move(question);
}

void TfrmMaj::Run(const std::function<bool(UpdateDriver&)>& command) {
    struct Disabled {
        TfrmMaj& view;
        explicit Disabled(TfrmMaj& v) : view(v) { Set(false); }
        ~Disabled() { Set(true); }
        void Set(bool enabled) {
            view.cmdMajNew_->setEnabled(enabled);
            view.cmdMajtotal_->setEnabled(enabled);
        }
    } disabled(*this);
    AppContext& app = host.App();
    // After a failed start-up, in the second before the program closes, there is nothing to
    // update.
    if (!host.StartupSucceeded())
        return;
    TProgressForm extraction(host.DialogParent());
    NetworkFetcher fetcher(*app.settings, ExecutableName(), extraction);
    UpdateDriver driver(*app.md, app.catalogue, *this, fetcher);
    try {
        if (command(driver))
            ReportNewDraws(driver.NewWinnings());
    } catch (const std::exception& e) {
        progress_.Finish();
        ShowStandardError(e.what());
    }
}

void TfrmMaj::ReportNewDraws(const NewDrawWinnings& winnings) {
    const Catalogue& catalogue = host.App().catalogue;
    for (const std::string& line :
         NewDrawWinningsLines(winnings, catalogue, RegionalCurrency, RegionalDate))
        Append(line);
    const WinningNewDraw* latest = winnings.LatestWin();
    if (!latest)
        return;
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Quintaro"),
        DisplayText(NewDrawWinningsMessage(winnings, catalogue, RegionalCurrency, RegionalDate)),
        QMessageBox::NoButton, host.DialogParent());
    QPushButton* show = box.addButton(QStringLiteral("Voir le tirage"), QMessageBox::AcceptRole);
    box.setDefaultButton(show);
    box.setEscapeButton(box.addButton(QMessageBox::Ok));
    box.exec();
    if (box.clickedButton() == show)
        host.ShowDraw(latest->stored.reftirage);
}

void TfrmMaj::cmdMajNewClick() {
    Run([this](UpdateDriver& driver) {
        driver.Update(host.Current().modemaj);
        return true;
    });
}

void TfrmMaj::cmdMajtotalClick() {
    Run([this](UpdateDriver& driver) { return driver.FullReset(host.Current().modemaj); });
}

std::size_t TfrmMaj::Append(const std::string& line) {
    const QString text = QString::fromStdString(line);
    if (lineCount_ == 0)
        mLog_->setPlainText(text);
    else
        mLog_->appendPlainText(text);
    mLog_->repaint();
    return lineCount_++;
}

void TfrmMaj::Replace(std::size_t index, const std::string& line) {
    QTextBlock block = mLog_->document()->findBlockByNumber(static_cast<int>(index));
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(QString::fromStdString(line));
    mLog_->repaint();
}

void TfrmMaj::Start(int maximum) {
    progress_.Start(maximum);
}
void TfrmMaj::Step(int count) {
    progress_.Step(count);
}
void TfrmMaj::Finish() {
    progress_.Finish();
}

std::optional<std::string> TfrmMaj::PickResultsFile(const std::string& fileName) {
    return picker_(fileName);
}

bool TfrmMaj::Confirm(const std::string& question) {
    return question_(question);
}

void TfrmMaj::ProcessPendingMessages() {
    QCoreApplication::processEvents();
}

} // namespace quintaro
