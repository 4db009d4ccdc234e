#pragma once
// The program-wide error display. Every event handler runs its body inside
// garde(): an exception ends the handler, its text is shown in a message box
// titled "Trelmo" with an error icon and an "OK" button, and the program goes on.
// Exceptions never unwind through Qt. Any std::exception is shown by its what().
#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

#include <exception>
#include <string>
#include <utility>

namespace trelmo {

// The text of the error box: a "." is appended when the last character sorts
// after "." (any non-ASCII character does).
inline std::string texte_erreur(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

// Tests replace the message box by a recorder.
using AfficheurErreur = void (*)(const std::string& texte);
inline AfficheurErreur& afficheur_erreur()
{
    static AfficheurErreur afficheur = nullptr;
    return afficheur;
}

inline void afficher_erreur(const std::string& message)
{
    if (afficheur_erreur()) {
        afficheur_erreur()(texte_erreur(message));
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Trelmo"),
                    QString::fromStdString(texte_erreur(message)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

template <typename F>
bool garde(F&& corps) noexcept
{
    try {
        std::forward<F>(corps)();
        return true;
    } catch (const std::exception& e) {
        try { afficher_erreur(e.what()); } catch (...) {}
    } catch (...) {
        try { afficher_erreur("Erreur inconnue"); } catch (...) {}
    }
    return false;
}

} // namespace trelmo
