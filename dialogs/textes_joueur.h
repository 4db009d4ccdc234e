#pragma once
// The ids of the texts of the problem editor, the player's problems, the
// position as text, watching the solution and the game kept at exit, as the
// catalogues hold them (the catalogue tests list them from here).
namespace trelmo {

// Null-terminated.
const char* const* ids_joueur();
// Whether the text takes a number (texte_n).
bool pluriel_joueur(const char* id);

} // namespace trelmo
