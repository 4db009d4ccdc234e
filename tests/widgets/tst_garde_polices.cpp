// The error guard and its text rule, and the font families the windows ask for
// (offscreen).
#include "widgets/garde.h"
#include "widgets/polices.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <stdexcept>
#include <string>
#include <vector>

using namespace trelmo;

namespace {

std::vector<std::string> vus;
void noter(const std::string& texte) { vus.push_back(texte); }

} // namespace

class TstGardePolices : public QObject {
    Q_OBJECT
private slots:
    void regleDuPoint()
    {
        // A "." only after a character that sorts after it.
        QCOMPARE(texte_erreur("Fichier introuvable"), std::string("Fichier introuvable."));
        QCOMPARE(texte_erreur("Erreur E/S 103"), std::string("Erreur E/S 103."));
        QCOMPARE(texte_erreur("Fin."), std::string("Fin."));
        QCOMPARE(texte_erreur("Quoi ?!"), std::string("Quoi ?!"));    // '!' < '.'
        QCOMPARE(texte_erreur("a-"), std::string("a-"));              // '-' < '.'
        QCOMPARE(texte_erreur("a/"), std::string("a/."));             // '/' > '.'
        QCOMPARE(texte_erreur("Donnée \xC3\xA9"), std::string("Donnée \xC3\xA9."));   // non-ASCII
        QCOMPARE(texte_erreur(""), std::string(""));
    }

    void garde_()
    {
        afficheur_erreur() = &noter;
        vus.clear();
        QVERIFY(garde([] {}));
        QVERIFY(vus.empty());
        // Any standard exception: the guard needs no exception type of the game.
        QVERIFY(!garde([] { throw std::runtime_error("Lecture au-delà de la fin de fichier"); }));
        QVERIFY(!garde([] { throw std::out_of_range("Indice 3"); }));
        QVERIFY(!garde([] { throw 42; }));
        const std::vector<std::string> attendus = {"Lecture au-delà de la fin de fichier.", "Indice 3.",
                                                   "Erreur inconnue."};
        QCOMPARE(vus, attendus);
        afficheur_erreur() = nullptr;

        // The real box: titled Trelmo, error icon, one "OK" button; the
        // program goes on once it is closed.
        int vues = 0;
        QString titre, texte, bouton;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        int nb_boutons = 0;
        QTimer veilleur;
        connect(&veilleur, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++vues;
            titre = box->windowTitle();
            texte = box->text();
            icone = box->icon();
            nb_boutons = static_cast<int>(box->buttons().size());
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                bouton = ok->text();
                ok->click();
            } else {
                box->reject();
            }
        });
        veilleur.start(20);
        QVERIFY(!garde([] { throw std::runtime_error("Disque plein"); }));
        veilleur.stop();
        QCOMPARE(vues, 1);
        QCOMPARE(titre, QStringLiteral("Trelmo"));
        QCOMPARE(texte, QStringLiteral("Disque plein."));
        QCOMPARE(icone, QMessageBox::Critical);
        QCOMPARE(nb_boutons, 1);
        QCOMPARE(bouton, QStringLiteral("OK"));
    }

    void polices()
    {
        // The families the layouts name; fontconfig finds the installed match.
        struct Cas { QFont police; const char* famille; int pixels; bool gras; QFont::StyleHint style; };
        const Cas cas[] = {
            {police_verdana(17, true), "Verdana", 17, true, QFont::SansSerif},
            {police_arial(37), "Arial", 37, false, QFont::SansSerif},
            {police_times(points_en_pixels(50), true), "Times New Roman", 67, true, QFont::Serif},
            {police_ms_sans_serif(), "MS Sans Serif", 11, false, QFont::SansSerif},
        };
        for (const Cas& c : cas) {
            // Asked by its layout name, each family is drawn with the face
            // the toolkit itself would pick for that name.
            QFont nomme{QString::fromLatin1(c.famille)};
            nomme.setStyleHint(c.style);
            QCOMPARE(c.police.family(), famille_installee(QString::fromLatin1(c.famille), c.style));
            QCOMPARE(QFontInfo(c.police).family(), QFontInfo(nomme).family());
            QCOMPARE(c.police.pixelSize(), c.pixels);
            QCOMPARE(c.police.bold(), c.gras);
            QCOMPARE(c.police.styleHint(), c.style);
            QVERIFY2(!QFontInfo(c.police).family().isEmpty(), c.famille);
        }
        QCOMPARE(police_arial(0).pixelSize(), 1);
        // An installed family is kept as it is named.
        QCOMPARE(famille_installee(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
        // Times New Roman stays a serif face wherever it is missing: its
        // match is not the sans-serif one of Arial.
        QVERIFY(QFontInfo(police_times(20)).family() != QFontInfo(police_arial(20)).family());
    }
};

QTEST_MAIN(TstGardePolices)
#include "tst_garde_polices.moc"
