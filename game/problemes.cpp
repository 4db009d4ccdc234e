// The problems catalogue and its parser. The format
// is described at the head of resources/problemes.txt.
#include "game/problemes.h"

#include "game/geometrie.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <set>
#include <stdexcept>
#include <utility>

namespace trelmo {

namespace {

[[noreturn]] void erreur(int ligne, const std::string& message)
{
    throw std::runtime_error("problems, line " + std::to_string(ligne) + ": " + message);
}

std::string_view sans_blancs(std::string_view s)
{
    const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blanc(s.back()))
        s.remove_suffix(1);
    return s;
}

bool id_valide(std::string_view id)
{
    return !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

std::string remplacer(std::string texte, std::string_view cle, const std::string& valeur)
{
    for (std::size_t i = texte.find(cle); i != std::string::npos; i = texte.find(cle, i + valeur.size()))
        texte.replace(i, cle.size(), valeur);
    return texte;
}

constexpr std::string_view kLangues[3] = {"fr", "en", "de"};

// One board picture, as read: the marbles, the empty holes and the marked targets.
struct Image {
    int ligne = 0;          // its first line
    Masque billes = 0;
    Masque vides = 0;
    std::vector<int> cibles;
};

// One block of the file: a problem or a series, with what it has gathered so far.
struct Bloc {
    bool serie = false;
    int ligne = 0;
    std::string id;
    int32_t niveau = 0;
    std::array<std::optional<std::string>, 3> noms;
    std::array<std::optional<std::string>, 3> modeles;   // series: the problems' names
    bool symetries = false;
    std::vector<Image> images;
};

class Lecteur {
public:
    std::vector<Probleme> lire(std::string_view texte)
    {
        int numero = 0;
        while (!texte.empty()) {
            const std::size_t fin = texte.find('\n');
            const std::string_view ligne = texte.substr(0, fin);
            texte = fin == std::string_view::npos ? std::string_view{} : texte.substr(fin + 1);
            traiter(++numero, ligne);
        }
        fermer_image();
        fermer_bloc();
        return std::move(sortie_);
    }

private:
    void traiter(int numero, std::string_view brute)
    {
        std::string_view ligne = brute;
        while (!ligne.empty() && (ligne.back() == ' ' || ligne.back() == '\t' || ligne.back() == '\r'))
            ligne.remove_suffix(1);
        const std::string_view net = sans_blancs(ligne);
        if (net.empty()) {
            fermer_image();
            return;
        }
        if (net.front() == '#')
            return;
        if (ligne.find_first_not_of(" o.@*") == std::string_view::npos) {
            ligne_image(numero, ligne);
            return;
        }
        fermer_image();
        const std::size_t espace = net.find_first_of(" \t");
        const std::string_view mot = net.substr(0, espace);
        const std::string_view reste = espace == std::string_view::npos ? std::string_view{} : sans_blancs(net.substr(espace));
        mot_cle(numero, mot, reste);
    }

    void mot_cle(int numero, std::string_view mot, std::string_view reste)
    {
        if (mot == "probleme" || mot == "serie") {
            fermer_bloc();
            if (!id_valide(reste))
                erreur(numero, "an id is made of a-z, 0-9 and '-', got \"" + std::string(reste) + "\"");
            bloc_ = Bloc{};
            bloc_->serie = mot == "serie";
            bloc_->ligne = numero;
            bloc_->id = std::string(reste);
            return;
        }
        if (!bloc_)
            erreur(numero, "\"" + std::string(mot) + "\" before any \"probleme\" or \"serie\"");
        Bloc& b = *bloc_;
        if (!b.images.empty())
            erreur(numero, "\"" + std::string(mot) + "\" after the picture");
        if (mot == "plateau") {
            if (b.niveau != 0)
                erreur(numero, "second \"plateau\"");
            if (reste == "anglais")
                b.niveau = 1;
            else if (reste == "francais")
                b.niveau = 2;
            else if (reste == "mission")
                b.niveau = 3;
            else
                erreur(numero, "unknown board \"" + std::string(reste) + "\" (anglais, francais or mission)");
            return;
        }
        if (mot == "symetrique" && b.serie && reste.empty()) {
            b.symetries = true;
            return;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const bool nom = mot == kLangues[i];
            const bool modele = b.serie && mot.size() == 6 && mot.substr(0, 4) == "nom-" && mot.substr(4) == kLangues[i];
            if (!nom && !modele)
                continue;
            auto& champ = nom ? b.noms[i] : b.modeles[i];
            if (champ)
                erreur(numero, "second \"" + std::string(mot) + "\"");
            if (reste.empty())
                erreur(numero, "empty name");
            champ = std::string(reste);
            return;
        }
        erreur(numero, "unknown line \"" + std::string(mot) + "\"");
    }

    void ligne_image(int numero, std::string_view ligne)
    {
        if (!bloc_)
            erreur(numero, "picture before any \"probleme\" or \"serie\"");
        if (bloc_->niveau == 0)
            erreur(numero, "picture before \"plateau\"");
        if (image_.empty())
            debut_image_ = numero;
        image_.emplace_back(ligne);
    }

    // Reads the picture gathered so far, if any.
    void fermer_image()
    {
        if (image_.empty())
            return;
        Bloc& b = *bloc_;
        const int lignes = b.niveau == 3 ? 9 : 7;
        const int decalage = b.niveau == 3 ? 1 : 2;   // grid column and row of the picture's first cell
        if (static_cast<int>(image_.size()) != lignes)
            erreur(debut_image_, "this board's picture has " + std::to_string(lignes) + " lines, not "
                                     + std::to_string(image_.size()));
        if (!b.serie && !b.images.empty())
            erreur(debut_image_, "a problem has one picture");
        Image img;
        img.ligne = debut_image_;
        for (int i = 0; i < lignes; ++i) {
            const std::string& texte = image_[static_cast<std::size_t>(i)];
            const int ligne = debut_image_ + i;
            const int r = i + decalage;
            if (texte.size() > static_cast<std::size_t>(2 * lignes - 1))
                erreur(ligne, "picture line longer than the board");
            for (int j = 0; j < lignes; ++j) {
                const auto pos = static_cast<std::size_t>(2 * j);
                const char car = pos < texte.size() ? texte[pos] : ' ';
                if (pos + 1 < texte.size() && texte[pos + 1] != ' ')
                    erreur(ligne, "holes are written one space apart");
                const int c = j + decalage;
                const bool trou = trou_du_niveau(b.niveau, c, r);
                const int n = numero_trou(c, r);
                if (car == ' ') {
                    if (trou)
                        erreur(ligne, "hole " + nom_du_trou(n) + " missing from the picture");
                    continue;
                }
                if (!trou)
                    erreur(ligne, "column " + std::to_string(j + 1) + " is not a hole of this board");
                if (car == 'o' || car == '@')
                    img.billes |= bit(n);
                else
                    img.vides |= bit(n);
                if (car == '@' || car == '*')
                    img.cibles.push_back(n);
            }
        }
        if (b.serie) {
            if (std::popcount(img.vides) != 1)
                erreur(debut_image_, "a series picture has exactly one empty hole");
            if (img.cibles.empty())
                erreur(debut_image_, "a series picture marks at least one target");
        } else {
            if (img.cibles.size() > 1)
                erreur(debut_image_, "a problem has at most one target");
            if (img.billes == 0)
                erreur(debut_image_, "a problem starts with at least one marble");
        }
        b.images.push_back(std::move(img));
        image_.clear();
    }

    void fermer_bloc()
    {
        if (!bloc_)
            return;
        const Bloc b = std::move(*bloc_);
        bloc_.reset();
        const auto manque = [&](const std::string& quoi) { erreur(b.ligne, b.id + ": no " + quoi); };
        if (b.niveau == 0)
            manque("\"plateau\"");
        for (std::size_t i = 0; i < 3; ++i) {
            if (!b.noms[i])
                manque("\"" + std::string(kLangues[i]) + "\" name");
            if (b.serie && !b.modeles[i])
                manque("\"nom-" + std::string(kLangues[i]) + "\" name");
        }
        if (b.images.empty())
            manque("picture");

        if (!b.serie) {
            Probleme p;
            p.id = b.id;
            p.niveau = b.niveau;
            for (std::size_t i = 0; i < 3; ++i)
                p.noms[i] = *b.noms[i];
            p.billes = b.images[0].billes;
            p.cible = b.images[0].cibles.empty() ? 0 : b.images[0].cibles[0];
            ajouter(std::move(p), b.ligne);
            return;
        }

        // Every (start, target) pair of the pictures, with their images under
        // the board's symmetries when asked; sorted by start, then target.
        std::set<std::pair<int, int>> paires;
        std::vector<std::pair<std::pair<int, int>, int>> ordre;
        for (const Image& img : b.images) {
            const int depart = std::countr_zero(img.vides) + 1;
            for (int s = 0; s < (b.symetries ? 8 : 1); ++s)
                for (int cible : img.cibles) {
                    const std::pair<int, int> paire{symetrique(s, depart), symetrique(s, cible)};
                    if (paires.insert(paire).second)
                        ordre.push_back({paire, img.ligne});
                }
        }
        std::sort(ordre.begin(), ordre.end());
        const Masque trous = trous_du_niveau(b.niveau);
        for (const auto& [paire, ligne] : ordre) {
            Probleme p;
            p.niveau = b.niveau;
            p.groupe = b.id;
            p.depart = paire.first;
            p.cible = paire.second;
            p.billes = trous & ~bit(p.depart);
            p.id = b.id + "-" + nom_du_trou(p.depart) + "-" + nom_du_trou(p.cible);
            for (std::size_t i = 0; i < 3; ++i) {
                p.noms_groupe[i] = *b.noms[i];
                p.noms[i] = remplacer(remplacer(*b.modeles[i], "{depart}", nom_du_trou(p.depart)), "{cible}",
                                      nom_du_trou(p.cible));
            }
            ajouter(std::move(p), ligne);
        }
    }

    void ajouter(Probleme p, int ligne)
    {
        if (!ids_.insert(p.id).second)
            erreur(ligne, "id \"" + p.id + "\" used twice");
        sortie_.push_back(std::move(p));
    }

    std::vector<Probleme> sortie_;
    std::set<std::string> ids_;
    std::optional<Bloc> bloc_;
    std::vector<std::string> image_;
    int debut_image_ = 0;
};

} // namespace

std::vector<Probleme> lire_catalogue(std::string_view texte)
{
    return Lecteur{}.lire(texte);
}

int nb_billes(const Probleme& p)
{
    return std::popcount(p.billes);
}

} // namespace trelmo
