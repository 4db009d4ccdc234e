// Arbitrary bytes as a solver table file. The loader must neither crash,
// nor block, nor read out of bounds, and must use only what passes every
// check: opening then checking agrees with the full load, a table refused
// at its first use holds nothing, and a table accepted has the size and
// checksum its header states. The first byte chooses the board and whether
// the checksum is put right first, so that accepted tables are exercised
// too. libFuzzer entry point; built without libFuzzer, main() runs it over
// pseudo-random inputs.
#include "solver/tables.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace trelmo::solveur::interne;

namespace {

#define VERIFIE(cond)                                                                        \
    do {                                                                                     \
        if (!(cond)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)

std::string g_fichier;

void nettoie() { ::unlink(g_fichier.c_str()); }

const std::string& fichier()
{
    if (g_fichier.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string modele = std::string(tmp && *tmp ? tmp : "/tmp") + "/trelmo-fuzz-table-XXXXXX";
        const int fd = ::mkstemp(modele.data());
        if (fd < 0) {
            std::perror("mkstemp");
            std::abort();
        }
        ::close(fd);
        g_fichier = modele;
        std::atexit(nettoie);
    }
    return g_fichier;
}

// The checksum the header should hold, when the size fits the counts.
bool somme_attendue(const std::string& o, std::uint64_t& somme)
{
    EnTeteTable t;
    if (o.size() < sizeof t) return false;
    std::memcpy(&t, o.data(), sizeof t);
    if (t.nombre > (o.size() - sizeof t) / 8 || t.filtre_mots > (o.size() - sizeof t) / 8
        || o.size() != sizeof t + 8 * (t.nombre + t.filtre_mots))
        return false;
    std::vector<std::uint64_t> e(t.nombre), f(t.filtre_mots);
    if (!e.empty()) std::memcpy(e.data(), o.data() + sizeof t, 8 * e.size());
    if (!f.empty()) std::memcpy(f.data(), o.data() + sizeof t + 8 * e.size(), 8 * f.size());
    const std::vector<std::uint64_t> champs{t.version, t.plateau, t.seuil, t.filtre_de, t.nombre, t.filtre_mots, t.filtre_valeur};
    somme = somme_controle(f, somme_controle(e, somme_controle(champs)));
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const int plateau = data[0] & 3;
    std::string o(reinterpret_cast<const char*>(data + 1), size - 1);
    std::uint64_t somme = 0;
    const bool mesure = somme_attendue(o, somme);
    if ((data[0] & 4) && mesure) std::memcpy(o.data() + offsetof(EnTeteTable, somme), &somme, 8);
    {
        std::FILE* f = std::fopen(fichier().c_str(), "wb");
        VERIFIE(f && std::fwrite(o.data(), 1, o.size(), f) == o.size() && std::fclose(f) == 0);
    }
    Table complete;
    const bool charge = complete.charger(fichier(), plateau);
    Table t;
    const bool ouvert = t.ouvrir(fichier(), plateau);
    VERIFIE(charge == (ouvert && t.verifier()));
    if (charge) {
        EnTeteTable e;
        std::memcpy(&e, o.data(), sizeof e);
        VERIFIE(mesure && e.somme == somme && e.plateau == static_cast<std::uint32_t>(plateau));
        VERIFIE(complete.taille() == e.nombre && complete.seuil() == static_cast<int>(e.seuil));
    }
    // Look-ups of keys taken from the bytes: in bounds, and nothing from a
    // refused table.
    for (std::size_t i = 0; i + 8 <= o.size() && i < 512; i += 8) {
        std::uint64_t cle;
        std::memcpy(&cle, o.data() + i, 8);
        cle >>= 8;
        const int v = t.valeur(cle);
        VERIFIE(v == complete.valeur(cle));
        VERIFIE(charge || v == -1);
        VERIFIE(charge || t.filtre_peut_tenir(cle));
        VERIFIE(v <= 255);
    }
    return 0;
}

#ifndef TRELMO_LIBFUZZER
// Small tables written by the program's own writer, damaged; and random bytes.
int main(int argc, char** argv)
{
    const long nombre = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 2000;
    std::mt19937 alea(20261211u);
    const std::string modele = fichier() + ".modele";
    for (long k = 0; k < nombre; ++k) {
        std::vector<std::uint64_t> entrees(alea() % 40), filtre(alea() % 2 ? 0 : std::size_t{1} << (alea() % 5));
        for (std::size_t i = 0; i < entrees.size(); ++i) entrees[i] = (std::uint64_t{i * 7 + 1} << 8) | (alea() % 40);
        for (std::uint64_t& m : filtre) m = alea();
        const int plateau = static_cast<int>(alea() % 3 + 1);
        std::string e(1, static_cast<char>(plateau | (alea() % 2 ? 4 : 0)));
        if (!ecrire_table(modele, plateau, 20, entrees, filtre.empty() ? 0 : 12, 1, filtre)) return 1;
        std::FILE* f = std::fopen(modele.c_str(), "rb");
        char tampon[4096];
        for (std::size_t n; f && (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) e.append(tampon, n);
        if (f) std::fclose(f);
        for (std::size_t i = alea() % 4; i > 0 && e.size() > 1; --i) e[1 + alea() % (e.size() - 1)] ^= static_cast<char>(1 << (alea() % 8));
        if (alea() % 8 == 0) e.resize(1 + alea() % e.size());
        if (alea() % 8 == 0) {
            e.resize(alea() % 200);
            for (char& c : e) c = static_cast<char>(alea());
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(e.data()), e.size());
    }
    ::unlink(modele.c_str());
    std::printf("%ld inputs without a fault\n", nombre);
    return 0;
}
#endif
