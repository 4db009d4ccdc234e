// The commands beyond the original buttons: the context menu and its
// shortcuts, undo and redo, the landing marks, the first-run tip, and what
// follows any change of the game (marks, commands, the hint's position).
#include "mainwindow/editeur_fenetre.h"
#include "mainwindow/form1.h"
#include "mainwindow/reprise.h"
#include "mainwindow/accessibilite.h"
#include "mainwindow/calque.h"
#include "mainwindow/echelle.h"
#include "mainwindow/textes_plus.h"
#include "dialogs/langue.h"
#include "storage/ini.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"
#include "widgets/label3d.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

namespace trelmo {

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
    commandes_.annuler = commande("annuler", t.annuler, {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                                  [this](bool) { annulerClick(); });
    commandes_.refaire = commande("refaire", t.refaire,
                                  {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                                  [this](bool) { refaireClick(); });
    commandes_.indice = commande("indice", t.indice, {QKeySequence(Qt::Key_H)}, [this](bool) { indiceClick(); });
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
    commandes_.reperes = commande("reperes", t.reperes, {QKeySequence(Qt::Key_L)},
                                  [this](bool coche) { reperesClick(coche); });
    commandes_.reperes->setCheckable(true);
    commandes_.reperes->setChecked(commandes_.reperes_actifs);
    echelle_->avant_commande = [this] { abandonner_glisse(); };
    echelle_->creer_commandes(langue_);

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
    if (!commandes_.menu) {
        auto* moi = const_cast<TForm1*>(this);
        commandes_.menu = new QMenu(moi);
        commandes_.menu->setObjectName(QStringLiteral("menu"));
        commandes_.menu->addActions(actions());
        connect(commandes_.menu, &QMenu::aboutToShow, moi, [moi] {
            garde([moi] {
                moi->abandonner_glisse();
                moi->mettre_a_jour_commandes();
            });
        });
    }
    return commandes_.menu;
}

QAction* TForm1::action(const char* nom) const
{
    return findChild<QAction*>(QString::fromLatin1(nom));
}

void TForm1::mettre_a_jour_commandes()
{
    if (!commandes_.annuler)
        return;
    commandes_.annuler->setEnabled(jeu_.peut_annuler() || reprise().peut_annuler_abandon());
    action("reprendre")->setEnabled(reprise().peut_reprendre());
    commandes_.refaire->setEnabled(jeu_.peut_refaire());
    commandes_.indice->setEnabled(indice_possible());
    commandes_.reperes->setChecked(commandes_.reperes_actifs);
}

std::vector<int> TForm1::atterrissages() const
{
    // Only where a click can reach: the holes of the board in play.
    std::vector<int> trous;
    if (commandes_.reperes_actifs)
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
        bulles && bulles->messageShown() && !indice_.dernier.isEmpty() && bulles->window()
        && bulles->window()->text() == indice_.dernier)
        bulles->hideHint();
    dit_.prise = jeu_.trou_pris();
    calque_->setAtterrissages(atterrissages());
    marquer_prise();
    if (!trou_expose(clavier_.trou))
        clavier_.trou = 25;
    if (clavier_.visible)
        calque_->setCurseur(clavier_.trou);
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
    commandes_.reperes_actifs = actif;
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
    commandes_.reperes_actifs = lit_preference(chemin_ini(), "reperes");
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

void TForm1::marquer_prise()
{
    // Ringed while held from the keyboard, and for the mouse too when the
    // landing holes are marked.
    const int n = jeu_.pas_de_partie ? 0 : jeu_.trou_pris();
    calque_->setPrise(n != 0 && trou_expose(n) && (dit_.prise_clavier || commandes_.reperes_actifs) ? n : 0);
}

} // namespace trelmo
