#include "mainwindow/reprise.h"

#include "dialogs/langue.h"
#include "mainwindow/calque.h"
#include "mainwindow/form1.h"
#include "mainwindow/textes_plus.h"
#include "storage/ini.h"
#include "storage/statistiques.h"
#include "widgets/annonce.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"

#include <QApplication>
#include <QTimer>

namespace trelmo {

TReprise::TReprise(TForm1& fenetre) : QObject(&fenetre), f_(fenetre), fichier_(fenetre.repertoire()) {}

void TReprise::garder_en_partant()
{
    if (!partie_en_cours(f_.jeu_))
        return;
    // Nothing can be told to the player any more: a failure only loses the game.
    fichier_.ecrire(garder(f_.jeu_, f_.suivi_.probleme_id));
}

void TReprise::au_demarrage()
{
    PartieGardee p;
    switch (fichier_.lire(p)) {
    case FichierReprise::Etat::absente:
        return;
    case FichierReprise::Etat::endommagee:
        f_.avertir(texte(f_.langue_, "plus.reprise_endommagee"));
        return;
    case FichierReprise::Etat::bonne:
        break;
    }
    gardee_ = std::move(p);
    f_.mettre_a_jour_commandes();
    // After the first start's tip, when there is one (it is noted as shown
    // once it shows).
    const int delai = lit_preference(chemin_ini(), "astuce") ? 900 : 9500;
    QTimer::singleShot(delai, this, [this] {
        garde([this] {
            if (!gardee_ || !f_.isVisible())
                return;
            const QString dit = texte(f_.langue_, "plus.reprise_gardee");
            if (THintManager* bulles = THintManager::instance())
                bulles->showMessage(&f_, f_.mapToGlobal(QPoint(338, 150)), dit, 8000);
            f_.annonce_->annoncer(dit);
        });
    });
}

void TReprise::reprendre_click()
{
    if (!gardee_)
        return;
    if (partie_en_cours(f_.jeu_) && !f_.messages_.confirmation(f_.textes_partie_.annuler_partie))
        return;
    avant_abandon();
    const PartieGardee p = std::move(*gardee_);
    gardee_.reset();
    fichier_.effacer();
    poser(p);
}

void TReprise::avant_abandon()
{
    if (partie_en_cours(f_.jeu_))
        abandon_ = garder(f_.jeu_, f_.suivi_.probleme_id);
}

bool TReprise::annuler_abandon()
{
    if (!abandon_)
        return false;
    const PartieGardee p = std::move(*abandon_);
    abandon_.reset();
    poser(p);
    return true;
}

void TReprise::poser(const PartieGardee& p)
{
    f_.abandonner_glisse();
    reprendre(f_.jeu_, p);
    f_.suivi_.restauree = false;
    f_.suivi_.probleme_id = p.probleme;
    f_.statistiques().partie_restauree(f_.cle_partie());
    const TextesPlus& t = textes_plus(f_.langue_);
    f_.annonce_->annoncer(texte(f_.langue_, "plus.reprise_faite").arg(reste(t, kNbRepos - f_.jeu_.nb_repos)));
    f_.apres_changement();
}

// ---------------------------------------------------------------- the window's entry points

TReprise& TForm1::reprise()
{
    if (!reprise_)
        reprise_ = new TReprise(*this);
    return *reprise_;
}

void TForm1::garder_partie() { garde([this] { reprise().garder_en_partant(); }); }

} // namespace trelmo
