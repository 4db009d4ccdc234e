// The interface languages and the choice of one from the locale.
#include "dialogs/langue.h"
#include "game/textes.h"

#include <QtTest>

#include <cstdlib>
#include <functional>
#include <vector>

using namespace trelmo;

namespace {

struct Entree {
    const char* nom;
    std::function<const std::string&(const Textes&)> lire;
};

std::vector<Entree> entrees()
{
#define E(champ) Entree{#champ, [](const Textes& t) -> const std::string& { return t.champ; }}
    return {E(texture_plateau), E(texture_bille), E(infos), E(aide), E(charger), E(sauver), E(scores),
            E(quitter), E(hint_texture_plateau), E(hint_texture_bille), E(hint_infos), E(hint_aide),
            E(hint_charger), E(hint_sauver), E(hint_scores), E(hint_quitter), E(gagne), E(termine),
            E(reposer), E(reposer_hint), E(nouvelle), E(nouvelle_hint), E(aucune_partie),
            E(annuler_partie), E(pas_de_partie), E(ecraser_partie), E(mode_titre), E(mode_m1),
            E(mode_m2), E(mode_m3), E(nom_titre), E(nom_bravo), E(nom_t1), E(nom_t2), E(score_titre),
            E(score_joueur), E(score_bille), E(score_duree)};
#undef E
}

// Sets or removes one environment variable for the life of the object.
class Env {
public:
    Env(const char* nom, const char* valeur) : nom_(nom)
    {
        if (const char* v = std::getenv(nom)) { ancien_ = v; avait_ = true; }
        if (valeur) setenv(nom, valeur, 1); else unsetenv(nom);
    }
    ~Env() { if (avait_) setenv(nom_, ancien_.c_str(), 1); else unsetenv(nom_); }
private:
    const char* nom_;
    std::string ancien_;
    bool avait_ = false;
};

} // namespace

class TstTextes : public QObject {
    Q_OBJECT
private slots:
    void chaqueEntreeExisteDansChaqueLangue()
    {
        for (const Entree& e : entrees()) {
            for (int32_t langue : {FRANCAIS, ANGLAIS, ALLEMAND}) {
                const std::string& v = e.lire(textes(langue));
                const bool vide_attendu = (std::string(e.nom) == "mode_m2" && langue != FRANCAIS)
                    || (std::string(e.nom) == "hint_quitter" && langue == ALLEMAND);
                QVERIFY2(v.empty() == vide_attendu, (std::string(e.nom) + " in language " + std::to_string(langue)).c_str());
                QVERIFY2(QString::fromUtf8(v.data(), qsizetype(v.size())).toUtf8().toStdString() == v, e.nom);
            }
        }
        // Every entry differs between French and English except the few that are the same words.
        int identiques = 0;
        for (const Entree& e : entrees())
            identiques += e.lire(textes(FRANCAIS)) == e.lire(textes(ANGLAIS));
        QCOMPARE(identiques, 1);   // "Scores"
    }

    void textesExacts()
    {
        const Textes& fr = textes(FRANCAIS);
        const Textes& en = textes(ANGLAIS);
        const Textes& de = textes(ALLEMAND);
        QCOMPARE(fr.nouvelle, std::string("Nouvelle\rpartie"));
        QCOMPARE(en.nouvelle, std::string("New\rGame"));
        QCOMPARE(de.nouvelle, std::string("Neue\rPartie"));
        QCOMPARE(fr.termine, std::string("PARTIE\rTERMINEE"));
        QCOMPARE(en.termine, std::string("GAME OVER"));
        QCOMPARE(de.termine, en.termine);
        QCOMPARE(de.gagne, std::string("BEGL\xC3\x9C" "CKW\xC3\x9CNSCHUNG !!"));
        QCOMPARE(de.infos, std::string("\xC3\x9C" "ber"));
        QCOMPARE(en.hint_infos, std::string("About Trelmo"));
        QCOMPARE(de.hint_infos, std::string("\xC3\x9C" "ber Trelmo"));
        QCOMPARE(fr.aucune_partie, std::string("Aucune partie n'a \xC3\xA9t\xC3\xA9 sauvegard\xC3\xA9"));
        QCOMPARE(de.annuler_partie, std::string("Soll die laufende Partie abgebrochen werden ?"));
        QCOMPARE(de.ecraser_partie, std::string("Soll diese Partie gespeichert Werden ?"));
        QCOMPARE(fr.mode_m2, std::string("Fran\xC3\xA7" "ais (37 billes)"));
        QCOMPARE(en.mode_m1, std::string("traditional (33 balls)"));
        QCOMPARE(de.mode_m3, std::string("Genie (44 Kugeln)"));
        QCOMPARE(de.nom_t2, std::string("Geben Sie Ihren Namen an"));
        QCOMPARE(fr.score_duree, std::string("Dur\xC3\xA9" "e"));
        QCOMPARE(en.score_bille, std::string("balls"));
        QCOMPARE(fr.taille_boutons, 17);
        QCOMPARE(en.taille_boutons, 17);
        QCOMPARE(de.taille_boutons, 13);
        QCOMPARE(fr.nom_bravo_points, 18);
        QCOMPARE(en.nom_bravo_points, 18);
        QCOMPARE(de.nom_bravo_points, 16);
        QCOMPARE(std::string(kNomProduit), std::string("TRELMO 3.01"));
        // Outside the catalogues: English.
        QCOMPARE(&textes(-1), &en);
        QCOMPARE(&textes(int32_t(codes_langues().size())), &en);
        QCOMPARE(&textes(INT32_MIN), &en);
    }

    void codesDeLangue()
    {
        QCOMPARE(code_langue("DE"), 2);
        QCOMPARE(code_langue("ES"), 5);
        QCOMPARE(code_langue("FR"), 3);
        QCOMPARE(code_langue("IT"), 4);
        QCOMPARE(code_langue("EN"), 1);
        QCOMPARE(code_langue("fra"), 3);
        QCOMPARE(code_langue("FRA"), 3);
        QCOMPARE(code_langue("deu"), 2);
        QCOMPARE(code_langue("esp"), 5);
        QCOMPARE(code_langue("ita"), 4);
        QCOMPARE(code_langue("F"), 1);
        QCOMPARE(code_langue(""), 1);
        QCOMPARE(code_langue("NLD"), 1);
        QCOMPARE(code_langue("fR"), 3);
        QCOMPARE(code_langue("\xC3\xA9r"), 1);   // only a-z are upper-cased

        QCOMPARE(index_langue("FRA"), int32_t(FRANCAIS));
        QCOMPARE(index_langue("fra"), int32_t(FRANCAIS));
        QCOMPARE(index_langue("DEU"), int32_t(ALLEMAND));
        for (const char* a : {"ENU", "ENG", "ESP", "ITA", "NLD", "", "F", "es", "it"})
            QVERIFY2(index_langue(a) == ANGLAIS, a);
        QCOMPARE(langue_du_code(3), int32_t(FRANCAIS));
        QCOMPARE(langue_du_code(2), int32_t(ALLEMAND));
        QCOMPARE(langue_du_code(5), int32_t(ANGLAIS));
        QCOMPARE(langue_du_code(0), int32_t(ANGLAIS));
    }

    void localesInhabituelles()
    {
        QCOMPARE(abreviation_locale("fr_FR.UTF-8"), std::string("fr"));
        QCOMPARE(abreviation_locale("de_AT"), std::string("de"));
        QCOMPARE(abreviation_locale("de_DE@euro"), std::string("de"));
        QCOMPARE(abreviation_locale("C"), std::string());
        QCOMPARE(abreviation_locale("C.UTF-8"), std::string());
        QCOMPARE(abreviation_locale("POSIX"), std::string());
        QCOMPARE(abreviation_locale(""), std::string());
        QCOMPARE(abreviation_locale("fra"), std::string("fra"));
        QCOMPARE(abreviation_locale("FR"), std::string("FR"));

        struct Cas { const char* locale; int32_t langue; };
        const int32_t italien = langue_du_locale("it"), neerlandais = langue_du_locale("nl");
        QVERIFY(italien > ALLEMAND && neerlandais > ALLEMAND && italien != neerlandais);
        const Cas cas[] = {{"C", ANGLAIS},      {"POSIX", ANGLAIS}, {"it_IT.UTF-8", italien},
                           {"nl_NL", neerlandais},  {"f", ANGLAIS},     {"fra", FRANCAIS},
                           {"FR", FRANCAIS},    {"fr_CA", FRANCAIS}, {"de_AT", ALLEMAND},
                           {"de_CH.UTF-8", ALLEMAND}, {"", ANGLAIS}, {"en_GB", ANGLAIS}};
        for (const Cas& c : cas) {
            Env language("LANGUAGE", nullptr);
            Env all("LC_ALL", c.locale);
            Env messages("LC_MESSAGES", "de_DE");   // hidden by a non-empty LC_ALL
            Env lang("LANG", "fr_FR");
            const int32_t attendu = *c.locale ? c.langue : ALLEMAND;   // empty LC_ALL: LC_MESSAGES
            QVERIFY2(langue_systeme() == attendu, c.locale);
        }
    }

    void ordreDesVariables()
    {
        Env language("LANGUAGE", nullptr);
        {
            Env all("LC_ALL", nullptr);
            Env messages("LC_MESSAGES", "");
            Env lang("LANG", "de_DE.UTF-8");
            QCOMPARE(abreviation_systeme(), std::string("de"));
            QCOMPARE(langue_systeme(), int32_t(ALLEMAND));
        }
        {
            Env all("LC_ALL", nullptr);
            Env messages("LC_MESSAGES", "fr_BE");
            Env lang("LANG", "de_DE.UTF-8");
            QCOMPARE(abreviation_systeme(), std::string("fr"));
        }
        {
            Env all("LC_ALL", nullptr);
            Env messages("LC_MESSAGES", nullptr);
            Env lang("LANG", nullptr);
            QCOMPARE(abreviation_systeme(), std::string());
            QCOMPARE(langue_systeme(), int32_t(ANGLAIS));
        }
    }

    void chaqueCatalogueEstUneLangue()
    {
        const std::vector<std::string>& codes = codes_langues();
        const std::vector<std::string> attendus{"fr", "en", "de", "es", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};
        QCOMPARE(codes, attendus);
        struct Cas { const char* locale; const char* code; };
        const Cas cas[] = {{"pt_BR.UTF-8", "pt_BR"}, {"pt_PT", "pt_BR"}, {"pt", "pt_BR"}, {"zh_CN.UTF-8", "zh_CN"},
                           {"zh_TW", "zh_CN"},       {"ja_JP.eucJP", "ja"}, {"ru_UA", "ru"}, {"pl", "pl"},
                           {"es_MX@euro", "es"},     {"ES", "es"},          {"de_AT", "de"}, {"en_US", "en"}};
        for (const Cas& c : cas) {
            const int32_t l = langue_du_locale(c.locale);
            QVERIFY2(l >= 0 && codes[static_cast<std::size_t>(l)] == c.code, c.locale);
        }
        for (const char* rien : {"", "C", "POSIX", "sv_SE", "f", "fra"})
            QVERIFY2(langue_du_locale(rien) == -1, rien);
    }

    void listeLanguage()
    {
        // LANGUAGE comes first, its first entry with a catalogue wins...
        Env all("LC_ALL", nullptr);
        Env messages("LC_MESSAGES", nullptr);
        Env lang("LANG", "fr_FR.UTF-8");
        {
            Env language("LANGUAGE", "sv:ru_RU:de");
            QCOMPARE(codes_langues()[static_cast<std::size_t>(langue_systeme())], std::string("ru"));
        }
        {
            Env language("LANGUAGE", "sv:eo");   // ... none: the locale
            QCOMPARE(langue_systeme(), int32_t(FRANCAIS));
        }
        {
            Env language("LANGUAGE", "");
            QCOMPARE(langue_systeme(), int32_t(FRANCAIS));
        }
        {
            // ... but under the C locale LANGUAGE is not heeded.
            Env c("LANG", "C");
            Env language("LANGUAGE", "de");
            QCOMPARE(langue_systeme(), int32_t(ANGLAIS));
        }
        {
            Env language("LANGUAGE", nullptr);
            Env zh("LANG", "zh_CN.UTF-8");
            QCOMPARE(codes_langues()[static_cast<std::size_t>(langue_systeme())], std::string("zh_CN"));
        }
    }
};

QTEST_GUILESS_MAIN(TstTextes)
#include "tst_textes.moc"
