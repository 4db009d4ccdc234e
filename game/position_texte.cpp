#include "game/position_texte.h"

#include "game/geometrie.h"
#include "game/grille.h"
#include "game/problemes.h"

#include <vector>

namespace trelmo {

namespace {


constexpr const char* kNoms[4] = {"", "english", "french", "45-hole"};

std::string_view sans_blancs(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// "english; target e5; name: The Cross" after "# Trelmo:".
struct Commentaire {
    int32_t niveau = 0;
    int32_t cible = 0;
    bool cible_lisible = true;
    std::string nom;
};

Commentaire lire_commentaire(std::string_view ligne)
{
    Commentaire c;
    ligne = sans_blancs(ligne.substr(1));
    constexpr std::string_view kTete = "Trelmo:";
    if (ligne.substr(0, kTete.size()) != kTete)
        return c;
    ligne.remove_prefix(kTete.size());
    // The name comes last and may hold anything, semicolons too.
    constexpr std::string_view kNom = "name:";
    std::string_view champs = ligne;
    if (const std::size_t n = ligne.find(kNom); n != std::string_view::npos) {
        c.nom = std::string(sans_blancs(ligne.substr(n + kNom.size())));
        champs = ligne.substr(0, n);
    }
    while (!champs.empty()) {
        const std::size_t fin = std::min(champs.find(';'), champs.size());
        const std::string_view champ = sans_blancs(champs.substr(0, fin));
        champs.remove_prefix(std::min(fin + 1, champs.size()));
        for (int32_t n = 1; n <= 3; ++n)
            if (champ == kNoms[n])
                c.niveau = n;
        constexpr std::string_view kCible = "target ";
        if (champ.substr(0, kCible.size()) == kCible) {
            c.cible = trou_de_nom(sans_blancs(champ.substr(kCible.size())));
            c.cible_lisible = c.cible != 0;
        }
    }
    return c;
}

} // namespace

std::string nom_case(int trou) { return nom_du_trou(trou); }

int trou_de_nom(std::string_view nom) { return trou_nomme(nom); }

std::string vers_texte(const PositionTexte& p)
{
    std::string t = "# Trelmo: ";
    t += kNoms[p.niveau >= 1 && p.niveau <= 3 ? p.niveau : 1];
    if (p.cible != 0)
        t += "; target " + nom_case(p.cible);
    if (!p.nom.empty()) {
        std::string nom;
        for (char ch : p.nom)
            nom += ch == '\n' || ch == '\r' ? ' ' : ch;
        t += "; name: " + nom;
    }
    t += '\n';
    const std::uint64_t trous = trous_du_niveau(p.niveau);
    // The English and French boards fit the middle 7 x 7.
    const int bord = p.niveau == 3 ? 1 : 2;
    for (int r = bord; r <= 10 - bord; ++r) {
        std::string ligne;
        for (int c = bord; c <= 10 - bord; ++c) {
            const int n = numero_trou(c, r);
            ligne += n != 0 && (trous & bit(n)) ? ((p.billes & bit(n)) ? 'o' : '.') : ' ';
        }
        while (!ligne.empty() && ligne.back() == ' ')
            ligne.pop_back();
        t += ligne + '\n';
    }
    return t;
}

std::optional<PositionTexte> depuis_texte_position(std::string_view texte)
{
    texte = texte.substr(0, 4096);
    std::vector<std::string_view> lignes;
    Commentaire com;
    bool commentaire_lu = false;
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find('\n'), texte.size());
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        if (!ligne.empty() && ligne.front() == '#') {
            if (!commentaire_lu && lignes.empty()) {
                com = lire_commentaire(ligne);
                commentaire_lu = true;
            }
            continue;
        }
        lignes.push_back(ligne);
    }
    // Blank lines around the picture.
    auto blanche = [](std::string_view l) { return sans_blancs(l).empty(); };
    while (!lignes.empty() && blanche(lignes.back()))
        lignes.pop_back();
    std::size_t debut = 0;
    while (debut < lignes.size() && blanche(lignes[debut]))
        ++debut;
    lignes.erase(lignes.begin(), lignes.begin() + static_cast<std::ptrdiff_t>(debut));
    if (lignes.empty() || lignes.size() > 9 || !com.cible_lisible)
        return std::nullopt;
    std::size_t largeur = 0;
    for (std::string_view l : lignes) {
        if (l.size() > 9)
            return std::nullopt;
        largeur = std::max(largeur, l.size());
    }
    const int dl = lignes.size() == 7 ? 1 : 0;
    const int dc = lignes.size() == 7 && largeur <= 7 ? 1 : 0;
    std::uint64_t trous = 0, billes = 0;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        for (std::size_t j = 0; j < lignes[i].size(); ++j) {
            const char ch = lignes[i][j];
            if (ch != 'o' && ch != '.')
                continue;
            const int n = numero_trou(int(j) + 1 + dc, int(i) + 1 + dl);
            if (n == 0)
                return std::nullopt;
            trous |= bit(n);
            if (ch == 'o')
                billes |= bit(n);
        }
    PositionTexte p;
    p.niveau = 0;
    for (int32_t n = 1; n <= 3; ++n)
        if (trous == trous_du_niveau(n) && (com.niveau == 0 || com.niveau == n))
            p.niveau = n;
    if (p.niveau == 0 || (com.cible != 0 && !(trous & bit(com.cible))))
        return std::nullopt;
    p.billes = billes;
    p.cible = com.cible;
    p.nom = com.nom;
    return p;
}

} // namespace trelmo
