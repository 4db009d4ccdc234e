// The dialogs driven as the player drives them, under the offscreen platform.
#include "dialogs/freewaremsg.h"
#include "dialogs/liens.h"
#include "dialogs/meilleur_score.h"
#include "dialogs/mode.h"
#include "dialogs/saisie_nom.h"
#include "dialogs/splash.h"
#include "game/textes.h"
#include "resources/ressources.h"
#include "storage/config.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

using namespace trelmo;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

std::string repertoire(const QTemporaryDir& d)
{
    return QDir(d.path()).absolutePath().toStdString() + "/";
}

// The byte at `offset` of a file, -1 when the file is missing or shorter.
int octet(const QString& chemin, qint64 offset)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly) || f.size() <= offset)
        return -1;
    return static_cast<unsigned char>(f.readAll().at(offset));
}

// Watches for the next modal message box, records it and presses its OK button.
class FermeBoite : public QObject {
public:
    FermeBoite()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++vues;
            texte = box->text();
            titre = box->windowTitle();
            boutons = box->buttons().size();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        });
        timer_.start(20);
    }
    int vues = 0;
    int boutons = 0;
    QString texte, titre;

private:
    QTimer timer_;
};

// Runs `pendant` when the widget is hidden.
class AuMasquage : public QObject {
public:
    AuMasquage(QWidget* w, std::function<void()> pendant) : pendant_(std::move(pendant)) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            pendant_();
        return false;
    }

private:
    std::function<void()> pendant_;
};

void montrer(QWidget& w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

} // namespace

class TstDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initialiser_ressources();
        QCoreApplication::setApplicationName(QStringLiteral("Trelmo"));
    }

    void modeStockeAvantDeFermer()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        const QString cfg = qs(r.chemin());
        r.recharger();   // as the main window does at start-up
        Tmode dlg(r, FRANCAIS);
        QCOMPARE(dlg.size(), QSize(305, 88));
        QCOMPARE(dlg.m1->geometry(), QRect(0, 0, 305, 30));
        QCOMPARE(dlg.m2->geometry(), QRect(0, 28, 305, 30));
        QCOMPARE(dlg.m3->geometry(), QRect(0, 58, 305, 30));

        struct Cas { TBoutonArrondi* bouton; int niveau; };
        for (Cas c : {Cas{dlg.m2, 2}, Cas{dlg.m3, 3}, Cas{dlg.m1, 1}}) {
            int vu_a_la_fermeture = -2;
            AuMasquage espion(&dlg, [&] { vu_a_la_fermeture = octet(cfg, Config::kNiveau); });
            montrer(dlg);
            QTest::mouseClick(c.bouton, Qt::LeftButton);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(vu_a_la_fermeture, c.niveau);
            QCOMPARE(r.config.niveau(), c.niveau);
            Reglages relu(repertoire(dir));
            relu.recharger();
            QCOMPARE(relu.config.niveau(), c.niveau);
        }
    }

    void modeCaseDeFermetureNeStockeRien()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        const QString cfg = qs(r.chemin());
        Tmode dlg(r, ANGLAIS);
        montrer(dlg);
        QVERIFY(dlg.close());
        QVERIFY(!dlg.isVisible());
        QVERIFY(!QFile::exists(cfg));   // nothing written, not even created

        // With a stored choice, closing keeps it.
        r.recharger();
        montrer(dlg);
        QTest::mouseClick(dlg.m2, Qt::LeftButton);
        QCOMPARE(octet(cfg, Config::kNiveau), 2);
        r.config.set_niveau(3);   // in memory only
        montrer(dlg);
        dlg.close();
        QCOMPARE(octet(cfg, Config::kNiveau), 2);
    }

    void modeEchecDuStockageGardeLeDialogue()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("TRL.CFG")));   // a folder in the file's place
        Reglages r(repertoire(dir));
        Tmode dlg(r, FRANCAIS);
        montrer(dlg);
        FermeBoite boite;
        QTest::mouseClick(dlg.m2, Qt::LeftButton);
        QCOMPARE(boite.vues, 1);
        QCOMPARE(boite.titre, QStringLiteral("Trelmo"));
        QVERIFY(!boite.texte.isEmpty());
        QVERIFY(dlg.isVisible());
        dlg.close();
    }

    void modeLibellesParLangue()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        const QString francais2 = QString::fromUtf8("Fran\xC3\xA7" "ais (37 billes)");
        struct Cas { int32_t langue; const char* titre; const char* m1; const char* m3; };
        const Cas cas[] = {
            {FRANCAIS, "Niveau de jeu", "Anglais (33 billes)", "Mission Impossible (44 billes)"},
            {ANGLAIS, "Level", "traditional (33 balls)", "Genius (44 balls)"},
            {ALLEMAND, "Stand", "traditionell (33 Kugeln)", "Genie (44 Kugeln)"},
        };
        for (const Cas& c : cas) {
            Tmode dlg(r, c.langue);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Mode"));   // until shown
            montrer(dlg);
            QCOMPARE(dlg.windowTitle(), QString::fromUtf8(c.titre));
            QCOMPARE(dlg.m1->text(), QString::fromUtf8(c.m1));
            QCOMPARE(dlg.m2->text(), francais2);
            QCOMPARE(dlg.m3->text(), QString::fromUtf8(c.m3));
            QCOMPARE(dlg.m2->cursor().shape(), curseur(curseur_tophand_id).shape());
            dlg.close();
        }
    }

    // The variant dialog paints its own grey round its rounded buttons.
    void modeFond()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        Tmode dlg(r, ANGLAIS);
        montrer(dlg);
        const QImage image = dlg.grab().toImage();
        for (QPoint coin : {QPoint(0, 0), QPoint(304, 0), QPoint(0, 87), QPoint(304, 87), QPoint(1, 29)})
            QCOMPARE(QColor(image.pixel(coin)), QColor(0xE6, 0xE6, 0xE6));
    }

    void saisieNom()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        Tsaisie_nom dlg(r, FRANCAIS);
        QCOMPARE(dlg.size(), QSize(312, 180));
        QCOMPARE(dlg.Edit1->maxLength(), 15);
        QCOMPARE(dlg.Edit1->geometry(), QRect(24, 104, 264, 32));
        QCOMPARE(dlg.bravo->geometry(), QRect(9, 12, 293, 34));
        QCOMPARE(dlg.t1->geometry(), QRect(9, 52, 293, 24));
        QCOMPARE(dlg.t2->geometry(), QRect(9, 77, 293, 24));
        QCOMPARE(dlg.barre->geometry(), QRect(0, 156, 312, 24));
        QCOMPARE(dlg.OkBtn->geometry(), QRect(223, 0, 89, 24));
        QCOMPARE(dlg.OkBtn->text(), QStringLiteral(" &Ok"));

        // Confirmed name, with the field emptied and focused on each show.
        dlg.Edit1->setText(QStringLiteral("reste"));
        montrer(dlg);
        QVERIFY(dlg.Edit1->text().isEmpty());
        QTRY_VERIFY(dlg.Edit1->hasFocus());
        QTest::keyClicks(dlg.Edit1, QStringLiteral("lo"));
        dlg.Edit1->home(false);
        dlg.Edit1->insert(QString::fromUtf8("\xC3\x89"));
        dlg.Edit1->end(false);
        dlg.Edit1->insert(QString::fromUtf8("\xC3\xAF"));
        QTest::keyClicks(dlg.Edit1, QStringLiteral("se"));
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(r.nom_joueur, std::string("\xC3\x89lo\xC3\xAFse"));

        // 15 characters stored whole; the sixteenth is refused.
        montrer(dlg);
        QTest::keyClicks(dlg.Edit1, QStringLiteral("ABCDEFGHIJKLMNOP"));
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QCOMPARE(r.nom_joueur, std::string("ABCDEFGHIJKLMNO"));

        // Enter confirms, as OK would; a screen reader names the entry by the prompt.
        montrer(dlg);
        QCOMPARE(QAccessible::queryAccessibleInterface(dlg.Edit1)->text(QAccessible::Name), dlg.t2->text());
        QTest::keyClicks(dlg.Edit1, QStringLiteral("Zoe"));
        QTest::keyClick(dlg.Edit1, Qt::Key_Return);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(r.nom_joueur, std::string("Zoe"));
        montrer(dlg);
        QTest::keyClicks(dlg.Edit1, QStringLiteral("ABCDEFGHIJKLMNO"));
        QTest::keyClick(dlg.Edit1, Qt::Key_Enter);
        QCOMPARE(r.nom_joueur, std::string("ABCDEFGHIJKLMNO"));
        montrer(dlg);

        // The close box keeps the earlier name.
        dlg.close();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(r.nom_joueur, std::string("ABCDEFGHIJKLMNO"));

        // An empty entry confirmed stores an empty name.
        montrer(dlg);
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QCOMPARE(r.nom_joueur, std::string());

        // Close box before any name: still empty.
        Reglages neuf(repertoire(dir));
        Tsaisie_nom autre(neuf, ANGLAIS);
        montrer(autre);
        QTest::keyClicks(autre.Edit1, QStringLiteral("Paul"));
        autre.close();
        QCOMPARE(neuf.nom_joueur, std::string());
    }

    void saisieNomTextes()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        struct Cas { int32_t langue; int pixels; };
        for (Cas c : {Cas{FRANCAIS, 24}, Cas{ANGLAIS, 24}, Cas{ALLEMAND, 21}}) {
            const Textes& t = textes(c.langue);
            Tsaisie_nom dlg(r, c.langue);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("BIEN JOUER !!!"));
            montrer(dlg);
            QCOMPARE(dlg.windowTitle(), qs(t.nom_titre));
            QCOMPARE(dlg.bravo->text(), qs(t.nom_bravo));
            QCOMPARE(dlg.t1->text(), qs(t.nom_t1));
            QCOMPARE(dlg.t2->text(), qs(t.nom_t2));
            QCOMPARE(dlg.bravo->font().pixelSize(), c.pixels);
            // Every text stays on one line of its label, so none is half hidden.
            for (TLabel3D* l : {dlg.bravo, dlg.t1, dlg.t2})
                QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
            dlg.close();
        }
    }

    void tableDesScores()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        Tmeilleur_score dlg(r, FRANCAIS);
        QCOMPARE(dlg.size(), QSize(300, 345));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("LES 10 MEILLEURS SCORES"));
        const int hauts[] = {90, 112, 134, 156, 178, 200, 222, 244, 268, 290};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(dlg.n[i]->geometry(), QRect(8, hauts[i], 121, 22));
            QCOMPARE(dlg.b[i]->geometry(), QRect(142, hauts[i], 53, 22));
            QCOMPARE(dlg.d[i]->geometry(), QRect(210, hauts[i], 81, 22));
            QCOMPARE(dlg.n[i]->objectName(), QStringLiteral("n%1").arg(i + 1));
        }
        QCOMPARE(dlg.n[8]->y() - dlg.n[7]->y(), 24);
        QCOMPARE(dlg.n[1]->y() - dlg.n[0]->y(), 22);
        QCOMPARE(dlg.titre->geometry(), QRect(2, 8, 296, 29));
        QCOMPARE(dlg.bille->geometry(), QRect(129, 58, 82, 23));
        QCOMPARE(dlg.OkBtn->geometry(), QRect(211, 0, 89, 24));
        QCOMPARE(dlg.barre->geometry(), QRect(0, 321, 300, 24));

        // First start: ten empty rows of 44.
        montrer(dlg);
        QCOMPARE(dlg.titre->text(), QStringLiteral("LISTE DES SCORES"));
        QCOMPARE(dlg.duree->text(), QString::fromUtf8("Dur\xC3\xA9" "e"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(dlg.n[i]->text(), QString());
            QCOMPARE(dlg.b[i]->text(), QStringLiteral("44"));
            QCOMPARE(dlg.d[i]->text(), QString());
        }
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QVERIFY(!dlg.isVisible());

        // Results inserted elsewhere since: the next showing has them.
        Reglages jeu(repertoire(dir));
        auto inserer = [&](int billes, const char* duree, const char* nom) {
            jeu.recharger();
            jeu.insere_score(billes, duree, [&] { jeu.nom_joueur = nom; });
            jeu.enregistrer();
        };
        inserer(5, "00:03:10", "Ana");
        inserer(1, "00:09:59", "<b>Bob</b>");
        inserer(8, "00:01:00", "Caro & Co");
        montrer(dlg);
        QCOMPARE(dlg.n[0]->text(), QStringLiteral("<b>Bob</b>"));
        QCOMPARE(dlg.b[0]->text(), QStringLiteral("1"));
        QCOMPARE(dlg.d[0]->text(), QStringLiteral("00:09:59"));
        QCOMPARE(dlg.n[1]->text(), QStringLiteral("Ana"));
        QCOMPARE(dlg.b[1]->text(), QStringLiteral("5"));
        // A screen reader walks the ten rows as a list.
        {
            QAccessibleInterface* liste = nullptr;
            std::function<void(QAccessibleInterface*)> chercher = [&](QAccessibleInterface* i) {
                if (!i || liste)
                    return;
                if (i->role() == QAccessible::List)
                    liste = i;
                for (int k = 0; k < i->childCount(); ++k)
                    chercher(i->child(k));
            };
            chercher(QAccessible::queryAccessibleInterface(&dlg));
            QVERIFY(liste);
            QCOMPARE(liste->childCount(), 10);
            QCOMPARE(liste->child(0)->role(), QAccessible::ListItem);
            QCOMPARE(liste->child(0)->text(QAccessible::Name),
                     QString::fromUtf8("1. Joueur : <b>Bob</b>, Billes : 1, Dur\xC3\xA9" "e : 00:09:59"));
            QCOMPARE(liste->child(1)->text(QAccessible::Name),
                     QString::fromUtf8("2. Joueur : Ana, Billes : 5, Dur\xC3\xA9" "e : 00:03:10"));
        }
        QCOMPARE(dlg.n[2]->text(), QStringLiteral("Caro & Co"));
        QCOMPARE(dlg.d[2]->text(), QStringLiteral("00:01:00"));
        QCOMPARE(dlg.b[3]->text(), QStringLiteral("44"));
        QCOMPARE(dlg.n[0]->textFormat(), Qt::PlainText);
        dlg.close();

        // A file that cannot be read: the error is shown, the rows stay.
        QVERIFY(QFile::remove(qs(r.chemin())));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("TRL.CFG")));
        {
            FermeBoite boite;
            montrer(dlg);
            QTRY_COMPARE(boite.vues, 1);
            QCOMPARE(boite.titre, QStringLiteral("Trelmo"));
        }
        QCOMPARE(dlg.n[0]->text(), QStringLiteral("<b>Bob</b>"));
        QCOMPARE(dlg.b[2]->text(), QStringLiteral("8"));
        dlg.close();
    }

    void tableDesScoresLangues()
    {
        QTemporaryDir dir;
        Reglages r(repertoire(dir));
        for (int32_t langue : {FRANCAIS, ANGLAIS, ALLEMAND}) {
            const Textes& t = textes(langue);
            Tmeilleur_score dlg(r, langue);
            montrer(dlg);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("LES 10 MEILLEURS SCORES"));
            QCOMPARE(dlg.titre->text(), qs(t.score_titre));
            QCOMPARE(dlg.joueur->text(), qs(t.score_joueur));
            QCOMPARE(dlg.bille->text(), qs(t.score_bille));
            QCOMPARE(dlg.duree->text(), qs(t.score_duree));
            dlg.close();
        }
    }

    void aPropos()
    {
        QList<QUrl> ouverts;
        definir_ouvreur([&](const QUrl& u) { ouverts << u; });

        TFreewareMsg dlg;
        QCOMPARE(dlg.size(), QSize(387, 236));
        QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("A propos"));
        QCOMPARE(dlg.Lab_SoftName->geometry(), QRect(14, 24, 360, 41));
        QCOMPARE(dlg.tf2->geometry(), QRect(106, 155, 176, 32));
        QCOMPARE(dlg.afficher_->geometry(), QRect(11, 215, 360, 17));
        QCOMPARE(dlg.afficher_->text(),
                 QString::fromUtf8("Ne plus afficher cette fen\xC3\xAAtre et ne plus lancer le site web"));
        QCOMPARE(dlg.Lab_SoftName->raisedTop(), false);
        QCOMPARE(dlg.Lab_SoftName->raisedBottom(), true);
        QCOMPARE(dlg.Lab_SoftName->raisedBottomDistance(), 2);
        QCOMPARE(dlg.Lab_SoftName->raisedBottomColor(), QColor(0xE4, 0xE4, 0xE4));
        QVERIFY(dlg.Lab_SoftName->font().underline());
        QCOMPARE(dlg.Lab_SoftName->font().pixelSize(), 32);
        for (QWidget* w : {dlg.Shape54, static_cast<QWidget*>(dlg.tf2), static_cast<QWidget*>(dlg.Lab_SoftName)})
            QCOMPARE(w->cursor().shape(), curseur(curseur_tophand_id).shape());

        // Product name copied on each show, cut after 255 characters.
        dlg.setSoftName(QString::fromUtf8(kNomProduit));
        montrer(dlg);
        QCOMPARE(dlg.Lab_SoftName->text(), QStringLiteral("TRELMO 3.01"));
        dlg.setSoftName(QString(300, QLatin1Char('x')));
        QCOMPARE(dlg.softName().size(), 255);
        QCOMPARE(dlg.Lab_SoftName->text(), QStringLiteral("TRELMO 3.01"));   // until the next show

        // The check box keeps its state.
        QVERIFY(!dlg.afficher());
        dlg.setAfficher(true);
        QVERIFY(dlg.afficher());
        QTest::mouseClick(dlg.afficher_, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(!dlg.afficher());

        // The product name opens the web site and leaves the window open.
        QTest::mouseClick(dlg.Lab_SoftName, Qt::LeftButton);
        QCOMPARE(ouverts.size(), 1);
        QCOMPARE(ouverts.at(0), adresse_site_web());
        QVERIFY(dlg.isVisible());

        // No hints anywhere.
        for (QWidget* w : dlg.findChildren<QWidget*>()) {
            QVERIFY(w->toolTip().isEmpty());
            w->setToolTip(QStringLiteral("x"));   // even one added later is not shown
            QHelpEvent aide(QEvent::ToolTip, QPoint(1, 1), w->mapToGlobal(QPoint(1, 1)));
            QVERIFY(QApplication::sendEvent(w, &aide));
            QVERIFY(!QApplication::activePopupWidget());
        }

        // "Cliquez ici" closes it.
        QTest::mouseClick(dlg.tf2, Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        montrer(dlg);
        QCOMPARE(dlg.Lab_SoftName->text(), QString(255, QLatin1Char('x')));
        dlg.close();
        definir_ouvreur({});
    }

    void liens()
    {
        QList<QUrl> ouverts;
        definir_ouvreur([&](const QUrl& u) { ouverts << u; });
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("doc.chm"));

        // Absent: the message, nothing opened.
        {
            FermeBoite boite;
            ouvre_aide(chemin.toStdString(), nullptr);
            QCOMPARE(boite.vues, 1);
            QCOMPARE(boite.texte, QStringLiteral("Le fichier d'aide est introuvable !"));
            QCOMPARE(boite.titre, QStringLiteral("Trelmo"));
            QCOMPARE(boite.boutons, 1);
        }
        QVERIFY(ouverts.isEmpty());
        // A folder of that name is no help file either.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("doc.chm")));
        {
            FermeBoite boite;
            ouvre_aide(chemin.toStdString(), nullptr);
            QCOMPARE(boite.vues, 1);
        }
        QVERIFY(ouverts.isEmpty());
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("doc.chm")));

        // Present: opened, no message.
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("aide");
        f.close();
        {
            FermeBoite boite;
            ouvre_aide(chemin.toStdString(), nullptr);
            QCOMPARE(boite.vues, 0);
        }
        QCOMPARE(ouverts.size(), 1);
        QCOMPARE(ouverts.at(0), QUrl::fromLocalFile(chemin));

        ouvre_site_web();
        QCOMPARE(ouverts.size(), 2);
        QVERIFY(ouverts.at(1).isValid());
        QVERIFY(ouverts.at(1).scheme().startsWith(QStringLiteral("http")));

        // With the web pages beside it: the CHM when the desktop has a reader
        // for it, the pages otherwise.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("help")));
        QFile page(dir.filePath(QStringLiteral("help/index.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html></html>");
        page.close();
        QCOMPARE(chemin_aide_html(chemin.toStdString()), page.fileName());
        const QUrl chm = QUrl::fromLocalFile(chemin), html = QUrl::fromLocalFile(page.fileName());
        int questions = 0;
        bool lecteur = true;
        definir_requete_lecteur_chm([&](const QString& c, std::function<void(bool)> reponse) {
            ++questions;
            QCOMPARE(c, chemin);
            reponse(lecteur);
        });
        ouverts.clear();
        ouvre_aide(chemin.toStdString(), nullptr);
        lecteur = false;
        ouvre_aide(chemin.toStdString(), nullptr);
        QCOMPARE(ouverts, (QList<QUrl>{chm, html}));
        QCOMPARE(questions, 2);
        // The pages alone (no CHM compiler at build time): opened, no question.
        QVERIFY(QFile::rename(chemin, chemin + QStringLiteral(".ailleurs")));
        {
            FermeBoite boite;
            ouvre_aide(chemin.toStdString(), nullptr);
            QCOMPARE(boite.vues, 0);
        }
        QCOMPARE(ouverts, (QList<QUrl>{chm, html, html}));
        QCOMPARE(questions, 2);
        QVERIFY(QFile::rename(chemin + QStringLiteral(".ailleurs"), chemin));

        // The desktop's own answer, from a stand-in xdg-mime first on PATH:
        // never waited for in the call, and the CHM only with a reader for
        // the type xdg-mime gives the file (its usual type when it cannot tell).
        definir_requete_lecteur_chm({});
        QTemporaryDir outils;
        QFile faux(outils.filePath(QStringLiteral("xdg-mime")));
        QVERIFY(faux.open(QIODevice::WriteOnly));
        faux.write("#!/bin/sh\n"
                   "[ \"$2\" = filetype ] && { printf '%s' \"$ESSAI_TYPE\"; exit 0; }\n"
                   "[ \"$2 $3\" = 'default application/vnd.ms-htmlhelp' ] && printf '%s\\n' \"$ESSAI_LECTEUR\"\n"
                   "exit 0\n");
        faux.close();
        QVERIFY(faux.setPermissions(faux.permissions() | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        struct Cas { const char* chemins; const char* type; const char* lecteur; bool attendu; };
        const Cas cas[] = {
            {"faux", "application/vnd.ms-htmlhelp", "xchm.desktop", true},
            {"faux", "", "xchm.desktop", true},
            {"faux", "application/x-chm", "xchm.desktop", false},
            {"faux", "application/vnd.ms-htmlhelp", "", false},
            {"vide", "", "", false},
        };
        for (const Cas& c : cas) {
            qputenv("PATH", qstrcmp(c.chemins, "faux") == 0 ? outils.path().toLocal8Bit() + ":" + path
                                                           : outils.filePath(QStringLiteral("rien")).toLocal8Bit());
            qputenv("ESSAI_TYPE", c.type);
            qputenv("ESSAI_LECTEUR", c.lecteur);
            int reponses = 0;
            bool oui = !c.attendu;
            demander_lecteur_chm(chemin, [&](bool r) { ++reponses; oui = r; });
            QCOMPARE(reponses, 0);
            QTRY_COMPARE(reponses, 1);
            QCOMPARE(oui, c.attendu);
        }
        // The whole road: the click returns at once, the pages open later.
        ouverts.clear();
        ouvre_aide(chemin.toStdString(), nullptr);
        QVERIFY(ouverts.isEmpty());
        QTRY_COMPARE(ouverts, QList<QUrl>{html});
        qputenv("PATH", path);
        qunsetenv("ESSAI_TYPE");
        qunsetenv("ESSAI_LECTEUR");
        definir_ouvreur({});
    }

    void splash()
    {
        TSplashForm s;
        QCOMPARE(s.size(), QSize(252, 125));
        QVERIFY(s.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(s.barre()->geometry(), QRect(30, 91, 191, 15));
        QCOMPARE(s.credit()->geometry(), QRect(31, 56, 188, 16));
        QCOMPARE(s.credit()->shadowColor(), QColor(0xDF, 0xDF, 0xDF));
        QVERIFY(!s.credit()->text().isEmpty());
        // The credit line speaks the interface language, asked of the system
        // when not given, and fits its one line.
        const QString credits[] = {QStringLiteral("Le solitaire à billes classique"),
                                   QStringLiteral("The classic marble solitaire"),
                                   QStringLiteral("Das klassische Kugel-Solitär")};
        for (int32_t l = 0; l < 3; ++l) {
            TSplashForm traduit(nullptr, l);
            QCOMPARE(traduit.credit()->text(), credits[l]);
            QVERIFY(QFontMetrics(traduit.credit()->font()).horizontalAdvance(credits[l]) <= 188);
        }
        // An index without a catalogue reads English, as every other text.
        QCOMPARE(TSplashForm::texte_credit(int32_t(codes_langues().size())), credits[1]);
        const QByteArray lang = qgetenv("LANG"), lc_all = qgetenv("LC_ALL"), lc_messages = qgetenv("LC_MESSAGES");
        const QByteArray language = qgetenv("LANGUAGE");
        qunsetenv("LANGUAGE");
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", "de_AT.UTF-8");
        QCOMPARE(TSplashForm().credit()->text(), credits[2]);
        qputenv("LANG", "pt_BR.UTF-8");
        QCOMPARE(TSplashForm().credit()->text(), QStringLiteral("O clássico resta um com bolinhas"));
        qputenv("LANG", "sv_SE.UTF-8");
        QCOMPARE(TSplashForm().credit()->text(), credits[1]);
        const std::pair<const char*, QByteArray> remettre[] = {
            {"LANG", lang}, {"LC_ALL", lc_all}, {"LC_MESSAGES", lc_messages}, {"LANGUAGE", language}};
        for (const auto& [nom, valeur] : remettre) {
            if (valeur.isNull())
                qunsetenv(nom);
            else
                qputenv(nom, valeur);
        }
        QCOMPARE(s.Image1()->pos(), QPoint(24, 10));
        QCOMPARE(s.barre()->minimum(), 0);
        QCOMPARE(s.barre()->value(), 0);

        montrer(s);
        s.barre()->setMaximum(6);
        const char* attendus[] = {"0%", "16%", "33%", "50%", "66%", "83%", "100%"};
        for (int i = 0; i <= 6; ++i) {
            s.setProgression(i);
            QCOMPARE(s.barre()->text(), QString::fromLatin1(attendus[i]));
        }
        s.setProgression(9);   // clamped
        QCOMPARE(s.barre()->value(), 6);
        s.setProgression(-3);
        QCOMPARE(s.barre()->value(), 0);
        s.close();
    }
};

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
