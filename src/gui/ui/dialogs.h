#pragma once

#include <QString>
#include <string>

class QWidget;

namespace quintaro {

// The application's standard error message: title "Quintaro", an error icon, one OK button;
// a "." is appended when the text's last character sorts after ".".
void ShowStandardError(const std::string& text);

// The error dialog of the program's operations: title "Erreur", one OK button.
void ShowErrorDialog(QWidget* parent, const std::string& text);

// A plain message box: the application's title, one OK button.
void ShowMessage(QWidget* parent, const std::string& text);

// A question box (title "Confirmation"): true on "Oui", false on "Non".
bool AskYesNo(QWidget* parent, const std::string& question);
// A question box with the buttons OK and "Annuler": true on OK.
bool AskOkCancel(QWidget* parent, const std::string& question);

// A message's line breaks (CR LF, or CR alone) as the toolkit shows them.
QString DisplayText(const std::string& text);

} // namespace quintaro
