#include "solver/entree.h"

#include "solver/geometrie.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace trelmo::solveur {

namespace {

using interne::kTous;

constexpr std::size_t kDebutGrille = 29;

template <class T>
Lu<T> refus(std::string texte)
{
    return {std::nullopt, std::move(texte)};
}

std::string trop_long(const std::string& nom)
{
    return nom + " is longer than a position can be (" + std::to_string(kTailleMaxEntree) + " bytes at most)";
}

Lu<Position> depuis_partie(std::string_view octets)
{
    std::array<std::int32_t, 324> grille{};
    for (std::size_t i = 0; i < grille.size(); ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(octets.data() + kDebutGrille + 4 * i);
        grille[i] = static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                                              | std::uint32_t(p[3]) << 24);
    }
    const Position p = depuis_grille(grille, kTous);
    if (p.trous == 0) return refus<Position>("the saved game has no hole on its board");
    return {p, {}};
}

Lu<Position> depuis_image(std::string_view texte)
{
    std::vector<std::string_view> lignes;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        // Comment lines before the picture (the game's exported problems name
        // their board, target and name on one) are skipped.
        if (!(lignes.empty() && ligne.size() >= 1 && ligne.front() == '#'))
            lignes.push_back(ligne);
        if (fin == std::string_view::npos) break;
        texte.remove_prefix(fin + 1);
    }
    while (!lignes.empty() && lignes.back().find_first_not_of(" \t") == std::string_view::npos) lignes.pop_back();
    if (lignes.size() > 9) return refus<Position>("the picture has more than 9 lines");
    std::size_t largeur = 0;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].size() > 9)
            return refus<Position>("line " + std::to_string(i + 1) + " of the picture is longer than 9 characters");
        largeur = std::max(largeur, lignes[i].size());
    }
    // A 7 x 7 picture stands for the middle of the board.
    const int dl = lignes.size() == 7 ? 1 : 0;
    const int dc = lignes.size() == 7 && largeur <= 7 ? 1 : 0;
    Position p;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        for (std::size_t j = 0; j < lignes[i].size(); ++j) {
            const char c = lignes[i][j];
            if (c != 'o' && c != '.') continue;
            const int t = interne::trou_de(int(j) + 1 + dc, int(i) + 1 + dl);
            if (t == 0)
                return refus<Position>("line " + std::to_string(i + 1) + ", column " + std::to_string(j + 1)
                                       + ": no hole of the board stands there");
            p.trous |= bit(t);
            if (c == 'o') p.billes |= bit(t);
        }
    if (p.trous == 0) return refus<Position>("the picture holds no hole ('o' for a marble, '.' for an empty hole)");
    return {p, {}};
}

// Reads fd to its end, one byte more than the cap at most.
Lu<std::string> lire_jusqu_au_bout(int fd, const std::string& nom)
{
    std::string octets(kTailleMaxEntree + 1, '\0');
    std::size_t lu = 0;
    while (lu < octets.size()) {
        const ssize_t n = ::read(fd, octets.data() + lu, octets.size() - lu);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EISDIR) return refus<std::string>(nom + " is a directory");
            return refus<std::string>("cannot read " + nom + ": " + std::strerror(errno));
        }
        lu += static_cast<std::size_t>(n);
    }
    if (lu > kTailleMaxEntree) return refus<std::string>(trop_long(nom));
    octets.resize(lu);
    return {std::move(octets), {}};
}

} // namespace

Lu<std::string> lire_fichier(const std::string& chemin)
{
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return refus<std::string>("cannot read " + chemin + ": " + std::strerror(errno));
    struct stat st{};
    Lu<std::string> r;
    if (::fstat(fd, &st) != 0)
        r = refus<std::string>("cannot read " + chemin + ": " + std::strerror(errno));
    else if (S_ISDIR(st.st_mode))
        r = refus<std::string>(chemin + " is a directory");
    else if (!S_ISREG(st.st_mode))
        r = refus<std::string>(chemin + " is not a regular file");
    else if (static_cast<std::uint64_t>(st.st_size) > kTailleMaxEntree)
        r = refus<std::string>(trop_long(chemin));
    else
        r = lire_jusqu_au_bout(fd, chemin);
    ::close(fd);
    return r;
}

Lu<std::string> lire_descripteur(int fd, const std::string& nom)
{
    struct stat st{};
    if (::fstat(fd, &st) == 0) {
        if (S_ISDIR(st.st_mode)) return refus<std::string>(nom + " is a directory");
        if (S_ISREG(st.st_mode) && st.st_size > static_cast<off_t>(kTailleMaxEntree))
            return refus<std::string>(trop_long(nom));
    }
    return lire_jusqu_au_bout(fd, nom);
}

Lu<Position> lire_position(std::string_view octets)
{
    return octets.size() == kTaillePartie ? depuis_partie(octets) : depuis_image(octets);
}

Lu<Saut> lire_saut(std::string_view texte, const Position& p)
{
    const std::string nom(texte.substr(0, 16));
    auto case_de = [](char c, char l) {
        return c >= 'a' && c <= 'i' && l >= '1' && l <= '9' ? interne::trou_de(c - 'a' + 1, l - '0') : 0;
    };
    if (texte.size() != 5 || texte[2] != '-')
        return refus<Saut>("\"" + nom + "\" is not a jump (FROM-TO, as e3-e5)");
    const int de = case_de(texte[0], texte[1]), vers = case_de(texte[3], texte[4]);
    if (de == 0 || vers == 0) return refus<Saut>("\"" + nom + "\" names a hole the board does not have");
    for (const Saut& s : sauts_possibles(p))
        if (s.de == de && s.vers == vers) return {s, {}};
    return refus<Saut>("the jump " + nom + " is not allowed in its position");
}

} // namespace trelmo::solveur
