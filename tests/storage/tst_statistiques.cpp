// Playing statistics: the counting rules through starts, stops, restores and
// ends; the file, its damaged forms and its atomic rewrite.
#include "fichiers_essai.h"

#include "storage/statistiques.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cctype>
#include <sys/stat.h>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

void joue(Statistiques& s, int sauts, int billes, int secondes, bool gagnee)
{
    for (int i = 0; i < sauts; ++i)
        s.saut();
    s.fin(billes, secondes, gagnee);
}

std::string resume(const StatsJeu& j)
{
    return std::to_string(j.commencees) + "/" + std::to_string(j.terminees) + "/" + std::to_string(j.gagnees)
           + " moins " + std::to_string(j.moins_de_billes) + " temps " + std::to_string(j.meilleur_temps) + " total "
           + std::to_string(j.total_billes) + " serie " + std::to_string(j.serie) + "/"
           + std::to_string(j.meilleure_serie) + " indices " + std::to_string(j.indices);
}

QJsonObject json(const std::string& chemin)
{
    return QJsonDocument::fromJson(contenu(chemin)).object();
}

} // namespace

class TestStatistiques : public QObject {
    Q_OBJECT

private slots:
    void comptage();
    void allerRetourEtClesInconnues();
    void fichierEndommage();
    void ecritureAtomique();
    void deuxCopies();
    void liensTubesEtTaille();
    void messagesDEcriture();
};

void TestStatistiques::comptage()
{
    Statistiques s("/nulle/part/statistiques.json");
    const std::string a = kCleAnglais;

    // No jump: nothing counts, not a hint, a stop or an end either.
    s.nouvelle_partie(a);
    s.indice();
    s.fin(32, 5, false);
    s.arret();
    s.partie_restauree(a);
    s.nouvelle_partie(a);
    QVERIFY(s.tout().empty());

    // A win: the hint before the first jump counts, the one after the end,
    // a second end and a stop after it do not.
    s.indice();
    joue(s, 3, 1, 300, true);
    s.indice();
    s.fin(1, 10, true);
    s.arret();
    QCOMPARE(resume(s.stats(a)), std::string("1/1/1 moins 1 temps 300 total 1 serie 1/1 indices 1"));

    // A faster win extends the run; a started game replaced by another breaks it.
    s.nouvelle_partie(a);
    joue(s, 1, 1, 200, true);
    s.nouvelle_partie(a);
    s.saut();
    s.nouvelle_partie(a);
    QCOMPARE(resume(s.stats(a)), std::string("3/2/2 moins 1 temps 200 total 2 serie 0/2 indices 1"));

    // A restored game is a new game: it replaces (and breaks) the one on the
    // board and counts at its first jump.
    joue(s, 1, 1, 90, true);
    s.nouvelle_partie(a);
    s.saut();
    s.partie_restauree(kCleFrancais);
    QCOMPARE(s.stats(a).serie, 0);
    QVERIFY(!s.tout().contains(kCleFrancais));
    joue(s, 2, 4, 50, false);
    QCOMPARE(resume(s.stats(kCleFrancais)), std::string("1/1/0 moins 4 temps -1 total 4 serie 0/0 indices 0"));

    // A loss ends the run, a stop after a jump too.
    s.nouvelle_partie(a);
    joue(s, 1, 1, 100, true);
    s.nouvelle_partie(a);
    joue(s, 1, 6, 100, false);
    QCOMPARE(s.stats(a).serie, 0);
    s.nouvelle_partie(a);
    joue(s, 1, 1, 100, true);
    s.nouvelle_partie(a);
    s.saut();
    s.arret();
    const StatsJeu fin = s.stats(a);
    QCOMPARE(resume(fin), std::string("9/6/5 moins 1 temps 90 total 11 serie 0/2 indices 1"));
    QCOMPARE(fin.resultats, (std::map<int, int>{{1, 5}, {6, 1}}));
    QCOMPARE(fin.moyenne(), 11.0 / 6);

    // No game set up, or a result no game can give: nothing is counted.
    s.saut();
    s.fin(1, 1, true);
    s.nouvelle_partie(kCleMission);
    joue(s, 1, -3, 10, false);
    QCOMPARE(s.stats(kCleMission).terminees, 0);
}

void TestStatistiques::allerRetourEtClesInconnues()
{
    // Keys of a later version, at the top and in a game, survive a rewrite.
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    QVERIFY(ecrit(chemin, R"({"version": 1, "theme": "sombre", "jeux": {"anglais": {"commencees": 2, "couleur": "bleu"}}})"));
    Statistiques s(chemin);
    QCOMPARE(s.charger(0), std::string());
    s.nouvelle_partie(kCleAnglais);
    joue(s, 1, 2, 61, false);
    QVERIFY(s.enregistrer());
    const QJsonObject o = json(chemin), anglais = o.value("jeux").toObject().value("anglais").toObject();
    QCOMPARE(o.value("theme").toString() + anglais.value("couleur").toString(), QStringLiteral("sombrebleu"));
    QCOMPARE(anglais.value("commencees").toInt(), 3);
    Statistiques relu(chemin);
    QCOMPARE(relu.charger(2), std::string());
    QCOMPARE(relu.tout(), s.tout());
}

void TestStatistiques::fichierEndommage()
{
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    const std::vector<QByteArray> abimes = {
        "pas du JSON",
        R"({"jeux": {}})",   // no version
        R"({"version": 1, "jeux": []})",
        R"({"version": 1, "jeux": {"anglais": {"commencees": -1}}})",
        R"({"version": 1, "jeux": {"anglais": {"commencees": 1.5}}})",
        R"({"version": 1, "jeux": {"anglais": {"indices": "2"}}})",
        R"({"version": 1, "jeux": {"anglais": {"commencees": 1, "terminees": 2}}})",
        R"({"version": 1, "jeux": {"anglais": {"resultats": {"-1": 1}}}})",
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
                                           "“statistiques.json.endommage9” and the statistics start afresh."));
        // A fresh file works at once.
        s.nouvelle_partie(kCleFrancais);
        joue(s, 1, 2, 3, false);
        QVERIFY(s.enregistrer());
        Statistiques relu(chemin);
        QCOMPARE(relu.charger(0), std::string());
        QCOMPARE(relu.stats(kCleFrancais).terminees, 1);
    }
    // A later version's file is neither set aside nor overwritten.
    const QByteArray futur = R"({"version": 2, "jeux": {"anglais": {"commencees": "beaucoup"}}})";
    QVERIFY(ecrit(chemin, futur));
    Statistiques s(chemin);
    QVERIFY(s.charger(0).find("version plus récente") != std::string::npos);
    QVERIFY(!s.enregistrer());
    QCOMPARE(contenu(chemin), futur);
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

void TestStatistiques::deuxCopies()
{
    // Two copies of the game on one file: each adds its own games to what
    // the file holds when it writes, whatever the order.
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    QVERIFY(ecrit(chemin, R"({"version": 1, "jeux": {"anglais": {"commencees": 10, "terminees": 10, "gagnees": 2, )"
                          R"("moins_de_billes": 1, "meilleur_temps": 300, "total_billes": 30, "meilleure_serie": 1, )"
                          R"("resultats": {"1": 2, "3": 8}}}})"));
    // a, b: a copy loads the file and plays a game (a wins, b loses); A, B: it writes.
    const QByteArray depart = contenu(chemin);
    for (const std::string ordre : {"aAbBAB", "aAbBBA", "abABAB", "abBAAB", "abABBA"}) {
        Statistiques a(chemin), b(chemin);
        for (const char c : ordre) {
            Statistiques& s = std::tolower(c) == 'a' ? a : b;
            if (std::islower(c)) {
                QCOMPARE(s.charger(0), std::string());
                s.nouvelle_partie(kCleAnglais);
                joue(s, 1, c == 'a' ? 1 : 4, c == 'a' ? 200 : 50, c == 'a');
            } else {
                QVERIFY(s.enregistrer());   // a copy writes at each end, and once more: nothing twice
            }
        }
        Statistiques relu(chemin);
        QCOMPARE(relu.charger(0), std::string());
        const StatsJeu j = relu.stats(kCleAnglais);
        QVERIFY2(resume(j) == "12/12/3 moins 1 temps 200 total 35 serie 0/1 indices 0" ||
                     resume(j) == "12/12/3 moins 1 temps 200 total 35 serie 1/1 indices 0",
                 (ordre + ": " + resume(j)).c_str());
        QCOMPARE(j.resultats, (std::map<int, int>{{1, 3}, {3, 8}, {4, 1}}));
        QVERIFY(ecrit(chemin, depart));
    }

    // The copy that writes last sees the other's games, and keys another
    // version added meanwhile.
    Statistiques a(chemin), b(chemin);
    a.charger(0);
    b.charger(0);
    b.nouvelle_partie(kCleFrancais);
    joue(b, 1, 2, 10, false);
    QVERIFY(b.enregistrer());
    QJsonObject o = json(chemin);
    o.insert(QStringLiteral("theme"), QStringLiteral("sombre"));
    QVERIFY(ecrit(chemin, QJsonDocument(o).toJson()));
    a.nouvelle_partie(kCleAnglais);
    joue(a, 1, 1, 20, true);
    QVERIFY(a.enregistrer());
    QCOMPARE(a.stats(kCleFrancais).terminees, 1);
    QCOMPARE(a.stats(kCleAnglais).meilleur_temps, 20);
    QCOMPARE(json(chemin).value("theme").toString(), QStringLiteral("sombre"));
}

void TestStatistiques::liensTubesEtTaille()
{
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    const QString q_chemin = QString::fromStdString(chemin);

    // A link planted in the file's place is read, then replaced: the file it
    // names stays as it was.
    const QString cible = dir.filePath(QStringLiteral("ailleurs.json"));
    const QByteArray ailleurs = R"({"version": 1, "jeux": {"anglais": {"commencees": 4}}})";
    QVERIFY(ecrit(cible.toStdString(), ailleurs));
    QVERIFY(QFile::link(cible, q_chemin));
    {
        Statistiques s(chemin);
        QCOMPARE(s.charger(0), std::string());
        s.nouvelle_partie(kCleAnglais);
        s.saut();
        QVERIFY(s.enregistrer());
        QCOMPARE(contenu(cible.toStdString()), ailleurs);
        QVERIFY(!QFileInfo(q_chemin).isSymLink());
        QCOMPARE(json(chemin).value("jeux").toObject().value("anglais").toObject().value("commencees").toInt(), 5);
    }

    // A pipe, a device or a file too large to be statistics: set aside at
    // once, never waited on nor read whole; also when it appears between
    // the read and the write.
    for (const int etape : {0, 1}) {
        for (const char* quoi : {"tube", "/dev/zero", "grand"}) {
            QVERIFY(QFile::remove(q_chemin));
            Statistiques s(chemin);
            if (etape == 1)
                QCOMPARE(s.charger(0), std::string());
            if (quoi == std::string("tube"))
                QVERIFY(::mkfifo(chemin.c_str(), 0600) == 0);
            else if (quoi == std::string("grand"))
                QVERIFY(ecrit(chemin, R"({"version": 1, "jeux": {}})" + QByteArray(5 * 1024 * 1024, ' ')));
            else
                QVERIFY(QFile::link(QString::fromLatin1(quoi), q_chemin));
            if (etape == 0)
                QVERIFY(s.charger(1).find("has been set aside as “statistiques.json.endommage") != std::string::npos);
            s.nouvelle_partie(kCleMission);
            joue(s, 1, 3, 9, false);
            QVERIFY(s.enregistrer());
            Statistiques relu(chemin);
            QCOMPARE(relu.charger(0), std::string());
            QCOMPARE(relu.stats(kCleMission).terminees, 1);
        }
    }
}

void TestStatistiques::messagesDEcriture()
{
    // A write that fails is told in the game's own words, in the interface
    // language, naming the file; the counts wait for the next write.
    QTemporaryDir dir;
    const std::string chemin = dir.filePath(QStringLiteral("statistiques.json")).toStdString();
    const std::vector<std::string> attendus = {
        "Le fichier des statistiques « " + chemin + " » ne peut pas être écrit (Disque plein) : les statistiques de "
        "cette session ne seront pas gardées.",
        "The statistics file “" + chemin + "” cannot be written (disk full): the statistics of this session will "
        "not be kept.",
        "Die Statistikdatei „" + chemin + "“ kann nicht geschrieben werden (Datenträger voll): Die Statistik dieser "
        "Sitzung wird nicht gespeichert.",
    };
    for (int langue = 0; langue < 3; ++langue) {
        Statistiques s(chemin);
        QCOMPARE(s.charger(langue), std::string());
        s.nouvelle_partie(kCleAnglais);
        joue(s, 1, 1, 1, true);
        const auto sortie = dans_un_enfant({.taille_max = 10}, [&] {
            std::string raison;
            return std::string(s.enregistrer(&raison) ? "ok" : "") + raison;
        });
        QCOMPARE(sortie, std::optional<std::string>(attendus[static_cast<size_t>(langue)]));
        QVERIFY(s.enregistrer());
        QVERIFY(s.enregistrer());
        Statistiques relu(chemin);
        relu.charger(0);
        QCOMPARE(relu.stats(kCleAnglais).gagnees, langue + 1);
    }
    // A file of a later version: told once, at the read; the write says no more.
    QVERIFY(ecrit(chemin, R"({"version": 9})"));
    Statistiques s(chemin);
    QVERIFY(!s.charger(0).empty());
    std::string raison = "?";
    QVERIFY(!s.enregistrer(&raison));
    QCOMPARE(raison, std::string());
}

QTEST_GUILESS_MAIN(TestStatistiques)
#include "tst_statistiques.moc"
