// Playing statistics: the counting rules through starts, stops, restores and
// ends; the file, its damaged forms and its atomic rewrite.
#include "fichiers_essai.h"

#include "storage/statistiques.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

void joue(Statistiques& s, int sauts, int billes, int secondes, bool gagnee)
{
    for (int i = 0; i < sauts; ++i)
        s.saut();
    s.fin(billes, secondes, gagnee);
}

QJsonObject json(const std::string& chemin)
{
    return QJsonDocument::fromJson(contenu(chemin)).object();
}

} // namespace

class TestStatistiques : public QObject {
    Q_OBJECT

private slots:
    void cles();
    void comptage();
    void allerRetourEtClesInconnues();
    void fichierEndommage();
    void versionPlusRecente();
    void ecritureAtomique();
};

void TestStatistiques::cles()
{
    QCOMPARE(cle_plateau(1), std::string("anglais"));
    QCOMPARE(cle_plateau(2), std::string("francais"));
    QCOMPARE(cle_plateau(3), std::string("mission"));
    QCOMPARE(cle_plateau(0), std::string());
    QCOMPARE(cle_plateau(4), std::string());
    QCOMPARE(cle_probleme("croix"), std::string("probleme:croix"));
}

void TestStatistiques::comptage()
{
    Statistiques s("/nulle/part/statistiques.json");
    const std::string a = kCleAnglais;

    // No jump: nothing counts, even a hint, a stop or an end.
    s.nouvelle_partie(a);
    s.indice();
    s.fin(32, 5, false);
    s.arret();
    s.partie_restauree(a);
    s.nouvelle_partie(a);
    QVERIFY(s.tout().empty());

    // A win; hints before and after the first jump; a second end and a stop after it count nothing.
    s.indice();
    joue(s, 3, 1, 300, true);
    s.indice();   // after the end
    s.fin(1, 10, true);
    s.arret();
    StatsJeu e;
    e.commencees = e.terminees = e.gagnees = 1;
    e.moins_de_billes = 1;
    e.meilleur_temps = 300;
    e.total_billes = 1;
    e.serie = e.meilleure_serie = 1;
    e.indices = 1;
    e.resultats = {{1, 1}};
    QCOMPARE(s.stats(a), e);
    QVERIFY(!s.commencee() && s.cle_courante().empty());

    // A faster win extends the run; a started game replaced by another breaks it.
    s.nouvelle_partie(a);
    joue(s, 1, 1, 200, true);
    s.nouvelle_partie(a);
    s.saut();
    QVERIFY(s.commencee());
    s.nouvelle_partie(a);
    QCOMPARE(s.stats(a).serie, 0);
    QCOMPARE(s.stats(a).meilleure_serie, 2);
    QCOMPARE(s.stats(a).meilleur_temps, 200);
    QCOMPARE(s.stats(a).commencees, 3);
    QCOMPARE(s.stats(a).terminees, 2);

    // A restored game is a new game: it replaces (and breaks) the one on the
    // board, counts at its first jump, and its end counts once.
    joue(s, 0, 0, 0, false);   // the fresh game never jumped: nothing
    s.nouvelle_partie(a);
    joue(s, 1, 1, 90, true);
    s.nouvelle_partie(a);
    s.saut();
    s.partie_restauree(kCleFrancais);
    QCOMPARE(s.stats(a).serie, 0);
    QCOMPARE(s.stats(kCleFrancais), StatsJeu{});
    joue(s, 2, 4, 50, false);
    const StatsJeu f = s.stats(kCleFrancais);
    QCOMPARE(f.commencees, 1);
    QCOMPARE(f.terminees, 1);
    QCOMPARE(f.gagnees, 0);
    QCOMPARE(f.moins_de_billes, 4);
    QCOMPARE(f.meilleur_temps, -1);

    // A loss ends the run; a stop after a jump too; results and mean.
    s.nouvelle_partie(a);
    joue(s, 1, 1, 100, true);
    QCOMPARE(s.stats(a).serie, 1);
    s.nouvelle_partie(a);
    joue(s, 1, 6, 100, false);
    QCOMPARE(s.stats(a).serie, 0);
    s.nouvelle_partie(a);
    joue(s, 1, 1, 100, true);
    s.nouvelle_partie(a);
    s.saut();
    s.arret();
    const StatsJeu fin = s.stats(a);
    QCOMPARE(fin.serie, 0);
    QCOMPARE(fin.meilleure_serie, 2);
    QCOMPARE(fin.commencees, 9);
    QCOMPARE(fin.terminees, 6);
    QCOMPARE(fin.gagnees, 5);
    QCOMPARE(fin.meilleur_temps, 90);
    QCOMPARE(fin.resultats, (std::map<int, int>{{1, 5}, {6, 1}}));
    QCOMPARE(fin.moyenne(), 11.0 / 6);

    // A game without a key (no game set up) and a result no game can give count nothing.
    s.saut();
    s.fin(1, 1, true);
    s.nouvelle_partie(kCleMission);
    joue(s, 1, -3, 10, false);
    QCOMPARE(s.stats(kCleMission).commencees, 1);
    QCOMPARE(s.stats(kCleMission).terminees, 0);
}

void TestStatistiques::allerRetourEtClesInconnues()
{
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    // Keys of a later version, at the top and in a game, survive a rewrite.
    QVERIFY(ecrit(chemin, R"({"version": 1, "theme": "sombre",
        "jeux": {"anglais": {"commencees": 2, "terminees": 1, "gagnees": 1, "serie": 1, "meilleure_serie": 1,
                             "couleur": "bleu", "resultats": {"1": 1}},
                 "probleme:croix": {}}})"));
    Statistiques s(chemin);
    QCOMPARE(s.charger(0), std::string());
    QCOMPARE(s.stats("probleme:croix"), StatsJeu{});
    s.nouvelle_partie(kCleAnglais);
    joue(s, 1, 2, 61, false);
    std::string raison;
    QVERIFY(s.enregistrer(&raison));
    const QJsonObject o = json(chemin);
    QCOMPARE(o.value("version").toInt(), 1);
    QCOMPARE(o.value("theme").toString(), QStringLiteral("sombre"));
    const QJsonObject anglais = o.value("jeux").toObject().value("anglais").toObject();
    QCOMPARE(anglais.value("couleur").toString(), QStringLiteral("bleu"));
    QCOMPARE(anglais.value("commencees").toInt(), 3);
    QCOMPARE(anglais.value("resultats").toObject().value("2").toInt(), 1);

    Statistiques relu(chemin);
    QCOMPARE(relu.charger(2), std::string());
    QCOMPARE(relu.tout(), s.tout());
    QCOMPARE(noms(dir.path()), QStringList{QStringLiteral("statistiques.json")});

    // A directory that does not exist: the reason, no exception.
    Statistiques nulle_part("/chemin/qui/n/existe/pas/statistiques.json");
    QCOMPARE(nulle_part.charger(0), std::string());
    QVERIFY(!nulle_part.enregistrer(&raison));
    QVERIFY(!raison.empty());
}

void TestStatistiques::fichierEndommage()
{
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    const std::vector<QByteArray> abimes = {
        "pas du JSON",
        "[1, 2]",
        R"({"jeux": {}})",                                                  // no version
        R"({"version": "1", "jeux": {}})",
        R"({"version": 1, "jeux": []})",
        R"({"version": 1, "jeux": {"anglais": 3}})",
        R"({"version": 1, "jeux": {"anglais": {"commencees": -1}}})",
        R"({"version": 1, "jeux": {"anglais": {"commencees": 1.5}}})",
        R"({"version": 1, "jeux": {"anglais": {"indices": "2"}}})",
        R"({"version": 1, "jeux": {"anglais": {"commencees": 1, "terminees": 2}}})",
        R"({"version": 1, "jeux": {"anglais": {"resultats": {"-1": 1}}}})",
        R"({"version": 1, "jeux": {"anglais": {"resultats": {"01": 1}}}})",
        R"({"version": 1, "jeux": {"anglais": {"meilleur_temps": -2}}})",
    };
    for (size_t i = 0; i < abimes.size(); ++i) {
        QVERIFY(ecrit(chemin, abimes[i]));
        Statistiques s(chemin);
        s.nouvelle_partie(kCleAnglais);   // counts made before the read are dropped with the file
        joue(s, 1, 1, 1, true);
        const std::string nom = "statistiques.json.endommage" + (i == 0 ? std::string() : std::to_string(i + 1));
        const std::string message = s.charger(static_cast<int>(i % 3));
        QVERIFY2(message.find(nom) != std::string::npos, (abimes[i].toStdString() + " -> " + message).c_str());
        QVERIFY(s.tout().empty());
        QVERIFY(!QFile::exists(QString::fromStdString(chemin)));
        QCOMPARE(contenu(dir.filePath(QString::fromStdString(nom)).toStdString()), abimes[i]);
    }
    {
        QVERIFY(ecrit(chemin, "{"));
        Statistiques s(chemin);
        QCOMPARE(s.charger(1), std::string("The statistics file was unreadable or damaged: it has been set aside as "
                                           "“statistiques.json.endommage14” and the statistics start afresh."));
        // A fresh file works at once.
        s.nouvelle_partie(kCleFrancais);
        joue(s, 1, 2, 3, false);
        QVERIFY(s.enregistrer());
        Statistiques relu(chemin);
        QCOMPARE(relu.charger(0), std::string());
        QCOMPARE(relu.stats(kCleFrancais).terminees, 1);
    }
}

void TestStatistiques::versionPlusRecente()
{
    // A file of a later version is neither set aside nor overwritten.
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    const QByteArray futur = R"({"version": 2, "jeux": {"anglais": {"commencees": "beaucoup"}}})";
    QVERIFY(ecrit(chemin, futur));
    Statistiques s(chemin);
    const std::string message = s.charger(0);
    QVERIFY2(message.find("version plus récente") != std::string::npos, message.c_str());
    s.nouvelle_partie(kCleAnglais);
    joue(s, 1, 1, 1, true);
    QVERIFY(!s.enregistrer());
    QCOMPARE(contenu(chemin), futur);
    QCOMPARE(noms(dir.path()), QStringList{QStringLiteral("statistiques.json")});
}

void TestStatistiques::ecritureAtomique()
{
    // A write that stops half-way (file size limit) leaves the old file whole
    // and no temporary file.
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    Statistiques s(chemin);
    s.nouvelle_partie(kCleAnglais);
    joue(s, 1, 1, 1, true);
    QVERIFY(s.enregistrer());
    const QByteArray avant = contenu(chemin);
    for (int i = 0; i < 20; ++i) {
        s.nouvelle_partie(cle_probleme("p" + std::to_string(i)));
        joue(s, 1, 1, 1, true);
    }
    const auto sortie = dans_un_enfant({.taille_max = static_cast<rlim_t>(avant.size())}, [&] {
        std::string raison;
        return std::string(s.enregistrer(&raison) ? "ok" : "refus: ") + raison;
    });
    QVERIFY2(sortie && sortie->rfind("refus: ", 0) == 0, sortie ? sortie->c_str() : "");
    QCOMPARE(contenu(chemin), avant);
    QCOMPARE(noms(dir.path()), QStringList{QStringLiteral("statistiques.json")});
}

QTEST_GUILESS_MAIN(TestStatistiques)
#include "tst_statistiques.moc"
