#pragma once
// The settings-and-scores record "TRL.CFG" (396 bytes, little-endian):
//   0   32  nom_logiciel, short string of capacity 31, "Trelmo" on every read and write
//   32  11  reserved, kept as read
//   43   4  no_texture_bille      47  4  no_texture_plateau      51  4  niveau
//   55 176  noms:   11 slots of 16 bytes (short strings of capacity 15)
//   231 121 durees: 11 slots of 11 bytes (short strings of capacity 10)
//   352  44 billes: 11 signed 32-bit values
// Slot 0 of the three tables is never used and keeps its bytes; ranks 1-10 follow.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "storage/fichier.h"

namespace trelmo {

class Config {
public:
    static constexpr size_t kTaille = 396;
    static constexpr size_t kNomLogiciel = 0;
    static constexpr size_t kReserve = 32;
    static constexpr size_t kTailleReserve = 11;
    static constexpr size_t kTextureBille = 43;
    static constexpr size_t kTexturePlateau = 47;
    static constexpr size_t kNiveau = 51;
    static constexpr size_t kNoms = 55;
    static constexpr size_t kDurees = 231;
    static constexpr size_t kBilles = 352;
    static constexpr size_t kCapaciteNom = 15;
    static constexpr size_t kCapaciteDuree = 10;
    static constexpr int kRangs = 10;   // ranks 1-10; slot 0 unused

    std::array<uint8_t, kTaille> octets{};

    int32_t no_texture_bille() const;   void set_no_texture_bille(int32_t);
    int32_t no_texture_plateau() const; void set_no_texture_plateau(int32_t);
    int32_t niveau() const;             void set_niveau(int32_t);
    // rang 0-10 (std::out_of_range otherwise). Texts are UTF-8, stored in
    // Windows-1252 and cut to 15 (name) or 10 (duration) characters.
    std::string nom(int rang) const;    void set_nom(int rang, std::string_view utf8);
    std::string duree(int rang) const;  void set_duree(int rang, std::string_view utf8);
    int32_t billes(int rang) const;     void set_billes(int rang, int32_t);

    std::string nom_logiciel() const;
    void set_nom_logiciel(std::string_view utf8);

    bool operator==(const Config&) const = default;
};

class Reglages {
public:
    // repertoire: the program directory, ending with '/'.
    explicit Reglages(std::string repertoire);

    Config config;
    std::string nom_joueur;   // UTF-8, empty at start

    std::string chemin() const;   // repertoire + "TRL.CFG"

    // Defaults: textures and variant 1, reserved bytes zero, ranks 1-10 empty
    // with 44 marbles left. Slot 0 and nom_logiciel are left alone.
    void config_defaut();
    // Opens the file; one that cannot be opened is created afresh with the
    // defaults written into it. Does not read.
    void ouvre_config();
    // Reads the record; a record that cannot be read whole is replaced by the
    // defaults (the file is created afresh). Sets nom_logiciel to "Trelmo".
    void lit_config();
    // Sets nom_logiciel to "Trelmo" and writes the record.
    void ecrit_config();
    void ferme_config();

    void recharger();    // ouvre_config, lit_config, ferme_config
    void enregistrer();  // ouvre_config, ecrit_config, ferme_config

    // Top-ten insertion of a result of `billes` marbles left, finished in
    // `duree` (the chronometer's text). When the result enters the table,
    // demander_nom (the modal name dialog, which sets nom_joueur) runs before
    // the row is written. Changes only the table in `config`; no file access.
    void insere_score(int32_t billes, std::string_view duree, const std::function<void()>& demander_nom);

private:
    void cree_defaut();   // create afresh, defaults, write
    std::string repertoire_;
    FichierRecord fichier_;
};

} // namespace trelmo
