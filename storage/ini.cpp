#include "storage/ini.h"

#include "game/erreur.h"
#include "storage/cp1252.h"
#include "storage/entier.h"
#include "storage/fichier.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace trelmo {

namespace {

constexpr std::string_view kSection = "Propriétés";
constexpr std::string_view kCle = "apropos";
constexpr size_t kLongueurValeur = 2047;   // what one read of a value keeps

struct Ligne {
    std::string texte;
    std::string fin;   // "\n", "\r\n", or "" for a last line without one
};

std::vector<Ligne> decoupe(const std::string& contenu)
{
    std::vector<Ligne> lignes;
    size_t debut = 0;
    while (debut < contenu.size()) {
        const size_t nl = contenu.find('\n', debut);
        if (nl == std::string::npos) {
            lignes.push_back({contenu.substr(debut), ""});
            break;
        }
        size_t fin_texte = nl;
        if (fin_texte > debut && contenu[fin_texte - 1] == '\r')
            --fin_texte;
        lignes.push_back({contenu.substr(debut, fin_texte - debut), contenu.substr(fin_texte, nl + 1 - fin_texte)});
        debut = nl + 1;
    }
    return lignes;
}

std::string_view sans_blancs(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool utf8_valide(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

// Folds ASCII and Latin-1 capitals, so "PROPRIÉTÉS" names the section too;
// a name that is not UTF-8 is read as Windows-1252.
std::string replie(std::string_view nom)
{
    std::string s = utf8_valide(nom) ? std::string(nom) : depuis_cp1252(nom);
    for (size_t i = 0; i < s.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + 0x20);
        } else if (c == 0xC3 && i + 1 < s.size()) {
            auto& d = reinterpret_cast<unsigned char&>(s[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97)
                d = static_cast<unsigned char>(d + 0x20);
            ++i;
        }
    }
    return s;
}

bool meme_nom(std::string_view a, std::string_view b)
{
    return replie(a) == replie(b);
}

// The name of a section header line, or nothing.
std::optional<std::string_view> nom_section(std::string_view ligne)
{
    ligne = sans_blancs(ligne);
    if (ligne.empty() || ligne.front() != '[')
        return std::nullopt;
    const size_t ferme = ligne.rfind(']');
    if (ferme == std::string_view::npos || ferme == 0)
        return std::nullopt;
    return sans_blancs(ligne.substr(1, ferme - 1));
}

// Key and value of a "key=value" line.
bool cle_valeur(std::string_view ligne, std::string_view& cle, std::string_view& valeur)
{
    const size_t egal = ligne.find('=');
    if (egal == std::string_view::npos)
        return false;
    cle = sans_blancs(ligne.substr(0, egal));
    valeur = sans_blancs(ligne.substr(egal + 1));
    return true;
}

// Index of the first header of our section, of the first line after it that
// starts the next section (or the end), and of our key line in between.
struct Position {
    size_t section = SIZE_MAX;
    size_t fin_section = SIZE_MAX;
    size_t cle = SIZE_MAX;
};

Position cherche(const std::vector<Ligne>& lignes, std::string_view nom_cle)
{
    Position p;
    for (size_t i = 0; i < lignes.size(); ++i) {
        if (const auto nom = nom_section(lignes[i].texte)) {
            if (p.section != SIZE_MAX) {
                p.fin_section = i;
                return p;
            }
            if (meme_nom(*nom, kSection))
                p.section = i;
            continue;
        }
        std::string_view cle, valeur;
        if (p.section != SIZE_MAX && p.cle == SIZE_MAX && cle_valeur(lignes[i].texte, cle, valeur)
            && meme_nom(cle, nom_cle))
            p.cle = i;
    }
    if (p.section != SIZE_MAX)
        p.fin_section = lignes.size();
    return p;
}

enum class Lecture { Ok, Absent, Refus };

// A file larger than kMaxTexte is refused: read as missing values, never rewritten.
Lecture lit_fichier(const std::string& chemin, std::string& contenu)
{
    const int e = lire_fichier(chemin, contenu, kMaxTexte);
    return e == 0 ? Lecture::Ok : e == ENOENT ? Lecture::Absent : Lecture::Refus;
}

[[noreturn]] void refus()
{
    throw Erreur("Impossible d'écrire dans trelmo.ini");
}

// Creates every missing directory of the path `dossier`.
bool cree_dossiers(const std::string& dossier)
{
    if (dossier.empty())
        return true;
    for (size_t pos = 1; pos <= dossier.size(); ++pos) {
        if (pos < dossier.size() && dossier[pos] != '/')
            continue;
        const std::string partie = dossier.substr(0, pos);
        if (::mkdir(partie.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st {};
    return ::stat(dossier.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The file that `chemin` names: a symbolic link is followed, also when its
// target does not exist yet (it is then created). Empty for a link loop.
std::string cible_de(const std::string& chemin)
{
    std::string c = chemin;
    for (int sauts = 0; sauts < 40; ++sauts) {
        struct stat st {};
        if (::lstat(c.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return c;
        std::string lien(PATH_MAX, '\0');
        const ssize_t n = ::readlink(c.c_str(), lien.data(), lien.size());
        if (n <= 0 || static_cast<size_t>(n) >= lien.size())
            return {};
        lien.resize(static_cast<size_t>(n));
        c = lien.front() == '/' ? lien : dossier_de(c) + "/" + lien;
    }
    return {};
}

// Writes the new content beside the file, then renames it over the file.
void remplace(const std::string& chemin, const std::string& contenu)
{
    const std::string cible = cible_de(chemin);
    if (cible.empty() || !cree_dossiers(dossier_de(cible)))
        refus();
    // A read-only file stays as it is, although its directory would allow the rename.
    if (remplacer_fichier(cible, reinterpret_cast<const uint8_t*>(contenu.data()), contenu.size(), false) != 0)
        refus();
}

} // namespace

std::string chemin_ini()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        return std::string(xdg) + "/trelmo.ini";
    std::string maison;
    if (const char* home = std::getenv("HOME"); home && home[0])
        maison = home;
    else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        maison = pw->pw_dir;
    else
        maison = ".";
    return maison + "/.config/trelmo.ini";
}

bool lit_apropos(const std::string& chemin)
{
    try {
        if (const std::string cible = cible_de(chemin); !cible.empty())
            nettoyer_temporaires(cible);
    } catch (...) {
    }
    return lit_preference(chemin, kCle);
}

void ecrit_apropos(const std::string& chemin, bool valeur)
{
    ecrit_preference(chemin, kCle, valeur);
}

bool lit_preference(const std::string& chemin, std::string_view nom_cle)
{
    const auto entier = lit_preference_entier(chemin, nom_cle);
    return entier && *entier != 0;
}

std::optional<long long> lit_preference_entier(const std::string& chemin, std::string_view nom_cle)
{
    try {
        std::string contenu;
        if (lit_fichier(chemin, contenu) != Lecture::Ok)
            return std::nullopt;
        const std::vector<Ligne> lignes = decoupe(contenu);
        const Position p = cherche(lignes, nom_cle);
        if (p.cle == SIZE_MAX)
            return std::nullopt;
        std::string_view cle, valeur;
        cle_valeur(lignes[p.cle].texte, cle, valeur);
        if (valeur.size() >= 2 && (valeur.front() == '"' || valeur.front() == '\'') && valeur.back() == valeur.front())
            valeur = valeur.substr(1, valeur.size() - 2);
        if (valeur.size() > kLongueurValeur)
            valeur = valeur.substr(0, kLongueurValeur);
        const auto entier = entier_depuis_texte(valeur);
        if (!entier)
            return std::nullopt;
        return static_cast<long long>(*entier);
    } catch (...) {
        return std::nullopt;
    }
}

void ecrit_preference(const std::string& chemin, std::string_view nom_cle, bool valeur)
{
    ecrit_preference_entier(chemin, nom_cle, valeur ? 1 : 0);
}

void ecrit_preference_entier(const std::string& chemin, std::string_view nom_cle, long long valeur)
{
    std::string contenu;
    if (lit_fichier(chemin, contenu) == Lecture::Refus)
        refus();
    std::vector<Ligne> lignes = decoupe(contenu);
    const std::string fin_ligne = !lignes.empty() && lignes.front().fin == "\r\n" ? "\r\n" : "\n";
    const std::string ligne_cle = std::string(nom_cle) + "=" + std::to_string(valeur);

    const Position p = cherche(lignes, nom_cle);
    if (p.cle != SIZE_MAX) {
        lignes[p.cle].texte = ligne_cle;
    } else if (p.section != SIZE_MAX) {
        // After the last non-blank line of the section.
        size_t apres = p.fin_section;
        while (apres > p.section + 1 && sans_blancs(lignes[apres - 1].texte).empty())
            --apres;
        if (lignes[apres - 1].fin.empty())
            lignes[apres - 1].fin = fin_ligne;
        lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(apres), Ligne{ligne_cle, fin_ligne});
    } else {
        if (!lignes.empty()) {
            if (lignes.back().fin.empty())
                lignes.back().fin = fin_ligne;
            if (!sans_blancs(lignes.back().texte).empty())
                lignes.push_back({"", fin_ligne});
        }
        lignes.push_back({"[" + std::string(kSection) + "]", fin_ligne});
        lignes.push_back({ligne_cle, fin_ligne});
    }

    std::string nouveau;
    nouveau.reserve(contenu.size() + 32);
    for (const Ligne& l : lignes)
        nouveau += l.texte + l.fin;
    remplace(chemin, nouveau);
}

} // namespace trelmo
