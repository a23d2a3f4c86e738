#include "gui/ui/dialogs.h"

#include "support/modal_answer.h"
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace quintaro {
namespace {

struct Shown {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
};

// Runs `show` and reads the message box it opens, dismissed as a user would.
template <class Show> Shown Read(Show show) {
    auto shown = std::make_shared<Shown>();
    test::AnswerNextModal([shown](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        *shown = {box->windowTitle(), message->text(), message->icon(), box->parentWidget()};
        QTest::keyClick(box, Qt::Key_Return);
    });
    show();
    return *shown;
}

TEST(Dialogs, StandardErrorEndsWithAFullStopUnlessItsLastCharacterSortsBeforeIt) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"Erreur", "Erreur."},
        {"Fin.", "Fin."},
        {"Erreur !", "Erreur !"},
        {"Quoi ?", "Quoi ?."},
        {"(vide)", "(vide)"},
        {"Données", "Données."},
        {"un\r\ndeux\rtrois", "un\ndeux\ntrois."},
        {"", ""},
    };
    for (const Case& c : cases) {
        const Shown shown = Read([&] { ShowStandardError(c.text); });
        EXPECT_EQ(shown.title, "Quintaro") << c.text;
        EXPECT_EQ(shown.icon, QMessageBox::Critical) << c.text;
        EXPECT_EQ(shown.text.toStdString(), c.shown) << c.text;
    }
}

TEST(Dialogs, MessagesAndErrorDialogsBelongToTheirWindowAndKeepTheTextAsItIs) {
    QWidget owner;
    const Shown message = Read([&] { ShowMessage(&owner, "Mise à jour\r\nterminée"); });
    EXPECT_EQ(message.title, "Quintaro");
    EXPECT_EQ(message.icon, QMessageBox::Information);
    EXPECT_EQ(message.text, "Mise à jour\nterminée");
    EXPECT_EQ(message.parent, &owner);

    const Shown error = Read([&] { ShowErrorDialog(&owner, "Fichier INI non conforme"); });
    EXPECT_EQ(error.title, "Erreur");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.text, "Fichier INI non conforme");
    EXPECT_EQ(error.parent, &owner);
}

} // namespace
} // namespace quintaro
