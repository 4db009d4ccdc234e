#include "dialogs/liens.h"

#include "game/textes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <memory>

#ifndef TRELMO_WEBSITE
#define TRELMO_WEBSITE "https://trelmo.example.org/"
#endif

namespace trelmo {

namespace {

// Past this the desktop is taken to have no CHM reader.
constexpr int kDelaiRequeteMs = 5000;

// The type as xdg-open would see it, then its default application.
constexpr char kScriptRequete[] =
    "t=$(xdg-mime query filetype \"$1\" 2>/dev/null)\n"
    "[ -n \"$t\" ] || t=application/vnd.ms-htmlhelp\n"
    "a=$(xdg-mime query default \"$t\" 2>/dev/null)\n"
    "[ -n \"$a\" ] && printf '%s\\n' \"$a\"\n";

Ouvreur& ouvreur_courant()
{
    static Ouvreur ouvreur;
    return ouvreur;
}

RequeteLecteurChm& requete_courante()
{
    static RequeteLecteurChm requete;
    return requete;
}

void ouvrir(const QUrl& url)
{
    if (ouvreur_courant())
        ouvreur_courant()(url);
    else
        QDesktopServices::openUrl(url);
}

QUrl url_fichier(const QFileInfo& f)
{
    return QUrl::fromLocalFile(f.absoluteFilePath());
}

} // namespace

void definir_ouvreur(Ouvreur ouvreur)
{
    ouvreur_courant() = std::move(ouvreur);
}

void definir_requete_lecteur_chm(RequeteLecteurChm requete)
{
    requete_courante() = std::move(requete);
}

void demander_lecteur_chm(const QString& chemin, std::function<void(bool)> reponse)
{
    // Owned by the application, so that a question still running at exit is
    // ended with it.
    auto* p = new QProcess(QCoreApplication::instance());
    auto repondu = std::make_shared<bool>(false);
    auto repondre = [p, repondu, reponse = std::move(reponse)](bool oui) {
        if (*repondu)
            return;
        *repondu = true;
        p->deleteLater();
        reponse(oui);
    };
    QObject::connect(p, &QProcess::finished, p, [p, repondre](int code, QProcess::ExitStatus statut) {
        repondre(statut == QProcess::NormalExit && code == 0 && !p->readAllStandardOutput().trimmed().isEmpty());
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [repondre](QProcess::ProcessError erreur) {
        if (erreur == QProcess::FailedToStart)
            repondre(false);
    });
    QTimer::singleShot(kDelaiRequeteMs, p, [p, repondre] {
        repondre(false);
        p->kill();
    });
    p->setStandardInputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    p->start(QStringLiteral("/bin/sh"),
             {QStringLiteral("-c"), QString::fromLatin1(kScriptRequete), QStringLiteral("sh"), chemin});
}

QString chemin_aide_html(const std::string& chemin_aide)
{
    return QFileInfo(QString::fromStdString(chemin_aide)).dir().filePath(QStringLiteral("help/index.html"));
}

QUrl adresse_site_web()
{
    return QUrl(QStringLiteral(TRELMO_WEBSITE));
}

void ouvre_aide(const std::string& chemin_aide, QWidget* parent)
{
    const QString chemin = QString::fromStdString(chemin_aide);
    const QFileInfo chm(chemin);
    const QFileInfo html(chemin_aide_html(chemin_aide));
    const bool a_chm = !chemin.isEmpty() && chm.isFile();
    const bool a_html = !chemin.isEmpty() && html.isFile();
    if (a_chm && a_html) {
        const QUrl url_chm = url_fichier(chm), url_html = url_fichier(html);
        auto choisir = [url_chm, url_html](bool lecteur) { ouvrir(lecteur ? url_chm : url_html); };
        if (requete_courante())
            requete_courante()(chm.absoluteFilePath(), choisir);
        else
            demander_lecteur_chm(chm.absoluteFilePath(), choisir);
        return;
    }
    if (a_chm || a_html) {
        ouvrir(url_fichier(a_chm ? chm : html));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromUtf8(kAideIntrouvable), QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

void ouvre_site_web()
{
    ouvrir(adresse_site_web());
}

} // namespace trelmo
