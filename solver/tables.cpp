#include "solver/tables.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <mutex>
#include <utility>

namespace trelmo::solveur::interne {

namespace {

constexpr char kMagie[8] = {'T', 'R', 'E', 'L', 'M', 'O', 'T', 'B'};

struct Magasin {
    std::mutex verrou;
    std::string repertoire;
    bool charge = false;
    Table tables[4];
};

Magasin& magasin()
{
    static Magasin m;
    return m;
}

} // namespace

std::uint64_t somme_controle(const std::vector<std::uint64_t>& entrees)
{
    std::uint64_t h = 0x243F6A8885A308D3ull;
    for (std::uint64_t e : entrees) {
        h ^= e;
        h *= 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    return h;
}

std::string nom_table(int plateau)
{
    static const char* const noms[] = {"", "trelmo-anglais.tab", "trelmo-francais.tab", "trelmo-croix45.tab"};
    return plateau >= 1 && plateau <= 3 ? noms[plateau] : "";
}

bool ecrire_table(const std::string& chemin, int plateau, int seuil, const std::vector<std::uint64_t>& entrees)
{
    EnTeteTable t{};
    std::memcpy(t.magie, kMagie, sizeof kMagie);
    t.version = kVersionTable;
    t.plateau = static_cast<std::uint32_t>(plateau);
    t.seuil = static_cast<std::uint32_t>(seuil);
    t.nombre = entrees.size();
    t.somme = somme_controle(entrees);
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(&t), sizeof t);
    f.write(reinterpret_cast<const char*>(entrees.data()), static_cast<std::streamsize>(entrees.size() * sizeof(std::uint64_t)));
    return static_cast<bool>(f);
}

bool Table::charger(const std::string& chemin, int plateau)
{
    entrees_.clear();
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    f.seekg(0, std::ios::end);
    const std::streamoff taille = f.tellg();
    f.seekg(0);
    EnTeteTable t{};
    if (taille < static_cast<std::streamoff>(sizeof t) || !f.read(reinterpret_cast<char*>(&t), sizeof t)) return false;
    if (std::memcmp(t.magie, kMagie, sizeof kMagie) != 0 || t.version != kVersionTable
        || t.plateau != static_cast<std::uint32_t>(plateau) || t.seuil < 1 || t.seuil > kTrous)
        return false;
    if (t.nombre > (std::uint64_t{1} << 32)
        || static_cast<std::uint64_t>(taille) != sizeof t + t.nombre * sizeof(std::uint64_t))
        return false;
    std::vector<std::uint64_t> e(static_cast<std::size_t>(t.nombre));
    if (!f.read(reinterpret_cast<char*>(e.data()), static_cast<std::streamsize>(e.size() * sizeof(std::uint64_t))))
        return false;
    if (somme_controle(e) != t.somme || !std::is_sorted(e.begin(), e.end())) return false;
    entrees_ = std::move(e);
    seuil_ = static_cast<int>(t.seuil);
    return true;
}

int Table::valeur(Masque cle) const
{
    const std::uint64_t bas = cle << 8;
    const auto it = std::lower_bound(entrees_.begin(), entrees_.end(), bas);
    if (it == entrees_.end() || (*it >> 8) != cle) return -1;
    return static_cast<int>(*it & 0xff);
}

void choisir_repertoire(const std::string& repertoire)
{
    Magasin& m = magasin();
    std::lock_guard<std::mutex> l(m.verrou);
    m.repertoire = repertoire;
}

void charger_tables()
{
    Magasin& m = magasin();
    std::lock_guard<std::mutex> l(m.verrou);
    if (m.charge || m.repertoire.empty()) return;
    std::string rep = m.repertoire;
    if (rep.back() != '/') rep += '/';
    for (int p = 1; p <= 3; ++p) m.tables[p].charger(rep + nom_table(p), p);
    m.charge = true;
}

const Table* table_du_plateau(int plateau)
{
    if (plateau < 1 || plateau > 3) return nullptr;
    charger_tables();
    Magasin& m = magasin();
    std::lock_guard<std::mutex> l(m.verrou);
    // Loaded once and never changed afterwards: readers need no lock.
    const Table& t = m.tables[plateau];
    return t.vide() ? nullptr : &t;
}

} // namespace trelmo::solveur::interne
