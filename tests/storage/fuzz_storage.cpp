// Arbitrary bytes as "TRL.CFG", "GAME", "GAME.probleme", "trelmo.ini" and
// "statistiques.json":
// the readers, the restore and store commands and the game played on
// whatever board was restored must neither crash nor read out of bounds,
// and a few properties must hold whatever the bytes. libFuzzer entry point; fuzz_pilote.cpp runs
// it without libFuzzer.
#include "faux_jeu.h"

#include "game/erreur.h"
#include "storage/config.h"
#include "storage/cp1252.h"
#include "storage/entier.h"
#include "storage/ini.h"
#include "storage/partie.h"
#include "storage/statistiques.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

#define VERIFIE(cond)                                                                      \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "%s:%d: propriété fausse: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

std::string g_dossier;

// Removes the files of the directory whose names start with `prefixe`.
void enleve(const std::string& prefixe)
{
    if (DIR* d = ::opendir(g_dossier.c_str())) {
        while (const dirent* e = ::readdir(d))
            if (std::string_view(e->d_name).substr(0, prefixe.size()) == prefixe)
                ::unlink((g_dossier + e->d_name).c_str());
        ::closedir(d);
    }
}

void nettoie()
{
    for (const char* prefixe : {"TRL.CFG", "GAME", "trelmo.ini", "statistiques.json"})
        enleve(prefixe);
    ::rmdir(g_dossier.c_str());
}

const std::string& dossier()
{
    if (g_dossier.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string modele = std::string(tmp && *tmp ? tmp : "/tmp") + "/trelmo-fuzz-XXXXXX";
        if (!::mkdtemp(modele.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        g_dossier = modele;
        std::atexit(nettoie);
        g_dossier += "/";
    }
    return g_dossier;
}

void ecrit(const std::string& chemin, std::string_view octets)
{
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    VERIFIE(fd >= 0);
    VERIFIE(::write(fd, octets.data(), octets.size()) == static_cast<ssize_t>(octets.size()));
    ::close(fd);
}

void reglages(std::string_view octets)
{
    ecrit(dossier() + "TRL.CFG", octets);
    Reglages r(dossier());
    r.recharger();
    VERIFIE(r.config.no_texture_bille() >= 1 && r.config.no_texture_bille() <= 7);
    VERIFIE(r.config.no_texture_plateau() >= 1 && r.config.no_texture_plateau() <= 4);
    if (octets.size() >= Config::kTaille) {
        // As read, but for texture indexes out of range, which read as 1.
        Config attendu;
        std::memcpy(attendu.octets.data(), octets.data(), Config::kTaille);
        if (attendu.no_texture_bille() != r.config.no_texture_bille())
            VERIFIE(r.config.no_texture_bille() == 1 && (attendu.no_texture_bille() < 1 || attendu.no_texture_bille() > 7));
        if (attendu.no_texture_plateau() != r.config.no_texture_plateau())
            VERIFIE(r.config.no_texture_plateau() == 1 && (attendu.no_texture_plateau() < 1 || attendu.no_texture_plateau() > 4));
        attendu.set_no_texture_bille(r.config.no_texture_bille());
        attendu.set_no_texture_plateau(r.config.no_texture_plateau());
        VERIFIE(std::memcmp(r.config.octets.data() + 7, attendu.octets.data() + 7, Config::kTaille - 7) == 0);
    } else {
        VERIFIE(r.config.niveau() == 1 && r.config.billes(10) == 44);
    }
    VERIFIE(r.config.nom_logiciel() == "Trelmo");
    for (int rang = 0; rang <= Config::kRangs; ++rang) {
        VERIFIE(r.config.nom(rang).size() <= 3 * Config::kCapaciteNom);
        VERIFIE(r.config.duree(rang).size() <= 3 * Config::kCapaciteDuree);
    }

    const int32_t resultat = octets.empty() ? 0 : static_cast<uint8_t>(octets[0]) % 50 - 2;
    const Config avant = r.config;
    bool demande = false;
    r.insere_score(resultat, octets.substr(0, 12), [&] {
        demande = true;
        r.nom_joueur = depuis_cp1252(octets.substr(octets.size() / 2, 20));
    });
    if (!demande)
        VERIFIE(r.config == avant);
    r.enregistrer();
    const Config ecrite = r.config;
    r.recharger();
    VERIFIE(r.config == ecrite);

    // A short file is kept aside whole, beside any copy kept before.
    if (!octets.empty() && octets.size() < Config::kTaille) {
        std::string copie(octets.size() + 1, '\0');
        const int fd = ::open((dossier() + "TRL.CFG.bak").c_str(), O_RDONLY | O_CLOEXEC);
        VERIFIE(fd >= 0);
        const ssize_t n = ::read(fd, copie.data(), copie.size());
        ::close(fd);
        VERIFIE(n == static_cast<ssize_t>(octets.size()) && std::string_view(copie.data(), size_t(n)) == octets);
    }
    enleve("TRL.CFG.bak");
}

void partie(std::string_view octets)
{
    ecrit(dossier() + "GAME", octets);
    BancDeJeu b;
    Reglages r(dossier());
    SauvegardePartie s(dossier());
    FauxMessages m;
    const auto choix = octets.empty() ? uint8_t{0} : static_cast<uint8_t>(octets.back());
    m.reponse = (choix & 1) != 0;
    b.partenaires.niveau_ = choix % 5;
    b.jeu.demarrage();
    if (choix & 2)
        b.jeu.etat_jeuxClick();

    b.oublie();
    bool restauree = false;
    try {
        charger_partie(s, b.jeu, r, m, TextesPartie{});
        restauree = b.minuterie.appels.size() > 0 && b.minuterie.appels.back();
    } catch (const Erreur&) {
    }
    if (octets.size() < Partie::kTaille)
        VERIFIE(!restauree);
    if (restauree) {
        // Only a tray count that fits a grid with marbles, and a time the
        // chronometer can take up, are restored.
        VERIFIE(b.jeu.nb_repos == s.partie.repos() && SauvegardePartie::coherente(s.partie));
        VERIFIE(SauvegardePartie::temps_lisible(s.partie));
        VERIFIE(b.jeu.nb_repos >= 0 && b.jeu.nb_repos < kNbRepos);
        VERIFIE(!b.jeu.pas_de_partie && !b.jeu.bille_prise());
    }

    // Play on the restored board, whatever it holds: hover and click holes
    // picked by the bytes.
    for (size_t i = 0; i < octets.size() && i < 64; ++i) {
        b.jeu.pmove(static_cast<uint8_t>(octets[i]) % 49 + 1);
        b.jeu.deplacement();
    }
    b.jeu.Timer1Timer();

    try {
        sauver_partie(s, b.jeu, r, m, TextesPartie{});
    } catch (const Erreur&) {
    }
}

// Arbitrary bytes as "GAME.probleme", beside the GAME that partie() left.
void probleme_de_la_partie(std::string_view octets)
{
    SauvegardePartie s(dossier());
    ecrit(s.chemin_probleme(), octets);
    const std::string id = s.probleme_note();
    if (!id.empty())
        VERIFIE(s.empreinte() != 0 && octets.size() > id.size() && octets.substr(0, id.size()) == id
                && octets[id.size()] == '\n' && id.find('\n') == std::string::npos);
    // What is noted for the GAME as it is reads back; a note for another game does not.
    const std::string nouveau = octets.empty() || octets[0] == '\n' ? "croix" : std::string(octets.substr(0, octets.find('\n')));
    const uint64_t empreinte = s.empreinte();
    s.noter_probleme(nouveau, empreinte);
    VERIFIE(s.probleme_note() == (empreinte != 0 ? nouveau : std::string()));
    s.noter_probleme(nouveau, empreinte + 1);
    VERIFIE(s.probleme_note().empty());
    s.noter_probleme("", empreinte);
    VERIFIE(::access(s.chemin_probleme().c_str(), F_OK) != 0);
}

void ini(std::string_view octets)
{
    const std::string chemin = dossier() + "trelmo.ini";
    ecrit(chemin, octets);
    const bool valeur = lit_apropos(chemin);
    ecrit_apropos(chemin, !valeur);
    VERIFIE(lit_apropos(chemin) == !valeur);
}

void statistiques(std::string_view octets)
{
    const std::string chemin = dossier() + "statistiques.json";
    ecrit(chemin, octets);
    Statistiques s(chemin);
    const std::string message = s.charger(static_cast<int>(octets.size() % 3));
    // A file set aside, or one written by a later version and left as it
    // is (never overwritten): either way the statistics start afresh.
    const bool laisse = !message.empty() && ::access(chemin.c_str(), F_OK) == 0;
    if (!message.empty()) {
        VERIFIE(s.tout().empty());
        ::unlink((chemin + ".endommage").c_str());
    }
    for (const auto& [cle, j] : s.tout())
        VERIFIE(!cle.empty() && j.commencees >= j.terminees && j.terminees >= j.gagnees && j.gagnees >= j.meilleure_serie
                && j.meilleure_serie >= j.serie && j.serie >= 0 && j.indices >= 0 && j.total_billes >= 0);
    s.nouvelle_partie(kCleAnglais);
    s.saut();
    s.fin(octets.empty() ? 1 : static_cast<uint8_t>(octets[0]) % 45, 10, octets.size() % 2 == 0);
    if (s.enregistrer()) {
        VERIFIE(!laisse);
        Statistiques relu(chemin);
        VERIFIE(relu.charger(0).empty());
        VERIFIE(relu.tout() == s.tout());
        // Two copies on the file: neither loses the other's game.
        Statistiques a(chemin), b(chemin);
        VERIFIE(a.charger(0).empty() && b.charger(1).empty());
        for (Statistiques* c : {&a, &b}) {
            c->nouvelle_partie(kCleFrancais);
            c->saut();
            c->fin(c == &a ? 1 : 7, 5, c == &a);
        }
        VERIFIE(b.enregistrer() && a.enregistrer());
        Statistiques deux(chemin);
        VERIFIE(deux.charger(2).empty());
        VERIFIE(deux.stats(kCleFrancais).terminees == s.stats(kCleFrancais).terminees + 2);
        VERIFIE(deux.stats(kCleFrancais).gagnees == s.stats(kCleFrancais).gagnees + 1);
        VERIFIE(deux.stats(kCleAnglais) == s.stats(kCleAnglais));
    }
    if (laisse) {
        std::string relu(octets.size() + 1, '\0');
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
        VERIFIE(fd >= 0);
        const ssize_t n = ::read(fd, relu.data(), relu.size());
        ::close(fd);
        VERIFIE(n == static_cast<ssize_t>(octets.size()) && std::string_view(relu.data(), size_t(n)) == octets);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view octets(reinterpret_cast<const char*>(data), size);

    VERIFIE(vers_cp1252(depuis_cp1252(octets)) == octets);
    VERIFIE(vers_cp1252(octets).size() <= octets.size());
    (void)entier_depuis_texte(octets.substr(0, 16));

    reglages(octets);
    partie(octets);
    probleme_de_la_partie(octets);
    ini(octets);
    statistiques(octets);
    return 0;
}
