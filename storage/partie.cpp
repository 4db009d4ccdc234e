#include "storage/partie.h"

#include "game/erreur.h"
#include "storage/cp1252.h"
#include "storage/entier.h"
#include "storage/erreur_es.h"
#include "storage/fichier.h"
#include "storage/octets.h"

#include <cerrno>
#include <unistd.h>
#include <optional>

namespace trelmo {

std::string Partie::nom() const { return lit_chaine_courte(&octets[kNom], 15); }
void Partie::set_nom(std::string_view utf8) { ecrit_chaine_courte(&octets[kNom], 15, utf8); }
std::string Partie::temps() const { return lit_chaine_courte(&octets[kTemps], 10); }
void Partie::set_temps(std::string_view utf8) { ecrit_chaine_courte(&octets[kTemps], 10, utf8); }
int16_t Partie::repos() const { return lit_i16(&octets[kRepos]); }
void Partie::set_repos(int16_t v) { ecrit_i16(&octets[kRepos], v); }

void Partie::lire_grille(Grille& grille) const
{
    for (size_t i = 0; i < grille.v.size(); ++i)
        grille.v[i] = lit_i32(&octets[kCases + 4 * i]);
}

void Partie::ecrire_grille(const Grille& grille)
{
    for (size_t i = 0; i < grille.v.size(); ++i)
        ecrit_i32(&octets[kCases + 4 * i], grille.v[i]);
}

static_assert(Partie::kCases + 4 * kColonnes * kLignes * kDirections == Partie::kTaille);

SauvegardePartie::SauvegardePartie(std::string repertoire) : repertoire_(std::move(repertoire)) {}

std::string SauvegardePartie::chemin() const { return repertoire_ + "GAME"; }

bool SauvegardePartie::lit_partie()
{
    std::array<uint8_t, Partie::kTaille> lu{};
    size_t n = 0;
    int err = lire_debut(chemin(), lu.data(), lu.size(), &n);
    if (err == ENOENT) {
        // Marked empty, unless another instance saved a game meanwhile.
        VerrouDossier verrou(repertoire_);
        err = lire_debut(chemin(), lu.data(), lu.size(), &n);
        if (err == ENOENT) {
            partie.set_repos(-1);
            if (const int e = remplacer_fichier(chemin(), partie.octets.data(), Partie::kTaille, false); e != 0)
                lever_erreur_es(code_erreur_es(e));
            return false;
        }
    }
    if (err != 0)
        lever_erreur_es(code_erreur_es(err));
    if (n < Partie::kTaille)
        return false;   // created half-way by an older version, or cut: nothing to restore
    partie.octets = lu;
    return partie.repos() != -1;
}

bool SauvegardePartie::coherente(const Partie& p)
{
    const int repos = p.repos();
    if (repos < 0 || repos > kNbRepos)
        return false;
    Grille g;
    p.lire_grille(g);
    int billes = 0;
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r)
            billes += g.bille(c, r) ? 1 : 0;
    // A board without a marble is no game that can be played on.
    return billes > 0 && repos == kNbRepos - billes;
}

namespace {

// Characters debut..debut+1 (counted from 1) of the stored time, as an integer.
std::optional<int32_t> compteur(std::string_view temps, size_t debut)
{
    const std::string_view morceau = debut - 1 < temps.size() ? temps.substr(debut - 1, 2) : std::string_view{};
    return entier_depuis_texte(morceau);
}

// The stored time, as stored (Windows-1252): "HH:MM:SS".
std::string_view temps_stocke(const Partie& p)
{
    return octets_chaine_courte(&p.octets[Partie::kTemps], 10);
}

} // namespace

bool SauvegardePartie::temps_lisible(const Partie& p)
{
    return duree(p).has_value();
}

std::optional<SauvegardePartie::Duree> SauvegardePartie::duree(const Partie& p)
{
    const std::string_view temps = temps_stocke(p);
    const std::optional<int32_t> h = compteur(temps, 1), m = compteur(temps, 4), s = compteur(temps, 7);
    if (!h || !m || !s)
        return std::nullopt;
    return Duree{*h, *m, *s};
}

void SauvegardePartie::enregistrer(std::string_view nom, std::string_view temps, int32_t repos, const Grille& grille)
{
    VerrouDossier verrou(repertoire_);
    Partie p = partie;
    size_t n = 0;
    if (std::array<uint8_t, Partie::kTaille> lu{}; lire_debut(chemin(), lu.data(), lu.size(), &n) == 0 && n == lu.size())
        p.octets = lu;
    p.set_nom(nom);
    p.set_temps(temps);
    p.set_repos(static_cast<int16_t>(repos));
    p.ecrire_grille(grille);
    nettoyer_temporaires(chemin());
    if (const int e = remplacer_fichier(chemin(), p.octets.data(), Partie::kTaille, true); e != 0)
        lever_erreur_es(code_erreur_es(e));
    partie = p;
}

std::string SauvegardePartie::chemin_probleme() const { return chemin() + ".probleme"; }

uint64_t SauvegardePartie::empreinte() const
{
    return empreinte_fichier(chemin(), kMaxPartieLongue);
}

void SauvegardePartie::noter_probleme(const std::string& id, uint64_t empreinte_partie) const
{
    if (id.empty()) {
        ::unlink(chemin_probleme().c_str());   // a link in its place goes, not what it names
        return;
    }
    const std::string texte = id + "\n" + std::to_string(empreinte_partie) + "\n";
    VerrouDossier verrou(repertoire_);
    nettoyer_temporaires(chemin_probleme());
    // Without it the saved game is restored as a plain game: nothing to tell.
    (void)remplacer_fichier(chemin_probleme(), reinterpret_cast<const uint8_t*>(texte.data()), texte.size(), false);
}

std::string SauvegardePartie::probleme_note() const
{
    std::string texte;
    if (lire_fichier(chemin_probleme(), texte, kMaxTexte) != 0)
        return {};
    const size_t fin_id = texte.find('\n');
    if (fin_id == std::string::npos || fin_id == 0)
        return {};
    const size_t fin_empreinte = texte.find('\n', fin_id + 1);
    const std::string empreinte_notee =
        texte.substr(fin_id + 1, fin_empreinte == std::string::npos ? std::string::npos : fin_empreinte - fin_id - 1);
    const uint64_t actuelle = empreinte();
    if (actuelle == 0 || empreinte_notee != std::to_string(actuelle))
        return {};
    return texte.substr(0, fin_id);
}

} // namespace trelmo
