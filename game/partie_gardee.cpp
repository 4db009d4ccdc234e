#include "game/partie_gardee.h"

#include "game/jeu.h"

#include <charconv>
#include <sstream>

namespace trelmo {

namespace {

constexpr std::string_view kEntete = "trelmo-partie 1";

int32_t billes_de(const Grille& g)
{
    int32_t n = 0;
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r)
            n += g.bille(c, r);
    return n;
}

bool grille_valide(const Grille& g)
{
    for (int32_t v : g.v)
        if (v < -1 || v > 2)
            return false;
    return Jeu::niveau_de_grille(g) != 0;
}

bool etat_valide(const Grille& g, int32_t nb_repos)
{
    const int32_t billes = billes_de(g);
    return grille_valide(g) && billes >= 1 && nb_repos == kNbRepos - billes;
}

void ecrire_grille(std::ostringstream& o, const Grille& g)
{
    for (int32_t v : g.v)
        o << ' ' << v;
}

// Reads the words of one line as integers.
class Mots {
public:
    explicit Mots(std::string_view ligne) : reste_(ligne) {}
    std::string_view mot()
    {
        while (!reste_.empty() && reste_.front() == ' ')
            reste_.remove_prefix(1);
        const std::size_t fin = std::min(reste_.find(' '), reste_.size());
        std::string_view m = reste_.substr(0, fin);
        reste_.remove_prefix(fin);
        return m;
    }
    bool entier(int32_t& v)
    {
        const std::string_view m = mot();
        const auto r = std::from_chars(m.data(), m.data() + m.size(), v);
        return !m.empty() && r.ec == std::errc() && r.ptr == m.data() + m.size();
    }
    bool grille(Grille& g)
    {
        for (int32_t& v : g.v)
            if (!entier(v))
                return false;
        return true;
    }
    bool fini() { return mot().empty(); }

private:
    std::string_view reste_;
};

bool lire_pas(Mots& m, Historique::Etape& p)
{
    return m.entier(p.nb_repos) && m.entier(p.coup.de_col) && m.entier(p.coup.de_lig) && m.entier(p.coup.vers_col)
        && m.entier(p.coup.vers_lig) && m.grille(p.avant) && m.fini() && etat_valide(p.avant, p.nb_repos)
        && Grille::dans_grille(p.coup.de_col, p.coup.de_lig) && Grille::dans_grille(p.coup.vers_col, p.coup.vers_lig);
}

} // namespace

bool partie_en_cours(const Jeu& jeu)
{
    return !jeu.pas_de_partie && !jeu.fin_traitee;
}

PartieGardee garder(const Jeu& jeu, const std::string& probleme)
{
    PartieGardee p;
    p.grille = jeu.grille;
    p.nb_repos = jeu.nb_repos;
    p.heures = jeu.heures;
    p.minutes = jeu.minutes;
    p.secondes = jeu.secondes;
    p.probleme = jeu.probleme ? probleme : std::string();
    p.cible = jeu.probleme ? jeu.cible : 0;
    p.annulables = jeu.historique.annulables();
    p.refaisables = jeu.historique.refaisables();
    return p;
}

void reprendre(Jeu& jeu, const PartieGardee& p)
{
    jeu.annuler_prise();
    jeu.restaurer(p.grille, p.nb_repos, p.heures, p.minutes, p.secondes);
    jeu.texte_chrono = Jeu::remplir_zeros(p.heures, 2) + ":" + Jeu::remplir_zeros(p.minutes, 2) + ":"
        + Jeu::remplir_zeros(p.secondes, 2);
    jeu.affichage.chrono(jeu.texte_chrono);
    jeu.historique.remettre(p.annulables, p.refaisables);
    jeu.probleme = !p.probleme.empty() || p.cible != 0;
    jeu.cible = p.cible;
}

std::string en_texte(const PartieGardee& p)
{
    std::ostringstream o;
    o << kEntete << '\n';
    o << "temps " << p.heures << ' ' << p.minutes << ' ' << p.secondes << '\n';
    o << "probleme " << p.probleme << '\n';
    o << "cible " << p.cible << '\n';
    o << "position " << p.nb_repos;
    ecrire_grille(o, p.grille);
    o << '\n';
    for (const auto* liste : {&p.annulables, &p.refaisables})
        for (const Historique::Etape& s : *liste) {
            o << (liste == &p.annulables ? "annulable " : "refaisable ") << s.nb_repos << ' ' << s.coup.de_col << ' '
              << s.coup.de_lig << ' ' << s.coup.vers_col << ' ' << s.coup.vers_lig;
            ecrire_grille(o, s.avant);
            o << '\n';
        }
    return o.str();
}

std::optional<PartieGardee> depuis_texte(std::string_view texte)
{
    PartieGardee p;
    bool entete = false, temps = false, position = false;
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find('\n'), texte.size());
        const std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
        if (!entete) {
            if (ligne != kEntete)
                return std::nullopt;
            entete = true;
            continue;
        }
        if (ligne.empty())
            continue;
        Mots m(ligne);
        const std::string_view cle = m.mot();
        bool bon = false;
        if (cle == "temps") {
            bon = m.entier(p.heures) && m.entier(p.minutes) && m.entier(p.secondes) && m.fini() && p.heures >= 0
                && p.heures < 100 && p.minutes >= 0 && p.minutes < 60 && p.secondes >= 0 && p.secondes < 60;
            temps = bon;
        } else if (cle == "probleme") {
            p.probleme = std::string(m.mot());
            bon = m.fini() && p.probleme.size() <= 200;
        } else if (cle == "cible") {
            bon = m.entier(p.cible) && m.fini() && p.cible >= 0 && p.cible <= kNbTrous;
        } else if (cle == "position") {
            bon = m.entier(p.nb_repos) && m.grille(p.grille) && m.fini() && etat_valide(p.grille, p.nb_repos);
            position = bon;
        } else if (cle == "annulable" || cle == "refaisable") {
            Historique::Etape s;
            bon = lire_pas(m, s) && (cle == "annulable" ? p.annulables : p.refaisables).size() < kNbRepos;
            (cle == "annulable" ? p.annulables : p.refaisables).push_back(s);
        }
        if (!bon)
            return std::nullopt;
    }
    if (!entete || !temps || !position)
        return std::nullopt;
    return p;
}

} // namespace trelmo
