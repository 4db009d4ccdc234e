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

std::uint64_t somme_controle(const std::vector<std::uint64_t>& entrees, std::uint64_t depart)
{
    std::uint64_t h = depart;
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

namespace {

std::uint64_t melanger(Masque cle)
{
    std::uint64_t h = cle * 0x9E3779B97F4A7C15ull;
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
    return h;
}

std::uint64_t bits_du_filtre(std::uint64_t h)
{
    std::uint64_t b = 0;
    for (int i = 0; i < 5; ++i) b |= std::uint64_t{1} << (h >> (6 * i) & 63);
    return b;
}

// The checksum of a table: its header's fields, then its entries, then its
// filter.
std::uint64_t somme_table(const EnTeteTable& t, const std::vector<std::uint64_t>& entrees,
                          const std::vector<std::uint64_t>& filtre)
{
    const std::vector<std::uint64_t> champs{t.version, t.plateau, t.seuil, t.filtre_de, t.nombre, t.filtre_mots,
                                            t.filtre_valeur};
    return somme_controle(filtre, somme_controle(entrees, somme_controle(champs)));
}

} // namespace

void filtre_ajouter(std::vector<std::uint64_t>& mots, Masque cle)
{
    const std::uint64_t h = melanger(cle);
    mots[static_cast<std::size_t>(h >> 32) & (mots.size() - 1)] |= bits_du_filtre(h);
}

bool filtre_contient(const std::vector<std::uint64_t>& mots, Masque cle)
{
    if (mots.empty()) return true;
    const std::uint64_t h = melanger(cle), b = bits_du_filtre(h);
    return (mots[static_cast<std::size_t>(h >> 32) & (mots.size() - 1)] & b) == b;
}

bool ecrire_table(const std::string& chemin, int plateau, int seuil, const std::vector<std::uint64_t>& entrees,
                  int filtre_de, int filtre_valeur, const std::vector<std::uint64_t>& filtre)
{
    EnTeteTable t{};
    std::memcpy(t.magie, kMagie, sizeof kMagie);
    t.version = kVersionTable;
    t.plateau = static_cast<std::uint32_t>(plateau);
    t.seuil = static_cast<std::uint32_t>(seuil);
    t.filtre_de = filtre.empty() ? 0 : static_cast<std::uint32_t>(filtre_de);
    t.nombre = entrees.size();
    t.filtre_mots = filtre.size();
    t.filtre_valeur = static_cast<std::uint32_t>(filtre_valeur);
    t.somme = somme_table(t, entrees, filtre);
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(&t), sizeof t);
    f.write(reinterpret_cast<const char*>(entrees.data()), static_cast<std::streamsize>(entrees.size() * sizeof(std::uint64_t)));
    f.write(reinterpret_cast<const char*>(filtre.data()), static_cast<std::streamsize>(filtre.size() * sizeof(std::uint64_t)));
    return static_cast<bool>(f);
}

bool Table::charger(const std::string& chemin, int plateau)
{
    entrees_.clear();
    filtre_.clear();
    filtre_de_ = filtre_valeur_ = 0;
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
    if (t.nombre > (std::uint64_t{1} << 32) || t.filtre_mots > (std::uint64_t{1} << 32)
        || (t.filtre_mots & (t.filtre_mots - 1)) != 0 || (t.filtre_mots != 0) != (t.filtre_de != 0)
        || t.filtre_de >= t.seuil || t.filtre_valeur > kTrous
        || static_cast<std::uint64_t>(taille) != sizeof t + (t.nombre + t.filtre_mots) * sizeof(std::uint64_t))
        return false;
    std::vector<std::uint64_t> e(static_cast<std::size_t>(t.nombre)), filtre(static_cast<std::size_t>(t.filtre_mots));
    if (!f.read(reinterpret_cast<char*>(e.data()), static_cast<std::streamsize>(e.size() * sizeof(std::uint64_t)))
        || !f.read(reinterpret_cast<char*>(filtre.data()), static_cast<std::streamsize>(filtre.size() * sizeof(std::uint64_t))))
        return false;
    if (somme_table(t, e, filtre) != t.somme || !std::is_sorted(e.begin(), e.end())) return false;
    entrees_ = std::move(e);
    filtre_ = std::move(filtre);
    seuil_ = static_cast<int>(t.seuil);
    filtre_de_ = static_cast<int>(t.filtre_de);
    filtre_valeur_ = static_cast<int>(t.filtre_valeur);
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
