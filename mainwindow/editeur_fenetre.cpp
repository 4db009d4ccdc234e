#include "mainwindow/editeur_fenetre.h"

#include "dialogs/editeur.h"
#include "dialogs/langue.h"
#include "dialogs/mes_problemes.h"
#include "game/jeu.h"
#include "game/problemes.h"
#include "mainwindow/conseil.h"
#include "mainwindow/form1.h"
#include "mainwindow/reprise.h"
#include "widgets/annonce.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"

#include <QApplication>
#include <QClipboard>

#include <bit>

namespace trelmo {

namespace {


// A game core that shows nothing: it lays out a problem's grid.
struct Muet : ISprites, IAffichage, IMinuterie, IPartenaires {
    int32_t n = 1;
    void trou_image(int, bool) override {}
    void repos_image(int, bool) override {}
    void trou_curseur(int, int) override {}
    void trou_actif(int, bool) override {}
    void billes_repos(const std::string&) override {}
    void chrono(const std::string&) override {}
    void etat_jeux(const std::string&, const std::string&) override {}
    void resultat(bool, const std::string&) override {}
    void timer1(bool) override {}
    void choisir_niveau() override {}
    void recharger_config() override {}
    void enregistrer_config() override {}
    int32_t niveau() const override { return n; }
    void insere_score(int32_t, const std::string&) override {}
};

// The hole the last marble stands on once a line is played, 0 when more are left.
int derniere_bille(solveur::Position p, const std::vector<solveur::Saut>& ligne)
{
    for (const solveur::Saut& s : ligne)
        p = solveur::jouer(p, s);
    if (std::popcount(p.billes) != 1)
        return 0;
    return std::countr_zero(p.billes) + 1;
}

} // namespace

TEditeurFenetre::TEditeurFenetre(TForm1& fenetre) : QObject(&fenetre), f_(fenetre) {}

solveur::Position TEditeurFenetre::vers_solveur(const PositionTexte& p)
{
    Muet m;
    m.n = p.niveau;
    Jeu jeu(m, m, m, m);
    jeu.commencer_probleme(p.niveau, p.billes, p.cible);
    solveur::Position s = solveur::depuis_grille(jeu.grille.v, trous_du_niveau(p.niveau));
    s.cible = p.cible;
    return s;
}

MesProblemes& TEditeurFenetre::mes_problemes()
{
    if (!mes_) {
        mes_ = std::make_unique<MesProblemes>(f_.repertoire());
        switch (mes_->charger()) {
        case MesProblemes::Etat::mis_de_cote:
            f_.avertir(texte(f_.langue_, "plus.mes_problemes_endommages")
                           .arg(QString::fromStdString(mes_->cote().substr(mes_->cote().rfind('/') + 1))));
            break;
        case MesProblemes::Etat::illisible:
            f_.avertir(texte(f_.langue_, "plus.mes_problemes_ecriture").arg(QString::fromStdString(mes_->chemin())));
            break;
        default:
            break;
        }
    }
    return *mes_;
}

void TEditeurFenetre::avertir_ecriture(int err)
{
    if (err != 0)
        f_.avertir(texte(f_.langue_, "plus.mes_problemes_ecriture").arg(QString::fromStdString(mes_problemes().chemin())));
}

PositionTexte TEditeurFenetre::position_du_plateau() const
{
    PositionTexte p;
    const int32_t niveau = Jeu::niveau_de_grille(f_.jeu_.grille);
    p.niveau = niveau != 0 ? niveau : f_.reglages_.config.niveau();
    const std::uint64_t trous = trous_du_niveau(p.niveau);
    for (int n = 1; n <= kNbTrous; ++n) {
        const Case k = case_du_trou(n);
        if ((trous & bit(n)) && !f_.jeu_.pas_de_partie && f_.jeu_.grille.bille(k.col, k.lig))
            p.billes |= bit(n);
    }
    if (f_.jeu_.probleme) {
        p.cible = f_.jeu_.cible;
        const std::string& id = f_.suivi_.probleme_id;
        if (const Probleme* b = probleme(id))
            p.nom = nom_probleme(*b, f_.langue_).toStdString();
        else if (id.rfind(MesProblemes::kPrefixe, 0) == 0)
            if (const MonProbleme* m = const_cast<TEditeurFenetre*>(this)->mes_problemes().trouver(
                    id.substr(std::string_view(MesProblemes::kPrefixe).size())))
                p.nom = m->nom;
    }
    return p;
}

void TEditeurFenetre::copier_plateau()
{
    QApplication::clipboard()->setText(QString::fromStdString(vers_texte(position_du_plateau())));
    const QString dit = texte(f_.langue_, "plus.copie_faite");
    if (THintManager* bulles = THintManager::instance())
        bulles->showMessage(&f_, f_.mapToGlobal(QPoint(338, 150)), dit, 3000);
    f_.annonce_->annoncer(dit);
}

void TEditeurFenetre::coller_plateau()
{
    const std::optional<PositionTexte> p = depuis_texte_position(QApplication::clipboard()->text().toStdString());
    if (!p) {
        f_.avertir(texte(f_.langue_, "plus.texte_refuse"));
        return;
    }
    ouvrir(*p);
}

void TEditeurFenetre::ouvrir(std::optional<PositionTexte> depart)
{
    TEditeur ed(f_.langue_, &f_);
    editeur_ = &ed;
    if (!conseil_) {
        conseil_ = new TConseil(this);
    }
    TConseil* conseil = conseil_;
    auto livrer = [conseil, &ed] {
        if (!conseil->reponse())
            return;
        const solveur::Reponse& r = *conseil->reponse();
        VerdictEditeur v;
        v.meilleur = r.meilleur;
        v.prouve = r.prouve;
        v.cible_atteinte = r.cible == solveur::Cible::atteignable;
        v.cible_perdue = r.cible == solveur::Cible::impossible;
        v.dernier = derniere_bille(vers_solveur(ed.position()), r.ligne);
        ed.montrer_verdict(v);
    };
    QMetaObject::Connection lien = connect(conseil, &TConseil::pret, &ed, [livrer] { garde(livrer); });
    ed.demander = [conseil, livrer](const PositionTexte& p) {
        const solveur::Position s = vers_solveur(p);
        if (solveur::sauts_possibles(s).empty()) {
            conseil->oublier();
            return false;
        }
        conseil->demander(s);
        // The same position as last time: its answer is there already.
        livrer();
        return true;
    };
    ed.garder = [this](const PositionTexte& p) {
        MonProbleme m;
        m.niveau = p.niveau;
        m.billes = p.billes;
        m.cible = p.cible;
        m.nom = p.nom.empty()
            ? texte(f_.langue_, "plus.editeur_nom_defaut").arg(mes_problemes().liste().size() + 1).toStdString()
            : p.nom;
        avertir_ecriture(mes_problemes().ajouter(m));
        const QString dit = texte(f_.langue_, "plus.editeur_garde").arg(QString::fromStdString(m.nom));
        if (editeur_) {
            PositionTexte q = editeur_->position();
            q.nom = m.nom;
            editeur_->setPosition(q);
        }
        if (THintManager* bulles = THintManager::instance())
            bulles->showMessage(editeur_, editeur_->mapToGlobal(QPoint(20, 20)), dit, 3000);
        return dit;
    };
    if (!depart) {
        PositionTexte p;
        p.niveau = f_.reglages_.config.niveau();
        p.billes = trous_du_niveau(p.niveau) & ~bit(25);
        depart = p;
    }
    ed.setPosition(*depart);
    const int fin = ed.exec();
    disconnect(lien);
    conseil->oublier();
    editeur_ = nullptr;
    if (fin != QDialog::Accepted)
        return;
    const PositionTexte p = ed.position();
    // One of the player's problems when it was kept as it is now.
    std::string id;
    for (const MonProbleme& m : mes_problemes().liste())
        if (m.niveau == p.niveau && m.billes == p.billes && m.cible == p.cible && m.nom == p.nom)
            id = m.id;
    jouer(p, id);
}

void TEditeurFenetre::jouer(const PositionTexte& p, const std::string& id)
{
    if (!f_.jeu_.pas_de_partie && !f_.jeu_.fin_traitee && !f_.messages_.confirmation(f_.textes_partie_.annuler_partie))
        return;
    f_.abandonner_glisse();
    f_.reprise().avant_abandon();
    // Counted apart from the standard starts, and never in the top ten.
    f_.suivi_.probleme_id = std::string(MesProblemes::kPrefixe) + id;
    f_.jeu_.commencer_probleme(p.niveau, p.billes, p.cible);
}

void TEditeurFenetre::liste()
{
    TMesProblemes fenetre(f_.langue_, mes_problemes(), &f_);
    fenetre.avertir = [this](const QString& t) { f_.avertir(t); };
    if (fenetre.exec() != QDialog::Accepted)
        return;
    const MonProbleme* m = mes_problemes().trouver(fenetre.choisi());
    if (!m)
        return;
    PositionTexte p;
    p.niveau = m->niveau;
    p.billes = m->billes;
    p.cible = m->cible;
    p.nom = m->nom;
    if (fenetre.choix() == TMesProblemes::Modifier)
        ouvrir(p);
    else
        jouer(p, m->id);
}

// ---------------------------------------------------------------- the window's entry point

TEditeurFenetre& TForm1::editeur()
{
    if (!editeur_)
        editeur_ = new TEditeurFenetre(*this);
    return *editeur_;
}

} // namespace trelmo
