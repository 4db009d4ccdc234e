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
#include <vector>

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

// The board texture index that Reglages::recharger() would find in the
// record of the program directory `repertoire` (ending with '/'), read
// without writing anything: 1 for a missing, short or unreadable file, as
// for an index out of range.
int32_t texture_plateau_enregistree(const std::string& repertoire);

class Reglages {
public:
    // repertoire: the program directory, ending with '/'.
    explicit Reglages(std::string repertoire);

    Config config;
    std::string nom_joueur;   // UTF-8, empty at start

    // Told once per run, in the interface language, when "TRL.CFG" cannot be
    // read or written: the game goes on with the settings in memory. Without
    // it, that first message is thrown as an Erreur instead. Later failures
    // say nothing.
    std::function<void(const std::string&)> avertir;
    void definir_langue(int32_t langue);   // of the messages, see texte_fichiers()

    std::string chemin() const;   // repertoire + "TRL.CFG"

    // Defaults: textures and variant 1, reserved bytes zero, ranks 1-10 empty
    // with 44 marbles left. Slot 0 and nom_logiciel are left alone.
    void config_defaut();

    // Reads the record into `config`, then re-applies the changes of this
    // instance that no store has written yet. A missing file is created with
    // the defaults. A file too short to hold the record is first kept as
    // "TRL.CFG.bak", or "TRL.CFG.bak2", "3"... when that name is taken
    // (unless one of them holds the same bytes), then replaced by the
    // defaults. A file that cannot be read leaves `config` as it was (the
    // defaults if nothing was ever read). Texture indexes out of range (board
    // 1-4, marbles 1-7) read as 1. Sets nom_logiciel to "Trelmo".
    void recharger();
    // Writes the changes this instance made since it last read or wrote the
    // file (the variant, a texture, a top-ten row, any other field changed
    // in `config`) into the file as it is now, so that another instance
    // running in the same directory keeps what it stored meanwhile; `config`
    // then holds the record written. A new top-ten row goes into the table
    // as it is now, by the ranking rule of insere_score. The file is read
    // and replaced under a lock on the directory, in one rename. A file
    // longer than the record keeps its tail.
    void enregistrer();

    // Top-ten insertion of a result of `billes` marbles left, finished in
    // `duree` (the chronometer's text). When the result enters the table,
    // demander_nom (the modal name dialog, which sets nom_joueur) runs before
    // the row is written. Changes only the table in `config`; no file access.
    void insere_score(int32_t billes, std::string_view duree, const std::function<void()>& demander_nom);

private:
    struct Insertion {
        std::string nom, duree;
        int32_t billes;
    };
    enum class Echec { Lecture, Ecriture };

    // The record on disk: read, or the defaults (missing or too short file;
    // err then tells why keeping the short file aside failed), or unreadable.
    struct Disque {
        enum Etat { Lu, Defauts, Illisible } etat;
        int err;
    };
    Disque lit_disque(Config& disque) const;
    Config fusion(const Config& disque) const;
    void synchronise(bool ecrire);           // recharger (false), enregistrer (true)
    void adopte(const Config& ecrit);        // the record on disk is ours now
    void signale(Echec echec, int err);

    std::string repertoire_;
    int32_t langue_ = 0;
    Config base_;                        // the record as last read or written
    std::vector<Insertion> insertions_;  // top-ten rows since then
    bool charge_ = false;                // `config` holds a usable record
    bool averti_ = false;
};

} // namespace trelmo
