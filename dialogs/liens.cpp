#include "dialogs/liens.h"

#include "game/textes.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#ifndef TRELMO_WEBSITE
#define TRELMO_WEBSITE "https://trelmo.example.org/"
#endif

namespace trelmo {

namespace {

Ouvreur& ouvreur_courant()
{
    static Ouvreur ouvreur;
    return ouvreur;
}

void ouvrir(const QUrl& url)
{
    if (ouvreur_courant())
        ouvreur_courant()(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace

void definir_ouvreur(Ouvreur ouvreur)
{
    ouvreur_courant() = std::move(ouvreur);
}

QUrl adresse_site_web()
{
    return QUrl(QStringLiteral(TRELMO_WEBSITE));
}

void ouvre_aide(const std::string& chemin_aide, QWidget* parent)
{
    const QString chemin = QString::fromStdString(chemin_aide);
    if (!chemin.isEmpty() && QFileInfo(chemin).isFile()) {
        ouvrir(QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
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
