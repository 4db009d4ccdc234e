// The player's files: the kept game and the list of the player's problems,
// written whole, read back, and a damaged one set aside.
#include "storage/mes_problemes.h"
#include "storage/reprise.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace trelmo;

class TstFichiersJoueur : public QObject {
    Q_OBJECT
    static void ecrire(const QString& chemin, const QByteArray& octets)
    {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
private slots:
    void mes_problemes_garder_renommer_supprimer()
    {
        QTemporaryDir d;
        const std::string rep = d.path().toStdString() + "/";
        {
            MesProblemes m(rep);
            QCOMPARE(m.charger(), MesProblemes::Etat::absent);
            QCOMPARE(m.ajouter({"", 1, 0x1F, 25, "Cross\tone"}), 0);
            QCOMPARE(m.ajouter({"", 3, 0xABCDEF, 0, "Ünïcode ✓"}), 0);
            QCOMPARE(m.renommer("m1", "Cross"), 0);
        }
        MesProblemes m(rep);
        QCOMPARE(m.charger(), MesProblemes::Etat::bon);
        QCOMPARE(m.liste().size(), size_t(2));
        QCOMPARE(QString::fromStdString(m.liste()[0].nom), QStringLiteral("Cross"));
        QCOMPARE(m.liste()[0].cible, 25);
        QCOMPARE(m.liste()[1].billes, std::uint64_t{0xABCDEF});
        QCOMPARE(QString::fromStdString(m.liste()[1].nom), QStringLiteral("Ünïcode ✓"));
        QCOMPARE(m.supprimer("m1"), 0);
        // A deleted problem's id is not given again.
        QCOMPARE(m.ajouter({"", 2, 1, 0, "New"}), 0);
        QCOMPARE(QString::fromStdString(m.liste().back().id), QStringLiteral("m3"));
        MesProblemes relu(rep);
        QCOMPARE(relu.charger(), MesProblemes::Etat::bon);
        QCOMPARE(relu.liste().size(), size_t(2));
        QVERIFY(!relu.trouver("m1"));
    }

    void mes_problemes_endommages()
    {
        QTemporaryDir d;
        const std::string rep = d.path().toStdString() + "/";
        ecrire(d.filePath(QStringLiteral("mes_problemes.txt")), "trelmo-mes-problemes 1\nm1\t7\tzz\t0\tBad\n");
        MesProblemes m(rep);
        QCOMPARE(m.charger(), MesProblemes::Etat::mis_de_cote);
        QVERIFY(m.liste().empty());
        QVERIFY(QFile::exists(d.filePath(QStringLiteral("mes_problemes.txt.endommage"))));
        QVERIFY(!QFile::exists(d.filePath(QStringLiteral("mes_problemes.txt"))));
        // Told once: the next start finds no file.
        MesProblemes encore(rep);
        QCOMPARE(encore.charger(), MesProblemes::Etat::absent);
    }

    void partie_gardee_endommagee()
    {
        QTemporaryDir d;
        FichierReprise f(d.path().toStdString() + "/");
        PartieGardee p;
        QCOMPARE(f.lire(p), FichierReprise::Etat::absente);
        ecrire(d.filePath(QStringLiteral("partie_en_cours.txt")), QByteArray(300 * 1024, 'x'));
        QCOMPARE(f.lire(p), FichierReprise::Etat::endommagee);
        QVERIFY(!f.presente());
        QVERIFY(QFile::exists(d.filePath(QStringLiteral("partie_en_cours.txt.endommage"))));
        // A directory in its place is refused and set aside too, never followed.
        QVERIFY(QDir(d.path()).mkdir(QStringLiteral("partie_en_cours.txt")));
        QCOMPARE(f.lire(p), FichierReprise::Etat::endommagee);
        QVERIFY(QFileInfo(d.filePath(QStringLiteral("partie_en_cours.txt.endommage2"))).isDir());
    }
};

QTEST_APPLESS_MAIN(TstFichiersJoueur)
#include "tst_fichiers_joueur.moc"
