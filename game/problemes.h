#pragma once
// The classic problems: a start position on one of the three boards, and
// either "finish with one marble" or "finish with one marble on this hole".
// The catalogue is a text compiled into the program (resources/problemes.txt,
// whose head describes the format). Standard library only.
#include "game/geometrie.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trelmo {

struct Probleme {
    std::string id;                    // stable, unique, [a-z0-9-]: keys the statistics and the saved games
    int32_t niveau = 1;                // board: 1 English, 2 French, 3 the 45-hole board
    std::array<std::string, 3> noms;   // French, English, German (UTF-8)
    std::string groupe;                // "" or the group it belongs to
    std::uint64_t billes = 0;          // bit n-1: hole n (1-49) holds a marble at the start
    int cible = 0;                     // 0, or the hole the last marble must stand on

    // Problems of a group share these.
    std::array<std::string, 3> noms_groupe;   // the group's name, French, English, German
    int depart = 0;                    // in a group of one-hole starts: the hole that starts empty

    const std::string& nom(int32_t langue) const { return noms[langue >= 0 && langue <= 2 ? langue : 1]; }
    bool operator==(const Probleme&) const = default;
};

// Parses a catalogue; throws std::runtime_error naming the line on bad input
// (unknown board, picture not fitting the board's holes, duplicate id, ...).
std::vector<Probleme> lire_catalogue(std::string_view texte);

// The compiled-in catalogue, parsed on first use (thread-safe). Defined beside
// the compiled-in text (library trelmo_problemes, which trelmo_resources links).
const std::vector<Probleme>& catalogue();
const Probleme* probleme(std::string_view id);     // nullptr when unknown

// Marbles a problem starts with.
int nb_billes(const Probleme& p);

} // namespace trelmo
