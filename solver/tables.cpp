#include "solver/tables.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trelmo::solveur::interne {

namespace {

constexpr char kMagie[8] = {'T', 'R', 'E', 'L', 'M', 'O', 'T', 'B'};

struct Magasin {
    std::mutex verrou;
    std::string repertoire;
    bool ouvert = false;
    Table tables[4];
};

Magasin& magasin()
{
    static Magasin m;
    return m;
}

std::uint64_t somme_de(const std::uint64_t* mots, std::size_t n, std::uint64_t h)
{
    for (std::size_t i = 0; i < n; ++i) {
        h ^= mots[i];
        h *= 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    return h;
}

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

bool contient(const std::uint64_t* mots, std::size_t n, Masque cle)
{
    if (n == 0) return true;
    const std::uint64_t h = melanger(cle), b = bits_du_filtre(h);
    return (mots[static_cast<std::size_t>(h >> 32) & (n - 1)] & b) == b;
}

// The checksum of a table: its header's fields, then its entries, then its
// filter.
std::uint64_t somme_table(const EnTeteTable& t, const std::uint64_t* entrees, const std::uint64_t* filtre)
{
    const std::uint64_t champs[] = {t.version, t.plateau, t.seuil, t.filtre_de, t.nombre, t.filtre_mots, t.filtre_valeur};
    return somme_de(filtre, static_cast<std::size_t>(t.filtre_mots),
                    somme_de(entrees, static_cast<std::size_t>(t.nombre),
                             somme_de(champs, std::size(champs), 0x243F6A8885A308D3ull)));
}

// Whether a header may stand at the head of a file of `taille` bytes for `plateau`.
bool en_tete_valable(const EnTeteTable& t, std::uint64_t taille, int plateau)
{
    if (std::memcmp(t.magie, kMagie, sizeof kMagie) != 0 || t.version != kVersionTable
        || t.plateau != static_cast<std::uint32_t>(plateau) || t.seuil < 1 || t.seuil > kTrous)
        return false;
    if (t.nombre > kTailleMaxTable / 8 || t.filtre_mots > kTailleMaxTable / 8
        || (t.filtre_mots & (t.filtre_mots - 1)) != 0 || (t.filtre_mots != 0) != (t.filtre_de != 0)
        || t.filtre_de >= t.seuil || t.filtre_valeur > kTrous)
        return false;
    return taille == sizeof t + (t.nombre + t.filtre_mots) * sizeof(std::uint64_t);
}

} // namespace

std::uint64_t somme_controle(const std::vector<std::uint64_t>& entrees, std::uint64_t depart)
{
    return somme_de(entrees.data(), entrees.size(), depart);
}

std::string nom_table(int plateau)
{
    static const char* const noms[] = {"", "trelmo-anglais.tab", "trelmo-francais.tab", "trelmo-croix45.tab"};
    return plateau >= 1 && plateau <= 3 ? noms[plateau] : "";
}

void filtre_ajouter(std::vector<std::uint64_t>& mots, Masque cle)
{
    const std::uint64_t h = melanger(cle);
    mots[static_cast<std::size_t>(h >> 32) & (mots.size() - 1)] |= bits_du_filtre(h);
}

bool filtre_contient(const std::vector<std::uint64_t>& mots, Masque cle)
{
    return contient(mots.data(), mots.size(), cle);
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
    t.somme = somme_table(t, entrees.data(), filtre.data());
    // Written beside, then renamed over: a reader sees the old table or the
    // new one, never half of one.
    const std::string provisoire = chemin + ".part";
    {
        std::ofstream f(provisoire, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(&t), sizeof t);
        f.write(reinterpret_cast<const char*>(entrees.data()),
                static_cast<std::streamsize>(entrees.size() * sizeof(std::uint64_t)));
        f.write(reinterpret_cast<const char*>(filtre.data()), static_cast<std::streamsize>(filtre.size() * sizeof(std::uint64_t)));
        f.close();
        if (!f) {
            std::remove(provisoire.c_str());
            return false;
        }
    }
    if (std::rename(provisoire.c_str(), chemin.c_str()) != 0) {
        std::remove(provisoire.c_str());
        return false;
    }
    return true;
}

Table::~Table() { fermer(); }

void Table::fermer()
{
    if (carte_) ::munmap(carte_, taille_carte_);
    carte_ = nullptr;
    taille_carte_ = nombre_ = mots_ = 0;
    entrees_ = filtre_ = nullptr;
    seuil_ = filtre_de_ = filtre_valeur_ = 0;
    etat_.store(0);
}

bool Table::ouvrir(const std::string& chemin, int plateau)
{
    fermer();
    // Without blocking (a FIFO named as a table), regular files only.
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat st{};
    EnTeteTable t{};
    void* carte = MAP_FAILED;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= static_cast<off_t>(sizeof t)
        && static_cast<std::uint64_t>(st.st_size) <= kTailleMaxTable
        && ::pread(fd, &t, sizeof t, 0) == static_cast<ssize_t>(sizeof t)
        && en_tete_valable(t, static_cast<std::uint64_t>(st.st_size), plateau))
        carte = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (carte == MAP_FAILED) return false;
    // The header again, from the map: the one checked above may have been
    // replaced meanwhile.
    if (std::memcmp(carte, &t, sizeof t) != 0) {
        ::munmap(carte, static_cast<std::size_t>(st.st_size));
        return false;
    }
    carte_ = carte;
    taille_carte_ = static_cast<std::size_t>(st.st_size);
    en_tete_ = t;
    entrees_ = reinterpret_cast<const std::uint64_t*>(static_cast<const char*>(carte) + sizeof t);
    nombre_ = static_cast<std::size_t>(t.nombre);
    filtre_ = entrees_ + nombre_;
    mots_ = static_cast<std::size_t>(t.filtre_mots);
    seuil_ = static_cast<int>(t.seuil);
    filtre_de_ = static_cast<int>(t.filtre_de);
    filtre_valeur_ = static_cast<int>(t.filtre_valeur);
    return true;
}

bool Table::charger(const std::string& chemin, int plateau)
{
    if (ouvrir(chemin, plateau) && verifier()) return true;
    fermer();
    return false;
}

bool Table::verifier_lentement() const
{
    ::madvise(carte_, taille_carte_, MADV_SEQUENTIAL);
    // One pass over the entries for their checksum and their order.
    const EnTeteTable& t = en_tete_;
    const std::uint64_t champs[] = {t.version, t.plateau, t.seuil, t.filtre_de, t.nombre, t.filtre_mots, t.filtre_valeur};
    std::uint64_t h = somme_de(champs, std::size(champs), 0x243F6A8885A308D3ull), avant = 0;
    bool rangees = true;
    for (std::size_t i = 0; i < nombre_; ++i) {
        const std::uint64_t e = entrees_[i];
        rangees &= avant <= e;
        avant = e;
        h ^= e;
        h *= 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    const bool bonne = rangees && somme_de(filtre_, mots_, h) == t.somme;
    ::madvise(carte_, taille_carte_, MADV_RANDOM);
    return bonne;
}

bool Table::verifier() const
{
    int e = etat_.load(std::memory_order_acquire);
    if (e == 0) {
        std::lock_guard<std::mutex> l(verrou_);
        e = etat_.load(std::memory_order_relaxed);
        if (e == 0) {
            e = carte_ && verifier_lentement() ? 1 : 2;
            etat_.store(e, std::memory_order_release);
        }
    }
    return e == 1;
}

int Table::valeur(Masque cle) const
{
    if (!verifier()) return -1;
    const std::uint64_t bas = cle << 8;
    const std::uint64_t* it = std::lower_bound(entrees_, entrees_ + nombre_, bas);
    if (it == entrees_ + nombre_ || (*it >> 8) != cle) return -1;
    return static_cast<int>(*it & 0xff);
}

bool Table::filtre_peut_tenir(Masque cle) const
{
    // A table that failed its check says nothing.
    return mots_ == 0 || !verifier() || contient(filtre_, mots_, cle);
}

void choisir_repertoire(const std::string& repertoire)
{
    Magasin& m = magasin();
    std::lock_guard<std::mutex> l(m.verrou);
    m.repertoire = repertoire;
}

namespace {

void ouvrir_tables(Magasin& m)
{
    if (m.ouvert || m.repertoire.empty()) return;
    std::string rep = m.repertoire;
    if (rep.back() != '/') rep += '/';
    for (int p = 1; p <= 3; ++p) m.tables[p].ouvrir(rep + nom_table(p), p);
    m.ouvert = true;
}

} // namespace

void charger_tables()
{
    Magasin& m = magasin();
    std::lock_guard<std::mutex> l(m.verrou);
    ouvrir_tables(m);
    for (int p = 1; p <= 3; ++p) m.tables[p].verifier();
}

const Table* table_du_plateau(int plateau)
{
    if (plateau < 1 || plateau > 3) return nullptr;
    Magasin& m = magasin();
    std::lock_guard<std::mutex> l(m.verrou);
    ouvrir_tables(m);
    // Opened once and never changed afterwards: readers need no lock.
    const Table& t = m.tables[plateau];
    return t.vide() ? nullptr : &t;
}

} // namespace trelmo::solveur::interne
