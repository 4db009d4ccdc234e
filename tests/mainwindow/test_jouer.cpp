// The ways to play beyond two clicks, offscreen: the keyboard on each board,
// Tab through the buttons, undo and redo from their shortcuts, drag and drop
// with real mouse events, the landing marks, what a screen reader is shown,
// and the result text that always fits its overlay.
#include "mainwindow/calque.h"
#include "mainwindow/conseil.h"
#include "mainwindow/form1.h"
#include "mainwindow/sprite.h"
#include "game/problemes.h"
#include "solver/solveur.h"
#include "storage/statistiques.h"
#include "resources/ressources.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"
#include "widgets/labelcliquable.h"

#include <QAccessible>
#if __has_include(<qpa/qplatformaccessibility.h>)
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#define TRELMO_ACCESSIBILITE_PLATEFORME 1
#endif
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace trelmo;

namespace {

std::vector<std::string> erreurs;
void noter_erreur(const std::string& t) { erreurs.push_back(t); }

std::vector<QAccessibleEvent*> evenements;
QAccessible::Event dernier_type = QAccessible::InvalidEvent;
int focus_enfant = -1;
void noter_evenement(QAccessibleEvent* e)
{
    dernier_type = e->type();
    if (e->type() == QAccessible::Focus)
        focus_enfant = e->child();
}

// Every jump a click can make now: (from, to) hole numbers.
std::vector<std::pair<int, int>> sauts(TForm1& f)
{
    std::vector<std::pair<int, int>> s;
    for (int de = 1; de <= 49; ++de)
        for (int vers = 1; vers <= 49; ++vers)
            if (f.jeu().saut_permis(de, vers) && f.trou(vers)->actif()
                && f.jeu().grille.mobile(case_du_trou(de).col, case_du_trou(de).lig))
                s.emplace_back(de, vers);
    return s;
}

QPoint centre(const TForm1& f, int n) { return f.trou(n)->geometry().topLeft() + QPoint(10, 11); }

} // namespace

class TestJouer : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<QTemporaryDir> config;   // a fresh user each test
    QString ancien;

    std::unique_ptr<TForm1> fenetre(int niveau = 1)
    {
        dir = std::make_unique<QTemporaryDir>();
        QDir(dir->path()).mkpath(QStringLiteral("Image/Skin"));
        for (int i = 1; i <= 4; ++i) {
            const QString nom = QStringLiteral("Image/Skin/p%1.bmp").arg(i);
            QFile::copy(QStringLiteral(TRELMO_RUN_DIR "/") + nom, dir->filePath(nom));
        }
        QDir::setCurrent(dir->path());
        auto f = std::make_unique<TForm1>();
        f->reglages().config.set_niveau(niveau);
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("window not active");
        return f;
    }

    // Moves the keyboard cursor onto hole n with the arrow keys.
    void aller(TForm1& f, int n)
    {
        for (int garde_fou = 0; garde_fou < 40 && f.calque()->curseur() != n; ++garde_fou) {
            const Case ici = case_du_trou(f.calque()->curseur()), la = case_du_trou(n);
            const int avant = f.calque()->curseur();
            auto essai = [&](Qt::Key k) {
                QTest::keyClick(&f, k);
                return f.calque()->curseur() != avant;
            };
            const bool fait = (la.col > ici.col && essai(Qt::Key_Right)) || (la.col < ici.col && essai(Qt::Key_Left))
                              || (la.lig > ici.lig && essai(Qt::Key_Down)) || (la.lig < ici.lig && essai(Qt::Key_Up));
            QVERIFY2(fait, qPrintable(QStringLiteral("stuck at %1 on the way to %2").arg(avant).arg(n)));
        }
        QCOMPARE(f.calque()->curseur(), n);
    }

private slots:
    void initTestCase()
    {
        ancien = QDir::currentPath();
        afficheur_erreur() = &noter_erreur;
        qputenv("LC_ALL", "en_US.UTF-8");
        initialiser_ressources();
        enregistrer_tophand();
        QCoreApplication::setApplicationName(QStringLiteral("Trelmo"));
    }
    void cleanupTestCase() { QDir::setCurrent(ancien); }
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toUtf8());
    }

    // A whole game on each board with the keyboard alone.
    void clavier_partie_entiere()
    {
        for (int niveau = 1; niveau <= 3; ++niveau) {
            auto f = fenetre(niveau);
            f->etat_jeuxClick();
            QCOMPARE(f->calque()->curseur(), 0);
            QTest::keyClick(f.get(), Qt::Key_Left);      // the first arrow shows the cursor on the centre
            QCOMPARE(f->calque()->curseur(), 25);
            QVERIFY(f->calque()->hasFocus());
            int jeux = 0;
            for (auto s = sauts(*f); !s.empty(); s = sauts(*f)) {
                const auto [de, vers] = s[size_t(jeux * 7) % s.size()];
                aller(*f, de);
                QTest::keyClick(f.get(), Qt::Key_Space);
                QVERIFY(f->jeu().bille_prise());
                aller(*f, vers);
                QTest::keyClick(f.get(), Qt::Key_Return);
                QVERIFY(!f->jeu().bille_prise());
                QVERIFY(f->trou(vers)->montreImage());
                ++jeux;
            }
            QVERIFY(f->jeu().fin_traitee);
            QCOMPARE(f->jeu().nb_repos, (niveau == 1 ? 12 : niveau == 2 ? 8 : 0) + jeux);
            // The cursor stays on the board at its edge, and Escape puts a marble back.
            QTest::keyClick(f.get(), Qt::Key_Escape);
            QVERIFY(!f->jeu().bille_prise());
        }
    }

    void tab_et_boutons()
    {
        auto f = fenetre();
        f->calque()->setFocus();
        const char* ordre[] = {"charger", "sauver", "scores", "etat_jeux", "texture_plateau",
                               "texture_bille", "infos", "aide", "quitter"};
        for (const char* nom : ordre) {
            QTest::keyClick(f.get(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(nom));
        }
        QTest::keyClick(f.get(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("aide"));
        // Space on a focused button acts as a click: "Marbles" steps the texture.
        f->label("texture_bille")->setFocus(Qt::TabFocusReason);
        const int32_t avant = f->reglages().config.no_texture_bille();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(f->reglages().config.no_texture_bille(), avant % 7 + 1);
        // Enter on the new-game button starts a game (no variant dialog here).
        f->label("etat_jeux")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!f->jeu().pas_de_partie);
        // An arrow takes the keyboard back to the board.
        QTest::keyClick(f.get(), Qt::Key_Down);
        QVERIFY(f->calque()->hasFocus());
        // Focused, clicked and captioned anew, no button has built a text document.
        for (const char* nom : ordre)
            QVERIFY2(f->label(nom)->findChildren<QObject*>().isEmpty(), nom);
    }

    // Undo and redo from their shortcuts leave the sprites as they were.
    void annuler_refaire()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        QVERIFY(!f->action("annuler")->isEnabled());
        auto images = [&] {
            std::vector<qint64> v;
            for (int n = 1; n <= 49; ++n)
                v.push_back(f->trou(n)->pixmap().cacheKey() * f->trou(n)->montreImage());
            for (int i = 1; i <= 44; ++i)
                v.push_back(f->repos(i)->montreImage());
            return v;
        };
        const auto depart = images();
        f->clicTrou(9);
        f->clicTrou(25);
        const auto apres = images();
        QVERIFY(f->action("annuler")->isEnabled());
        f->clicTrou(34);                                   // a held marble is put back first
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(!f->jeu().bille_prise());
        QCOMPARE(images(), depart);
        QCOMPARE(f->label("billes_repos")->text(), QStringLiteral("32"));
        QVERIFY(f->action("refaire")->isEnabled());
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(images(), apres);
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(images(), apres);
        // The context menu offers what can act now.
        const QStringList textes = [&] {
            QStringList t;
            for (QAction* a : f->menu()->actions())
                if (!a->isSeparator())
                    t << a->text();
            return t;
        }();
        QVERIFY(textes.contains(QStringLiteral("Undo")) && textes.contains(QStringLiteral("Show landing holes")));
        QVERIFY(!f->action("refaire")->isEnabled());
        f->etat_jeuxClick();                               // a stop can itself be taken back
        QVERIFY(!f->action("refaire")->isEnabled());
        QVERIFY(f->action("annuler")->isEnabled());
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(images(), apres);
    }

    void glisser_deposer()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        QWindow* w = f->windowHandle();
        // Dragged from hole 9 and let go over hole 25: the jump is made.
        QTest::mousePress(w, Qt::LeftButton, {}, centre(*f, 9));
        QTest::mouseMove(w, centre(*f, 9) + QPoint(0, 12));
        QVERIFY(f->jeu().bille_prise());
        QVERIFY(!f->trou(9)->montreImage());              // the marble follows the pointer
        QTest::mouseMove(w, centre(*f, 25));
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), curseur(CUR_DEPLACE).shape());
        QTest::mouseRelease(w, Qt::LeftButton, {}, centre(*f, 25));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(f->trou(25)->montreImage());
        QVERIFY(!f->trou(16)->montreImage());
        QCOMPARE(f->jeu().nb_repos, 13);
        // Let go where it may not land: it returns.
        QTest::mousePress(w, Qt::LeftButton, {}, centre(*f, 11 + 1));
        QTest::mouseMove(w, centre(*f, 12) + QPoint(15, 0));
        QTest::mouseMove(w, centre(*f, 14));
        QTest::mouseRelease(w, Qt::LeftButton, {}, centre(*f, 14));
        QCOMPARE(f->jeu().nb_repos, 13);
        QVERIFY(f->trou(12)->montreImage() == f->jeu().grille.bille(1, 4));
        QVERIFY(!f->jeu().bille_prise());
        // A marble that cannot jump is not dragged; the two clicks still work.
        QTest::mousePress(w, Qt::LeftButton, {}, centre(*f, 1));
        QTest::mouseMove(w, centre(*f, 1) + QPoint(12, 0));
        QTest::mouseRelease(w, Qt::LeftButton, {}, centre(*f, 1) + QPoint(12, 0));
        QCOMPARE(f->jeu().nb_repos, 13);
        QVERIFY(f->trou(1)->montreImage() == false);      // an arm tip of the English board
        QTest::mouseClick(w, Qt::LeftButton, {}, centre(*f, 23));
        QTest::mouseClick(w, Qt::LeftButton, {}, centre(*f, 25 - 2 + 2));
        QVERIFY(!f->jeu().bille_prise());
    }

    // The first start shows a tip once; the landing marks are remembered.
    void preferences()
    {
        {
            auto f = fenetre();
            QTRY_VERIFY_WITH_TIMEOUT(THintManager::instance()->messageShown(), 5000);
            QCOMPARE(THintManager::instance()->window()->text(), QStringLiteral("Right-click for undo, hints and more"));
            QVERIFY(!f->reperes());
            f->action("reperes")->trigger();
        }
        THintManager::instance()->hideHint();
        auto f = fenetre();
        QVERIFY(f->reperes());
        QTest::qWait(1200);                                // longer than the tip's delay
        QVERIFY(!THintManager::instance()->messageShown());
        QFile ini(config->filePath(QStringLiteral("trelmo.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray texte = ini.readAll();
        QVERIFY(texte.contains("astuce=1") && texte.contains("reperes=1"));
    }

    void reperes()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        f->clicTrou(9);
        QVERIFY(f->calque()->atterrissages().empty());     // off by default
        f->action("reperes")->trigger();
        QVERIFY(f->reperes());
        QCOMPARE(f->calque()->atterrissages(), std::vector<int>{25});
        f->clicTrou(9);                                    // put back
        QVERIFY(f->calque()->atterrissages().empty());
        f->action("reperes")->trigger();
        QVERIFY(!f->reperes());
    }

    void lecteur_d_ecran()
    {
#ifndef TRELMO_ACCESSIBILITE_PLATEFORME
        QSKIP("the accessibility switch needs Qt's private headers (qt6-base-private-dev)");
#else
        QAccessible::installUpdateHandler(&noter_evenement);
        QPlatformAccessibility* plateforme = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!plateforme)
            QSKIP("this platform has no accessibility");
        plateforme->setActive(true);
        for (int niveau = 1; niveau <= 3; ++niveau) {
            auto f = fenetre(niveau);
            f->etat_jeuxClick();
            QAccessibleInterface* fen = QAccessible::queryAccessibleInterface(f.get());
            QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(f->calque());
            QVERIFY(fen->indexOfChild(plateau) >= 0);
            const int attendu = niveau == 1 ? 33 : niveau == 2 ? 37 : 45;
            QCOMPARE(plateau->childCount(), attendu);
            for (int i = 0; i < plateau->childCount(); ++i)
                QVERIFY(plateau->child(i)->text(QAccessible::Name).startsWith(QStringLiteral("Column ")));
            // The sprites themselves stay out of the tree.
            for (int i = 0; i < fen->childCount(); ++i)
                QVERIFY(!qobject_cast<Sprite*>(fen->child(i)->object()));
        }
        auto f = fenetre(1);
        f->etat_jeuxClick();
        QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(f->calque());
        QTest::keyClick(f.get(), Qt::Key_Up);
        QTest::keyClick(f.get(), Qt::Key_Up);                // onto (5,4), then (5,3)
        QTest::keyClick(f.get(), Qt::Key_Up);
        QCOMPARE(dernier_type, QAccessible::Focus);
        QAccessibleInterface* focus = plateau->child(focus_enfant);
        QCOMPARE(focus->text(QAccessible::Name), QStringLiteral("Column 5, row 3: marble, can jump"));
        QCOMPARE(plateau->focusChild(), focus);
        QTest::keyClick(f.get(), Qt::Key_Space);
        QCOMPARE(focus->text(QAccessible::Name), QStringLiteral("Column 5, row 3: marble, held"));
        focus->actionInterface()->doAction(QAccessibleActionInterface::pressAction());   // put back
        QVERIFY(!f->jeu().bille_prise());
        f->clicTrou(9);
        f->clicTrou(25);
        QCOMPARE(f->annonce()->derniere(),
                 QStringLiteral("Jump from column 5, row 3 to column 5, row 5. 31 marbles left."));
        QCOMPARE(plateau->child(plateau->indexOfChild(focus))->text(QAccessible::Name),
                 QStringLiteral("Column 5, row 3: empty"));
        // Buttons and counters.
        QAccessibleInterface* b = QAccessible::queryAccessibleInterface(f->label("scores"));
        QCOMPARE(b->role(), QAccessible::Button);
        QCOMPARE(b->text(QAccessible::Name), QStringLiteral("Scores"));
        QCOMPARE(b->text(QAccessible::Description), QStringLiteral("List of the scores"));
        QCOMPARE(QAccessible::queryAccessibleInterface(f->label("billes_repos"))->text(QAccessible::Name),
                 QStringLiteral("Marbles left: 31"));
        f->Timer1Timer();
        QCOMPARE(QAccessible::queryAccessibleInterface(f->label("chrono"))->text(QAccessible::Name),
                 QStringLiteral("Time: 00:00:01"));
        QAccessible::installUpdateHandler(nullptr);
        plateforme->setActive(false);
#endif
    }

    // The hint: the first jump of a best line, marked and told; never for a
    // position that is gone, never once the game is over.
    void indice()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        QTest::keyClick(f.get(), Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(!f->dernier_indice().isEmpty(), 10000);
        QVERIFY(f->calque()->sautMontre());
        QVERIFY(f->dernier_indice().endsWith(QStringLiteral(": you can still finish with 1 marble.")));
        // Asked, then a jump before the answer: no hint for the old position.
        f->clicTrou(9);
        f->clicTrou(25);
        f->calque()->montrerSaut(0, 0);
        const QString avant = f->dernier_indice();
        QTest::keyClick(f.get(), Qt::Key_H);
        f->clicTrou(14);                                   // (3,4) over (4,4) into (5,4)
        f->clicTrou(16);
        QCOMPARE(f->jeu().nb_repos, 14);
        QTRY_VERIFY_WITH_TIMEOUT(!f->conseil()->occupe(), 10000);
        QCoreApplication::processEvents();
        QCOMPARE(f->dernier_indice(), avant);
        // Over: no hint, and none offered.
        const uint64_t deux = (uint64_t{1} << (9 - 1)) | (uint64_t{1} << (16 - 1));
        f->jeu().commencer_probleme(1, deux, 0);
        f->clicTrou(9);
        f->clicTrou(25);
        QVERIFY(f->jeu().fin_traitee);
        QVERIFY(!f->action("indice")->isEnabled());
        f->indiceClick();
        QCOMPARE(f->dernier_indice(), avant);
    }

    // A problem started from the main window, solved along the solver's line:
    // the win is counted in the statistics and not in the top ten; saved and
    // restored, the game is still that problem.
    void probleme_resolu()
    {
        auto f = fenetre();
        const Probleme* croix = probleme("croix");
        QVERIFY(croix);
        f->commencer_probleme(croix->id);
        QVERIFY(f->jeu().probleme);
        QCOMPARE(f->jeu().cible, croix->cible);
        QCOMPARE(f->label("billes_repos")->text(), QString::number(nb_billes(*croix)));
        // Saved now, the problem is found again when this game is restored.
        QTimer::singleShot(0, [] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                b->button(QMessageBox::Ok)->click();
        });
        f->sauverClick();
        solveur::Position p;
        for (int n = 1; n <= 49; ++n)
            if (f->trou(n)->actif())
                p.trous |= solveur::bit(n);
        p = solveur::depuis_grille(f->jeu().grille.v, p.trous);
        p.cible = croix->cible;
        const solveur::Reponse r = solveur::resoudre(p, std::chrono::milliseconds(5000));
        QCOMPARE(r.cible, solveur::Cible::atteignable);
        for (const solveur::Saut& s : r.ligne) {
            f->clicTrou(s.de);
            f->clicTrou(s.vers);
        }
        QVERIFY(f->jeu().fin_traitee);
        QCOMPARE(f->resultat_label()->text().simplified(), QStringLiteral("CONGRATULATION !!"));
        const StatsJeu st = f->statistiques().stats(cle_probleme(croix->id));
        QCOMPARE(st.gagnees, 1);
        QCOMPARE(st.commencees, 1);
        QCOMPARE(f->reglages().config.billes(1), 44);      // the top ten is untouched
        QTimer::singleShot(0, [] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                b->button(QMessageBox::Ok)->click();
        });
        f->chargerClick();
        QCOMPARE(f->probleme_courant(), croix->id);
        QVERIFY(f->jeu().probleme && f->jeu().cible == croix->cible);
        // A standard game saved over it is no problem any more.
        f->etat_jeuxClick();
        f->etat_jeuxClick();
        QTimer::singleShot(0, [] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                b->button(QMessageBox::Ok)->click();
        });
        f->sauverClick();
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("GAME.probleme"))));
    }

    // A drag that a command cuts short ends there: the marble back in its
    // hole, no loose picture, no cursor left over, and the next clicks work.
    void glisser_interrompu()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        QWindow* w = f->windowHandle();
        auto commencer = [&](int n) {
            QTest::mousePress(w, Qt::LeftButton, {}, centre(*f, n));
            QTest::mouseMove(w, centre(*f, n) + QPoint(0, 12));
            QTest::mouseMove(w, centre(*f, n) + QPoint(0, 20));
            QVERIFY(!f->trou(n)->montreImage());
        };
        auto propre = [&](int n, const char* quoi) {
            const Case k = case_du_trou(n);
            QVERIFY2(f->trou(n)->montreImage() == f->jeu().grille.bille(k.col, k.lig), quoi);
            QVERIFY2(!QGuiApplication::overrideCursor(), quoi);
            auto* loose = f->findChild<QLabel*>(QStringLiteral("glisse"));
            QVERIFY2(!loose || loose->isHidden(), quoi);
            QVERIFY2(!f->jeu().bille_prise(), quoi);
        };
        auto lacher = [&](int n) {
            QTest::mouseMove(w, centre(*f, n));
            QTest::mouseRelease(w, Qt::LeftButton, {}, centre(*f, n));
        };
        // Escape, then let go over the landing hole: no jump.
        commencer(9);
        QTest::keyClick(f.get(), Qt::Key_Escape);
        propre(9, "escape");
        lacher(25);
        QCOMPARE(f->jeu().nb_repos, 12);
        propre(9, "escape, let go");
        QVERIFY(f->trou(9)->montreImage());
        // H asks for a hint and puts the marble back.
        commencer(9);
        QTest::keyClick(f.get(), Qt::Key_H);
        propre(9, "hint");
        lacher(25);
        QCOMPARE(f->jeu().nb_repos, 12);
        // Undo and redo while dragging.
        f->clicTrou(9);
        f->clicTrou(25);
        commencer(14);                                     // (3,4) over (4,4) into (5,4)
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        propre(14, "undo");
        lacher(16);
        QCOMPARE(f->jeu().nb_repos, 12);
        propre(14, "undo, let go");
        commencer(23);                                     // (3,5) towards (5,5)
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        propre(23, "redo");
        lacher(25);
        QCOMPARE(f->jeu().nb_repos, 13);
        propre(23, "redo, let go");
        // A right click opens the menu over the drag.
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        commencer(9);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, centre(*f, 9) + QPoint(0, 20),
                               f->mapToGlobal(centre(*f, 9) + QPoint(0, 20)));
        QApplication::sendEvent(f->trou(9), &menu);
        QTRY_VERIFY(f->menu()->isVisible());
        propre(9, "menu");
        f->menu()->hide();
        lacher(25);
        QCOMPARE(f->jeu().nb_repos, 12);
        propre(9, "menu, let go");
        // Another window takes the pointer.
        f->activateWindow();
        QTRY_VERIFY(f->isActiveWindow());
        commencer(9);
        QWidget autre;
        autre.resize(50, 50);
        autre.show();
        autre.activateWindow();
        QTRY_VERIFY(!f->isActiveWindow());
        propre(9, "another window");
        autre.close();
        f->activateWindow();
        QTRY_VERIFY(f->isActiveWindow());
        lacher(25);
        QCOMPARE(f->jeu().nb_repos, 12);
        // The two clicks and a whole drag still work.
        QTest::mouseClick(w, Qt::LeftButton, {}, centre(*f, 9));
        QTest::mouseClick(w, Qt::LeftButton, {}, centre(*f, 25));
        QCOMPARE(f->jeu().nb_repos, 13);
        commencer(14);
        lacher(16);
        QCOMPARE(f->jeu().nb_repos, 14);
        propre(14, "a whole drag");
        QVERIFY(f->trou(16)->montreImage());
    }

    // What the board does is spoken: picking up, putting back, a marble that
    // cannot jump, a hole it cannot land on, the first arrow, a new game,
    // a stop and a load.
    void annonces()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        QCOMPARE(f->annonce()->derniere(), QStringLiteral("New game. 32 marbles left."));
        auto dit = [&] { return f->annonce()->derniere(); };
        QTest::keyClick(f.get(), Qt::Key_Up);
        QCOMPARE(dit(), QStringLiteral("Column 5, row 5: empty"));
        aller(*f, 9);
        QTest::keyClick(f.get(), Qt::Key_Space);
        QCOMPARE(dit(), QStringLiteral("Column 5, row 3: marble picked up"));
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QCOMPARE(dit(), QStringLiteral("Column 5, row 3: marble put back"));
        QTest::keyClick(f.get(), Qt::Key_Space);
        aller(*f, 10);
        QTest::keyClick(f.get(), Qt::Key_Space);
        QCOMPARE(dit(), QStringLiteral("Column 6, row 3: cannot land here. Column 5, row 3: marble put back"));
        QTest::keyClick(f.get(), Qt::Key_Space);
        QCOMPARE(dit(), QStringLiteral("Column 6, row 3: cannot jump from here"));
        QTest::mouseClick(f->windowHandle(), Qt::LeftButton, {}, centre(*f, 23));
        QCOMPARE(dit(), QStringLiteral("Column 3, row 5: marble picked up"));
        QTest::mouseClick(f->windowHandle(), Qt::LeftButton, {}, centre(*f, 25));
        QCOMPARE(dit(), QStringLiteral("Jump from column 3, row 5 to column 5, row 5. 31 marbles left."));
        auto ok_a_venir = [] {
            QTimer::singleShot(0, [] {
                if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    b->button(QMessageBox::Ok)->click();
            });
        };
        ok_a_venir();
        f->sauverClick();
        f->etat_jeuxClick();
        QCOMPARE(dit(), QStringLiteral("Game stopped."));
        ok_a_venir();
        f->chargerClick();
        QCOMPARE(dit(), QStringLiteral("Game loaded. 31 marbles left."));
    }

    // The hint: gone the moment the position changes; spoken with both holes
    // and the target; the keyboard cursor goes to the marble; the balloon
    // covers no control of the window.
    void indice_precis()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        f->clicTrou(9);
        f->clicTrou(25);
        QTest::keyClick(f.get(), Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(f->calque()->sautMontre(), 10000);
        QTest::keySequence(f.get(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(!f->calque()->sautMontre());
        QVERIFY(!THintManager::instance()->messageShown());
        // Two marbles in column 5; the target is the centre.
        const uint64_t deux = (uint64_t{1} << (9 - 1)) | (uint64_t{1} << (16 - 1));
        f->jeu().commencer_probleme(1, deux, 25);
        QTest::keyClick(f.get(), Qt::Key_Down);           // the cursor shows at the centre
        QTest::keyClick(f.get(), Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(f->calque()->sautMontre(), 10000);
        QCOMPARE(f->dernier_indice(), QStringLiteral("Jump down: you can still finish on the target."));
        QCOMPARE(f->annonce()->derniere(),
                 QStringLiteral("Jump from column 5, row 3 to column 5, row 5: you can still finish on the target. "
                                "The target is column 5, row 5."));
        QCOMPARE(f->calque()->curseur(), 9);
        QVERIFY(THintManager::instance()->messageShown());
        const QRect g = THintManager::instance()->window()->geometry();
        const QRect bulle(f->mapFromGlobal(g.topLeft()), g.size());
        for (LabelCliquable* l : f->findChildren<LabelCliquable*>())
            if (l->isVisible() && l->property("accessible").toBool())
                QVERIFY2(!l->geometry().intersects(bulle), qPrintable(l->objectName()));
    }

    // The held marble is ringed when it is held from the keyboard, or with
    // the landing holes shown; mouse play without them looks as it did.
    void bille_tenue()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        auto zone = [&](int n) { return f->grab().toImage().copy(f->trou(n)->geometry().adjusted(-4, -4, 4, 4)); };
        const QImage avant = f->grab().toImage();
        f->clicTrou(9);
        QCOMPARE(f->grab().toImage(), avant);
        f->clicTrou(9);
        aller(*f, 9);
        const QImage curseur = zone(9);
        QTest::keyClick(f.get(), Qt::Key_Space);
        QVERIFY(f->jeu().bille_prise());
        QVERIFY(zone(9) != curseur);
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QCOMPARE(zone(9), curseur);
        f->action("reperes")->trigger();
        QTest::mouseMove(f->windowHandle(), centre(*f, 23));
        const QImage libre = zone(23);
        f->clicTrou(23);
        QVERIFY(zone(23) != libre);
        f->clicTrou(25);
        QVERIFY(!f->trou(23)->montreImage());
    }

    // A link planted as GAME.probleme: saving a problem replaces it and
    // leaves the file it names alone.
    void probleme_sauve_sur_un_lien()
    {
        auto f = fenetre();
        const QString cible = QDir::current().filePath(QStringLiteral("ailleurs"));
        QFile c(cible);
        QVERIFY(c.open(QIODevice::WriteOnly) && c.write("ailleurs") == 8);
        c.close();
        const QString note = QDir::current().filePath(QStringLiteral("GAME.probleme"));
        QVERIFY(QFile::link(cible, note));
        f->commencer_probleme("croix");
        QTimer::singleShot(0, [] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                b->button(QMessageBox::Ok)->click();
        });
        f->sauverClick();
        QVERIFY(c.open(QIODevice::ReadOnly));
        QCOMPARE(c.readAll(), QByteArray("ailleurs"));
        QVERIFY(!QFileInfo(note).isSymLink());
        QVERIFY(QFileInfo(note).size() > 0);
    }

    // The end-of-game texts of the three languages fit their overlay.
    void texte_du_resultat()
    {
        auto f = fenetre();
        const char* textes[] = {"VOUS AVEZ GAGNE !!", "PARTIE\rTERMINEE", "CONGRATULATION !!", "GAME OVER",
                                "BEGLÜCKWÜNSCHUNG !!"};
        for (const char* t : textes) {
            f->resultat(true, t);
            QLabel* r = f->resultat_label();
            const QFontMetrics fm(r->font());
            for (const QString& ligne : r->text().split(QLatin1Char('\n')))
                QVERIFY2(fm.horizontalAdvance(ligne) <= 365, t);
            QVERIFY(fm.lineSpacing() * r->text().count(QLatin1Char('\n')) + fm.height() <= 151 + 2);
        }
        f->resultat(true, "PARTIE\rTERMINEE");
        QCOMPARE(f->resultat_label()->font().pixelSize(), 67);   // a text that fits keeps its size
    }
};

QTEST_MAIN(TestJouer)
#include "test_jouer.moc"
