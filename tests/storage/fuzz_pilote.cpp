// Runs the storage fuzz target over a fixed series of pseudo-random inputs,
// for builds without libFuzzer: plain random bytes, damaged valid records,
// INI-like and statistics-like texts, notes of the saved game's problem.
// Optional arguments: the number of inputs and the seed.
// "fuzz_storage --graines DIR" writes instead the starting inputs of the
// libFuzzer corpus (tests/storage/graines_fuzz/) into DIR.
#include "faux_jeu.h"

#include "storage/config.h"
#include "storage/partie.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using namespace trelmo;

std::string record_de_partie(std::mt19937& alea, int coups = 40, int32_t niveau = 0, const char* temps = nullptr)
{
    essai::BancDeJeu b;
    b.partenaires.niveau_ = niveau ? niveau : static_cast<int32_t>(alea() % 3 + 1);
    b.jeu.demarrage();
    b.jeu.etat_jeuxClick();
    for (int i = 0; i < coups; ++i) {
        b.jeu.pmove(static_cast<int>(alea() % 49 + 1));
        b.jeu.deplacement();
    }
    Partie p;
    p.set_nom("Joueur");
    p.set_temps(temps ? temps : alea() % 4 ? "01:02:03" : "100:00:00");
    p.set_repos(static_cast<int16_t>(b.jeu.nb_repos));
    p.ecrire_grille(b.jeu.grille);
    return {reinterpret_cast<const char*>(p.octets.data()), p.octets.size()};
}

std::string texte_ini(std::mt19937& alea)
{
    static const std::vector<std::string> morceaux = {
        "[Propriétés]", "[PROPRIÉTÉS]", "[Propri\xE9t\xE9s]", "[Autre]", "[", "]", "apropos", "APROPOS",
        "=", " ", "\t", "\n", "\r\n", "\r", "1", "0", "0x1", "$1", "yes", "\"", ";", "\xC3", std::string(1, '\0'),
    };
    std::string s;
    const size_t n = alea() % 30;
    for (size_t i = 0; i < n; ++i)
        s += morceaux[alea() % morceaux.size()];
    return s;
}

// A statistics file with a few pieces of JSON spliced into a game.
std::string texte_json(std::mt19937& alea)
{
    static const std::vector<std::string> morceaux = {
        "{", "}", ",", ":", "\"commencees\"", "\"terminees\"", "\"serie\"", "\"resultats\"", "\"1\"",
        "\"\\ud800\"", "1", "-1", "1.5", "1e300", "true", "null",
    };
    // Now and then a file of a later version, which is left as it is.
    std::string s = std::string("{\"version\": ") + (alea() % 5 ? "1" : "2") + ", \"jeux\": {\"anglais\": {";
    for (size_t i = alea() % 24; i > 0; --i)
        s += morceaux[alea() % morceaux.size()];
    return s + (alea() % 2 ? "}}}" : "");
}

// A note of the saved game's problem: an id, a fingerprint, pieces of both.
std::string texte_probleme(std::mt19937& alea)
{
    static const std::vector<std::string> morceaux = {
        "croix", "anglais-centre", "\n", "\r\n", "0", "18446744073709551615", "18446744073709551616",
        "-1", " ", std::string(1, '\0'), "\xC3\xA9",
    };
    std::string s;
    for (size_t i = alea() % 8; i > 0; --i)
        s += morceaux[alea() % morceaux.size()];
    return s;
}

} // namespace

int graines(const std::string& dossier)
{
    std::mt19937 alea(1);
    auto ecrit = [&](const std::string& nom, const std::string& octets) {
        std::FILE* f = std::fopen((dossier + "/" + nom).c_str(), "wb");
        if (!f || std::fwrite(octets.data(), 1, octets.size(), f) != octets.size() || std::fclose(f) != 0) {
            std::perror(nom.c_str());
            std::exit(1);
        }
    };
    Reglages r("/");
    r.config_defaut();
    r.config.set_nom_logiciel("Trelmo");
    r.config.set_nom(1, "Zoé");
    r.config.set_duree(1, "00:12:07");
    r.config.set_billes(1, 1);
    ecrit("config.bin", {reinterpret_cast<const char*>(r.config.octets.data()), r.config.octets.size()});
    for (int32_t niveau = 1; niveau <= 3; ++niveau)
        ecrit("partie" + std::to_string(niveau) + ".bin", record_de_partie(alea, 2000, niveau, "01:02:03"));
    for (const char* version : {"1", "2"})
        ecrit(std::string("statistiques") + (*version == '1' ? "" : "_recent") + ".json",
              std::string(R"({"version": )") + version + R"(, "format": "trelmo-statistiques", "jeux": {"anglais": {)"
                  R"("commencees": 3, "terminees": 2, "gagnees": 1, "moins_de_billes": 1, "meilleur_temps": 95, )"
                  R"("total_billes": 5, "serie": 0, "meilleure_serie": 1, "indices": 2, "resultats": {"1": 1, "4": 1}}}})");
    ecrit("probleme.txt", "croix\n1469598103934665603\n");
    ecrit("ini.txt", "; preferences\n[Fen\xC3\xAAtre]\nx=1\n\n[Propri\xC3\xA9t\xC3\xA9s]\napropos=0x1\n");
    return 0;
}

int main(int argc, char** argv)
{
    if (argc > 2 && std::string(argv[1]) == "--graines")
        return graines(argv[2]);
    const long nombre = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 3000;
    const unsigned graine = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20240601u;
    std::mt19937 alea(graine);

    for (long k = 0; k < nombre; ++k) {
        std::string entree;
        switch (k % 4) {
        case 0: {   // random bytes around the two record sizes
            static const size_t tailles[] = {0, 1, 29, 395, 396, 397, 1324, 1325, 1400};
            const size_t taille = alea() % 2 ? tailles[alea() % 9] : alea() % 1600;
            for (size_t i = 0; i < taille; ++i)
                entree += static_cast<char>(alea());
            break;
        }
        case 1:     // a real saved game with a few bytes damaged, and sometimes cut
        case 2: {
            entree = record_de_partie(alea);
            const size_t degats = alea() % 8;
            for (size_t i = 0; i < degats; ++i)
                entree[alea() % entree.size()] = static_cast<char>(alea() % 2 ? alea() : alea() % 5 - 1);
            if (alea() % 8 == 0)
                entree.resize(alea() % entree.size());
            break;
        }
        default: {
            const unsigned sorte = alea() % 3;
            entree = sorte == 0 ? texte_ini(alea) : sorte == 1 ? texte_json(alea) : texte_probleme(alea);
            break;
        }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(entree.data()), entree.size());
    }
    std::printf("%ld entrées sans défaut\n", nombre);
    return 0;
}
