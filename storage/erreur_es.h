#pragma once
// Input/output error codes of the stored files and their fixed French texts.
#include <cstdint>
#include <initializer_list>
#include <string>

namespace trelmo {

// Codes with a text of their own.
constexpr int kEsIntrouvable = 2;       // "Fichier introuvable"
constexpr int kEsNomIncorrect = 3;      // "Nom de fichier incorrect"
constexpr int kEsTropDeFichiers = 4;    // "Trop de fichiers ouverts"
constexpr int kEsAccesRefuse = 5;       // "Accès au fichier refusé"
constexpr int kEsFinDeFichier = 100;    // "Lecture au-delà de la fin de fichier"
constexpr int kEsDisquePlein = 101;     // "Disque plein"
// Any other system error number e is reported as the code kEsAutre + e.
constexpr int kEsAutre = 1000;

// The text of an error code; "Erreur E/S <code>" for a code without its own text.
std::string texte_erreur_es(int code);

// The code of a system error number:
//   ENOENT -> 2; ENAMETOOLONG, EINVAL, ENOTDIR, ELOOP -> 3; EMFILE, ENFILE -> 4;
//   EACCES, EPERM, EROFS, EISDIR, ETXTBSY, EBUSY -> 5; ENOSPC, EDQUOT, EFBIG -> 101;
//   anything else -> 1000 + errno.
int code_erreur_es(int errno_value);

// Why a file could not be read or written (a system error number), in the
// interface language, for the game's own messages about its files.
std::string raison_erreur(int32_t langue, int err);

// The game's messages about its files, by id ("fichiers.lecture"...): French,
// English and German are built in (0, 1, 2; English for any other index);
// the window hands over its catalogues, which then give every language.
using TraducteurFichiers = std::string (*)(int32_t langue, const char* id);
void definir_traducteur_fichiers(TraducteurFichiers traducteur);
std::string texte_fichiers(int32_t langue, const char* id);
// The built-in text, whatever the window handed over ("" for an unknown id).
std::string texte_fichiers_integre(int32_t langue, const char* id);
// The ids of the messages, in a fixed order.
const char* const* ids_fichiers();   // ends with nullptr

// `modele` with its %1, %2... replaced by `valeurs`, in one pass (a "%2" in
// a value stays as it is).
std::string remplir(const std::string& modele, std::initializer_list<std::string> valeurs);

// Throws trelmo::Erreur(texte_erreur_es(code)).
[[noreturn]] void lever_erreur_es(int code);

} // namespace trelmo
