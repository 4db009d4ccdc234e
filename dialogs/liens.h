#pragma once
// The two outward links of the program: the help file and the web site.
#include <QUrl>

#include <functional>
#include <string>

class QWidget;

namespace trelmo {

// What opens a document or a web address with the desktop's default
// application. Replaceable so that nothing is launched under test; an empty
// function restores QDesktopServices::openUrl.
using Ouvreur = std::function<void(const QUrl&)>;
void definir_ouvreur(Ouvreur ouvreur);

// The web site's address.
QUrl adresse_site_web();

// Opens the help file when it exists; otherwise says so in a message box
// (the application's title, one OK button) and opens nothing.
void ouvre_aide(const std::string& chemin_aide, QWidget* parent);

// Opens the web site.
void ouvre_site_web();

} // namespace trelmo
