// The commands added to the main window: the context menu and its
// shortcuts, undo and redo, the landing marks, the hint, the tracking of
// problems and statistics, and what the screen reader is told of the game.
#include "mainwindow/calque.h"
#include "mainwindow/conseil.h"
#include "mainwindow/form1.h"
#include "mainwindow/editeur_fenetre.h"
#include "mainwindow/reprise.h"
#include "mainwindow/sprite.h"
#include "mainwindow/textes_plus.h"
#include "dialogs/langue.h"
#include "dialogs/problemes.h"
#include "dialogs/statistiques.h"
#include "game/problemes.h"
#include "resources/ressources.h"
#include "storage/ini.h"
#include "storage/statistiques.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"
#include "widgets/label3d.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>

namespace trelmo {

// ---------------------------------------------------------------- the context menu

void TForm1::creer_commandes()
{
    // The commands belong to the window, whose shortcuts work with no menu
    // open; the menu itself, in the same order, is made the first time it
    // is asked for.
    const TextesPlus& t = textes_plus(langue_);
    auto separateur = [this] {
        auto* a = new QAction(this);
        a->setSeparator(true);
        addAction(a);
    };
    auto commande = [this](const char* nom, const QString& texte, QList<QKeySequence> touches, auto faire) {
        auto* a = new QAction(texte, this);
        a->setObjectName(QString::fromLatin1(nom));
        a->setShortcuts(touches);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, faire](bool coche) {
            garde([&] {
                abandonner_glisse();
                faire(coche);
            });
            garde([this] { mettre_a_jour_commandes(); });
        });
        addAction(a);
        return a;
    };
    act_annuler_ = commande("annuler", t.annuler, {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                            [this](bool) { annulerClick(); });
    act_refaire_ = commande("refaire", t.refaire,
                            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                            [this](bool) { refaireClick(); });
    act_indice_ = commande("indice", t.indice, {QKeySequence(Qt::Key_H)}, [this](bool) { indiceClick(); });
    separateur();
    commande("problemes", t.problemes, {QKeySequence(Qt::Key_P)}, [this](bool) { problemesClick(); });
    commande("nouveau_probleme", texte(langue_, "plus.nouveau_probleme"), {QKeySequence(Qt::Key_E)},
             [this](bool) { editeur().ouvrir(); });
    commande("mes_problemes", texte(langue_, "plus.mes_problemes"), {}, [this](bool) { editeur().liste(); });
    commande("copier", texte(langue_, "plus.copier"), {QKeySequence(Qt::CTRL | Qt::Key_C)},
             [this](bool) { editeur().copier_plateau(); });
    commande("coller", texte(langue_, "plus.coller"), {QKeySequence(Qt::CTRL | Qt::Key_V)},
             [this](bool) { editeur().coller_plateau(); });
    commande("statistiques", t.statistiques, {QKeySequence(Qt::Key_S)}, [this](bool) { statistiquesClick(); });
    commande("reprendre", texte(langue_, "plus.reprendre"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
             [this](bool) { reprise().reprendre_click(); });
    separateur();
    act_reperes_ = commande("reperes", t.reperes, {QKeySequence(Qt::Key_L)},
                            [this](bool coche) { reperesClick(coche); });
    act_reperes_->setCheckable(true);
    act_reperes_->setChecked(reperes_);

    // Tab and Shift+Tab go through the board and the nine buttons in screen
    // order: the right-hand column from the top, then the bottom row.
    const std::array<LabelCliquable*, 9> boutons = {charger_, sauver_, scores_, etat_jeux_, texture_plateau_,
                                                    texture_bille_, infos_, aide_, quitter_};
    QWidget* avant = calque_;
    for (LabelCliquable* b : boutons) {
        setTabOrder(avant, b);
        b->installEventFilter(this);
        avant = b;
    }
    calque_->installEventFilter(this);
    mettre_a_jour_commandes();
}

QMenu* TForm1::menu() const
{
    if (!menu_) {
        auto* moi = const_cast<TForm1*>(this);
        menu_ = new QMenu(moi);
        menu_->setObjectName(QStringLiteral("menu"));
        menu_->addActions(actions());
        connect(menu_, &QMenu::aboutToShow, moi, [moi] {
            garde([moi] {
                moi->abandonner_glisse();
                moi->mettre_a_jour_commandes();
            });
        });
    }
    return menu_;
}

QAction* TForm1::action(const char* nom) const
{
    return findChild<QAction*>(QString::fromLatin1(nom));
}

void TForm1::mettre_a_jour_commandes()
{
    if (!act_annuler_)
        return;
    act_annuler_->setEnabled(jeu_.peut_annuler() || reprise().peut_annuler_abandon());
    action("reprendre")->setEnabled(reprise().peut_reprendre());
    act_refaire_->setEnabled(jeu_.peut_refaire());
    act_indice_->setEnabled(indice_possible());
    act_reperes_->setChecked(reperes_);
}

std::vector<int> TForm1::atterrissages() const
{
    // Only where a click can reach: the holes of the board in play.
    std::vector<int> trous;
    if (reperes_)
        for (int n : jeu_.atterrissages())
            if (trou_expose(n))
                trous.push_back(n);
    return trous;
}

void TForm1::apres_changement()
{
    abandonner_glisse();
    // The hint's marks belong to the position it was asked for.
    calque_->montrerSaut(0, 0);
    if (THintManager* bulles = THintManager::instance();
        bulles && bulles->messageShown() && !dernier_indice_.isEmpty() && bulles->window()
        && bulles->window()->text() == dernier_indice_)
        bulles->hideHint();
    prise_dite_ = jeu_.bille_prise ? numero_trou(jeu_.col_prise, jeu_.lig_prise) : 0;
    calque_->setAtterrissages(atterrissages());
    marquer_prise();
    if (!trou_expose(curseur_clavier_))
        curseur_clavier_ = 25;
    if (curseur_visible_)
        calque_->setCurseur(curseur_clavier_);
    signaler_plateau_change(calque_);
    relancer_conseil();
    mettre_a_jour_commandes();
}

void TForm1::contextMenuEvent(QContextMenuEvent* e)
{
    garde([&] {
        abandonner_glisse();
        mettre_a_jour_commandes();
        menu()->popup(e->globalPos());
    });
}

// ---------------------------------------------------------------- undo, redo, marks

void TForm1::annulerClick()
{
    if (jeu_.annuler())
        apres_changement();
    else
        reprise().annuler_abandon();
}

void TForm1::refaireClick()
{
    if (jeu_.refaire())
        apres_changement();
}

void TForm1::reperesClick(bool actif)
{
    reperes_ = actif;
    calque_->setAtterrissages(atterrissages());
    marquer_prise();
    mettre_a_jour_commandes();
    // A preference that cannot be kept is only not kept: the marks still show.
    try {
        ecrit_preference(chemin_ini(), "reperes", actif);
    } catch (const std::exception&) {
    }
}

void TForm1::preferences_au_demarrage()
{
    reperes_ = lit_preference(chemin_ini(), "reperes");
    mettre_a_jour_commandes();
    if (lit_preference(chemin_ini(), "astuce"))
        return;
    // The first time a player starts the game, a balloon points at the board
    // and tells where the commands added to it are.
    montrer_astuce(900);
}

void TForm1::montrer_astuce(int delai)
{
    QTimer::singleShot(delai, this, [this] {
        garde([this] {
            if (!isVisible())
                return;
            // Not over a message the player has to answer first.
            if (QApplication::activeModalWidget()) {
                montrer_astuce(500);
                return;
            }
            if (THintManager* bulles = THintManager::instance())
                bulles->showMessage(this, mapToGlobal(QPoint(338, 150)), textes_plus(langue_).astuce, 8000);
            try {
                ecrit_preference(chemin_ini(), "astuce", true);
            } catch (const std::exception&) {
            }
        });
    });
}

// ---------------------------------------------------------------- the hint

bool TForm1::indice_possible() const
{
    return !jeu_.pas_de_partie && !jeu_.fin_traitee && jeu_.nb_mobiles > 0;
}

void TForm1::relancer_conseil()
{
    // A hint asked for the position that just changed is not shown.
    indice_attendu_ = false;
    if (!indice_possible()) {
        if (conseil_)
            conseil_->oublier();
        return;
    }
    if (!conseil_) {
        conseil_ = new TConseil(this);
        connect(conseil_, &TConseil::pret, this, [this] {
            garde([this] {
                if (indice_attendu_) {
                    indice_attendu_ = false;
                    montrer_indice();
                }
            });
        });
    }
    solveur::Masque trous = 0;
    for (int n = 1; n <= kNbTrous; ++n)
        if (trou_expose(n))
            trous |= solveur::bit(n);
    solveur::Position p = solveur::depuis_grille(jeu_.grille.v, trous);
    p.cible = jeu_.cible;
    conseil_->demander(p);
}

void TForm1::indiceClick()
{
    if (!indice_possible())
        return;
    if (!conseil_)
        relancer_conseil();
    if (conseil_->reponse())
        montrer_indice();
    else
        indice_attendu_ = true;   // shown as soon as the answer comes
}

void TForm1::montrer_indice()
{
    if (!indice_possible() || !conseil_ || !conseil_->reponse())
        return;
    const solveur::Reponse& r = *conseil_->reponse();
    if (r.ligne.empty())
        return;
    const solveur::Saut s = r.ligne.front();
    const TextesPlus& t = textes_plus(langue_);
    const Case a = case_du_trou(s.de), b = case_du_trou(s.vers);
    const QString sens = b.lig < a.lig ? t.haut : b.col > a.col ? t.droite : b.lig > a.lig ? t.bas : t.gauche;
    // The balloon names the direction; the spoken hint names both holes,
    // and in a problem the target too.
    auto phrase = [&](const QString& saut) {
        if (r.cible == solveur::Cible::atteignable)
            return t.cible_atteignable.arg(saut);
        if (r.cible == solveur::Cible::impossible)
            return texte_n(langue_, "plus.cible_perdue", r.meilleur).arg(saut).arg(r.meilleur);
        if (!r.prouve)
            return texte_n(langue_, "plus.non_prouve", r.meilleur).arg(saut).arg(r.meilleur);
        if (r.meilleur == 1)
            return t.finir_une.arg(saut);
        return texte_n(langue_, "plus.meilleur_n", r.meilleur).arg(saut).arg(r.meilleur);
    };
    const QString texte = phrase(sens);
    QString dit = phrase(t.saut_conseille.arg(a.col).arg(a.lig).arg(b.col).arg(b.lig));
    if (jeu_.cible != 0) {
        const Case c = case_du_trou(jeu_.cible);
        dit += QLatin1Char(' ') + t.cible_trou.arg(c.col).arg(c.lig);
    }
    calque_->montrerSaut(s.de, s.vers);
    // The keyboard goes on from the hinted marble.
    curseur_clavier_ = s.de;
    if (curseur_visible_) {
        calque_->setCurseur(s.de);
        signaler_focus_trou(calque_, s.de);
    }
    const QRect marble = trous_[static_cast<size_t>(s.de)]->geometry();
    if (THintManager* bulles = THintManager::instance())
        bulles->showMessage(this, mapToGlobal(marble.topLeft() + QPoint(10, 4)), texte, 5000,
                            [this](const QRect& r) { return bulle_libre(r); });
    annonce_->annoncer(dit);
    dernier_indice_ = texte;
    indice_montre();
}

bool TForm1::bulle_libre(const QRect& global) const
{
    const QRect r(mapFromGlobal(global.topLeft()), global.size());
    for (const QObject* o : children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && w != calque_ && w != resultat_ && !w->isHidden() && w->property("accessible").toBool()
            && qobject_cast<const QLabel*>(w) && w->geometry().intersects(r))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- problems and statistics

Statistiques& TForm1::statistiques()
{
    if (!stats_) {
        stats_ = std::make_unique<Statistiques>(repertoire_ + "statistiques.json");
        if (const std::string message = stats_->charger(langue_); !message.empty())
            avertir(QString::fromStdString(message));
    }
    return *stats_;
}

void TForm1::enregistrer_statistiques()
{
    // Never read, never written: a run without a game leaves the file alone.
    if (!stats_)
        return;
    std::string raison;
    if (!stats_->enregistrer(&raison) && !raison.empty() && !stats_ecriture_signalee_) {
        stats_ecriture_signalee_ = true;
        avertir(QString::fromStdString(raison));
    }
}

std::string TForm1::cle_partie() const
{
    if (jeu_.probleme && !probleme_id_.empty())
        return cle_probleme(probleme_id_);
    const int32_t niveau = Jeu::niveau_de_grille(jeu_.grille);
    return cle_plateau(niveau != 0 ? niveau : reglages_.config.niveau());
}

void TForm1::problemesClick()
{
    TProblemes choix(langue_, statistiques(), this);
    choix.setApparence(Apparence{reglages_.config.no_texture_plateau(), reglages_.config.no_texture_bille()});
    if (choix.exec() != QDialog::Accepted || !choix.choisi())
        return;
    // A game being played is given up only when the player says so.
    if (!jeu_.pas_de_partie && !jeu_.fin_traitee && !confirmation(textes_partie_.annuler_partie))
        return;
    commencer_probleme(choix.choisi()->id);
}

void TForm1::commencer_probleme(const std::string& id)
{
    const Probleme* p = probleme(id);
    if (!p)
        return;
    reprise().avant_abandon();
    probleme_id_ = p->id;
    jeu_.commencer_probleme(p->niveau, p->billes, p->cible);
}

void TForm1::statistiquesClick()
{
    TStatistiques fenetre(langue_, statistiques(), this);
    fenetre.exec();
}

// The saved game's problem lives beside it, in "GAME.probleme".
void TForm1::noter_probleme_sauve(quint64 avant)
{
    const quint64 apres = sauvegarde_.empreinte();
    if (apres == avant || apres == 0)
        return;   // nothing was saved
    sauvegarde_.noter_probleme(jeu_.probleme ? probleme_id_ : std::string(), apres);
}

void TForm1::retrouver_probleme()
{
    probleme_id_.clear();
    const Probleme* p = probleme(sauvegarde_.probleme_note());
    if (p && Jeu::niveau_de_grille(jeu_.grille) == p->niveau) {
        probleme_id_ = p->id;
        jeu_.probleme = true;
        jeu_.cible = p->cible;
    }
    statistiques().partie_restauree(cle_partie());
}

void TForm1::indice_montre() { statistiques().indice(); }

void TForm1::partie_commencee()
{
    if (!jeu_.probleme)
        probleme_id_.clear();
    statistiques().nouvelle_partie(cle_partie());
    const TextesPlus& t = textes_plus(langue_);
    annonce_->annoncer(t.partie_commencee.arg(reste(t, kNbRepos - jeu_.nb_repos)));
    apres_changement();
}

void TForm1::partie_arretee()
{
    probleme_id_.clear();
    statistiques().arret();
    enregistrer_statistiques();
    annonce_->annoncer(textes_plus(langue_).partie_arretee);
    apres_changement();
}

void TForm1::partie_restauree() { restauree_ = true; }

void TForm1::saut_fait(int de, int, int vers)
{
    reprise().oublier_abandon();
    statistiques().saut();
    const TextesPlus& t = textes_plus(langue_);
    const Case a = case_du_trou(de), b = case_du_trou(vers);
    annonce_->annoncer(t.annonce_saut.arg(a.col).arg(a.lig).arg(b.col).arg(b.lig)
                           .arg(reste(t, kNbRepos - jeu_.nb_repos)));
    apres_changement();
}

void TForm1::saut_annule(int, int, int)
{
    const TextesPlus& t = textes_plus(langue_);
    annonce_->annoncer(t.annonce_annule.arg(reste(t, kNbRepos - jeu_.nb_repos)));
    apres_changement();
}

void TForm1::prise_changee()
{
    // Escape or a click while dragging: the drag is over.
    abandonner_glisse();
    if (jeu_.bille_prise && numero_trou(jeu_.col_prise, jeu_.lig_prise) != prise_dite_)
        prise_clavier_ = par_clavier_;
    calque_->setAtterrissages(atterrissages());
    marquer_prise();
    annoncer_prise();
    if (curseur_visible_)
        signaler_focus_trou(calque_, curseur_clavier_);
}

void TForm1::marquer_prise()
{
    // Ringed while held from the keyboard, and for the mouse too when the
    // landing holes are marked.
    const int n = jeu_.bille_prise && !jeu_.pas_de_partie ? numero_trou(jeu_.col_prise, jeu_.lig_prise) : 0;
    calque_->setPrise(n != 0 && trou_expose(n) && (prise_clavier_ || reperes_) ? n : 0);
}

void TForm1::annoncer_prise()
{
    const TextesPlus& t = textes_plus(langue_);
    const int avant = prise_dite_;
    const int maintenant = jeu_.bille_prise ? numero_trou(jeu_.col_prise, jeu_.lig_prise) : 0;
    prise_dite_ = maintenant;
    auto dire = [&](int n, const QString& etat) {
        const Case k = case_du_trou(n);
        return t.trou.arg(k.col).arg(k.lig).arg(etat);
    };
    const int ici = jeu_.trou_courant;
    if (maintenant != 0 && maintenant != avant) {
        annonce_->annoncer(dire(maintenant, t.prise_faite));
    } else if (maintenant == 0 && avant != 0) {
        // A click on a hole it cannot land on puts the marble back.
        QString texte = dire(avant, t.prise_reposee);
        if (ici >= 1 && ici <= kNbTrous && ici != avant && trou_expose(ici))
            texte = dire(ici, t.pas_d_arrivee) + QLatin1Char(' ') + texte;
        annonce_->annoncer(texte);
    } else if (maintenant == 0 && ici >= 1 && ici <= kNbTrous && trou_expose(ici)) {
        annonce_->annoncer(dire(ici, t.pas_de_saut));
    }
}

void TForm1::partie_finie(int32_t billes, bool gagnee)
{
    statistiques().fin(billes, jeu_.heures * 3600 + jeu_.minutes * 60 + jeu_.secondes, gagnee);
    enregistrer_statistiques();
    const TextesPlus& t = textes_plus(langue_);
    annonce_->annoncer(gagnee ? t.annonce_gagne : texte_n(langue_, "plus.annonce_perdu", billes).arg(billes));
    mettre_a_jour_commandes();
}

// ---------------------------------------------------------------- the screen reader's board

bool TForm1::trou_expose(int n) const
{
    return n >= 1 && n <= kNbTrous && trous_[static_cast<size_t>(n)]->actif();
}

QString TForm1::nom_trou(int n) const
{
    const TextesPlus& t = textes_plus(langue_);
    const Case k = case_du_trou(n);
    QString etat;
    if (jeu_.pas_de_partie) {
        etat = t.vide;
    } else if (jeu_.grille.bille(k.col, k.lig)) {
        if (jeu_.bille_prise && jeu_.col_prise == k.col && jeu_.lig_prise == k.lig)
            etat = t.bille_prise;
        else if (!jeu_.bille_prise && jeu_.grille.mobile(k.col, k.lig))
            etat = t.bille_mobile;
        else
            etat = t.bille;
    } else if (jeu_.bille_prise && trou_expose(n)
               && jeu_.saut_permis(numero_trou(jeu_.col_prise, jeu_.lig_prise), n)) {
        etat = t.vide_arrivee;
    } else {
        etat = t.vide;
    }
    return t.trou.arg(k.col).arg(k.lig).arg(etat);
}

QString TForm1::nom_plateau() const { return textes_plus(langue_).plateau; }

int TForm1::trou_focus() const { return curseur_visible_ ? curseur_clavier_ : 0; }

void TForm1::activer_trou(int n)
{
    garde([&] {
        abandonner_glisse();
        curseur_clavier_ = n;
        par_clavier_ = true;
        const auto fin = qScopeGuard([this] { par_clavier_ = false; });
        clicTrou(n);
    });
}

} // namespace trelmo
