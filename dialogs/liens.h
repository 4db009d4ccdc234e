#pragma once
// The two outward links of the program: the help and the web site.
#include <QString>
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

// Asks whether the desktop has an application for the CHM file at `chemin`
// and calls `reponse` with the answer later, on the user-interface thread;
// it never waits for the answer itself. Replaceable for tests; an empty
// function restores demander_lecteur_chm.
using RequeteLecteurChm = std::function<void(const QString& chemin, std::function<void(bool)> reponse)>;
void definir_requete_lecteur_chm(RequeteLecteurChm requete);

// The desktop's own answer: xdg-mime names the default application of the
// file's type (application/vnd.ms-htmlhelp when it cannot tell the type).
// No xdg-mime, no application, or no answer within a few seconds: false.
void demander_lecteur_chm(const QString& chemin, std::function<void(bool)> reponse);

// The HTML pages of the help beside the CHM file: <folder>/help/index.html.
QString chemin_aide_html(const std::string& chemin_aide);

// The web site's address.
QUrl adresse_site_web();

// Opens the help. The CHM file at `chemin_aide` is opened when the desktop
// has an application for it, or when it is the only form of the help; the
// HTML pages are opened in the browser otherwise. With neither, a message
// box (the application's title, one OK button) says so and nothing opens.
// Returns at once: when both forms exist, the choice is made when the
// desktop has answered.
void ouvre_aide(const std::string& chemin_aide, QWidget* parent);

// Opens the web site.
void ouvre_site_web();

} // namespace trelmo
