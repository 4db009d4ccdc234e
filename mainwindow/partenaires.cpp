#include "mainwindow/partenaires.h"

#include "dialogs/mode.h"
#include "dialogs/saisie_nom.h"
#include "storage/config.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

namespace trelmo {

void PartenairesFenetre::definir_dialogues(Tmode* mode, Tsaisie_nom* saisie_nom)
{
    mode_ = mode;
    saisie_nom_ = saisie_nom;
}

void PartenairesFenetre::choisir_niveau()
{
    if (mode_)
        mode_->exec();
}

void PartenairesFenetre::recharger_config() { reglages_.recharger(); }

void PartenairesFenetre::enregistrer_config() { reglages_.enregistrer(); }

int32_t PartenairesFenetre::niveau() const { return reglages_.config.niveau(); }

void PartenairesFenetre::insere_score(int32_t billes, const std::string& duree)
{
    reglages_.insere_score(billes, duree, [this] {
        if (saisie_nom_)
            saisie_nom_->exec();
    });
}

void Minuterie::timer1(bool actif)
{
    if (actif)
        timer_->start();
    else
        timer_->stop();
}

void BoitesMessages::information(const std::string& texte)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), QString::fromStdString(texte),
                    QMessageBox::Ok, parent_);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool BoitesMessages::confirmation(const std::string& texte)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"), QString::fromStdString(texte),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    return box.exec() == QMessageBox::Ok;
}

} // namespace trelmo
