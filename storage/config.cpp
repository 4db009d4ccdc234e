#include "storage/config.h"

#include "storage/erreur_es.h"
#include "storage/octets.h"

#include <algorithm>
#include <stdexcept>

namespace trelmo {

namespace {

constexpr size_t kSlotNom = Config::kCapaciteNom + 1;
constexpr size_t kSlotDuree = Config::kCapaciteDuree + 1;
constexpr int32_t kBillesDefaut = 44;

size_t verifie_rang(int rang)
{
    if (rang < 0 || rang > Config::kRangs)
        throw std::out_of_range("rang hors du tableau des scores");
    return static_cast<size_t>(rang);
}

} // namespace

int32_t Config::no_texture_bille() const { return lit_i32(&octets[kTextureBille]); }
void Config::set_no_texture_bille(int32_t v) { ecrit_i32(&octets[kTextureBille], v); }
int32_t Config::no_texture_plateau() const { return lit_i32(&octets[kTexturePlateau]); }
void Config::set_no_texture_plateau(int32_t v) { ecrit_i32(&octets[kTexturePlateau], v); }
int32_t Config::niveau() const { return lit_i32(&octets[kNiveau]); }
void Config::set_niveau(int32_t v) { ecrit_i32(&octets[kNiveau], v); }

std::string Config::nom(int rang) const
{
    return lit_chaine_courte(&octets[kNoms + kSlotNom * verifie_rang(rang)], kCapaciteNom);
}

void Config::set_nom(int rang, std::string_view utf8)
{
    ecrit_chaine_courte(&octets[kNoms + kSlotNom * verifie_rang(rang)], kCapaciteNom, utf8);
}

std::string Config::duree(int rang) const
{
    return lit_chaine_courte(&octets[kDurees + kSlotDuree * verifie_rang(rang)], kCapaciteDuree);
}

void Config::set_duree(int rang, std::string_view utf8)
{
    ecrit_chaine_courte(&octets[kDurees + kSlotDuree * verifie_rang(rang)], kCapaciteDuree, utf8);
}

int32_t Config::billes(int rang) const { return lit_i32(&octets[kBilles + 4 * verifie_rang(rang)]); }
void Config::set_billes(int rang, int32_t v) { ecrit_i32(&octets[kBilles + 4 * verifie_rang(rang)], v); }

std::string Config::nom_logiciel() const { return lit_chaine_courte(&octets[kNomLogiciel], 31); }
void Config::set_nom_logiciel(std::string_view utf8) { ecrit_chaine_courte(&octets[kNomLogiciel], 31, utf8); }

Reglages::Reglages(std::string repertoire) : repertoire_(std::move(repertoire)) {}

std::string Reglages::chemin() const { return repertoire_ + "TRL.CFG"; }

void Reglages::config_defaut()
{
    config.set_no_texture_bille(1);
    config.set_no_texture_plateau(1);
    config.set_niveau(1);
    std::fill_n(&config.octets[Config::kReserve], Config::kTailleReserve, uint8_t{0});
    for (int r = 1; r <= Config::kRangs; ++r) {
        config.octets[Config::kNoms + kSlotNom * static_cast<size_t>(r)] = 0;
        config.octets[Config::kDurees + kSlotDuree * static_cast<size_t>(r)] = 0;
        config.set_billes(r, kBillesDefaut);
    }
}

void Reglages::cree_defaut()
{
    fichier_.creer(chemin());
    config_defaut();
    ecrit_config();
}

void Reglages::ouvre_config()
{
    if (!fichier_.ouvrir(chemin()))
        cree_defaut();
}

void Reglages::lit_config()
{
    if (fichier_.lire(config.octets.data(), Config::kTaille) != 0)
        cree_defaut();
    config.set_nom_logiciel("Trelmo");
}

void Reglages::ecrit_config()
{
    config.set_nom_logiciel("Trelmo");
    fichier_.ecrire(config.octets.data(), Config::kTaille);
}

void Reglages::ferme_config()
{
    fichier_.fermer();
}

void Reglages::recharger()
{
    ouvre_config();
    lit_config();
    ferme_config();
}

void Reglages::enregistrer()
{
    ouvre_config();
    ecrit_config();
    ferme_config();
}

void Reglages::insere_score(int32_t billes, std::string_view duree, const std::function<void()>& demander_nom)
{
    int rang = 1;
    while (rang <= Config::kRangs && config.billes(rang) < billes)
        ++rang;
    if (rang > Config::kRangs)
        return;

    if (demander_nom)
        demander_nom();

    for (int j = Config::kRangs - 1; j >= rang; --j) {
        const auto ju = static_cast<size_t>(j);
        std::copy_n(&config.octets[Config::kNoms + kSlotNom * ju], kSlotNom,
                    &config.octets[Config::kNoms + kSlotNom * (ju + 1)]);
        std::copy_n(&config.octets[Config::kDurees + kSlotDuree * ju], kSlotDuree,
                    &config.octets[Config::kDurees + kSlotDuree * (ju + 1)]);
        config.set_billes(j + 1, config.billes(j));
    }
    config.set_nom(rang, nom_joueur);
    config.set_billes(rang, billes);
    config.set_duree(rang, duree);
}

} // namespace trelmo
