#pragma once
// The program-wide error display. Every event handler runs its body inside
// garde(): an exception ends the handler, its text is shown in a message box
// titled "Trelmo" with an error icon and an "OK" button, and the program goes on.
// Exceptions never unwind through Qt.
#include "game/erreur.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

#include <exception>
#include <utility>

namespace trelmo {

inline void afficher_erreur(const std::string& message)
{
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
