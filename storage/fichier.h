#pragma once
// Whole-file operations of the stored files. A file is read from position 0
// and replaced, never rewritten in place: the new content goes to a
// temporary file beside it, which is synced and then renamed over the old
// name, so the file is always either the old one or the new one, whole.
// Functions answer 0 or the system error number (errno) of the failure.
#include <cstddef>
#include <cstdint>
#include <string>

namespace trelmo {

// Reads up to n bytes from position 0 into dst; *lus gets how many were read
// (fewer than n when the file is shorter). A symbolic link is followed.
// Anything but a regular file is refused: EISDIR for a directory, else EINVAL.
int lire_debut(const std::string& chemin, uint8_t* dst, size_t n, size_t* lus);

// Reads a whole text file into `contenu`, as lire_debut() opens it (a pipe
// or a device in its place never makes it wait). A file longer than `max`
// bytes is not read: EFBIG.
int lire_fichier(const std::string& chemin, std::string& contenu, size_t max);

// Largest sizes of the text files the game reads.
constexpr size_t kMaxTexte = 64 * 1024;          // trelmo.ini, GAME.probleme
constexpr size_t kMaxJson = 4 * 1024 * 1024;     // statistiques.json

// A fingerprint of a file's bytes (FNV-1a 64 bits), the file read whole up
// to `max` bytes; 0 for a file that cannot be read or is longer.
uint64_t empreinte_fichier(const std::string& chemin, size_t max);

// Replaces the file by one that starts with the n bytes of src. With
// garder_queue, the bytes the old file holds past n follow them, as they
// were. The old file's permissions are kept. A symbolic link in the file's
// place is replaced, not followed (neither its target's tail nor its target
// is touched). An existing file that may not be written (read-only) is left
// alone: EACCES. A directory in the file's place: EISDIR. On failure the
// temporary file is removed and the old file is untouched.
int remplacer_fichier(const std::string& chemin, const uint8_t* src, size_t n, bool garder_queue);

// Removes the temporary files that writes of `chemin` killed half-way left
// in its directory. One that a running write still holds is kept.
void nettoyer_temporaires(const std::string& chemin);

// The directory part of a path ("." when there is none).
std::string dossier_de(const std::string& chemin);

// Exclusive advisory lock (flock) on a directory, held while the object
// lives. The lock is taken on the directory itself, not on a file in it:
// the files are replaced by rename, so a lock on one of them would be on an
// inode that the next write swaps out, and a separate lock file would have
// to be created (impossible in a read-only directory) and would be left
// lying in the program directory. When the directory cannot be locked (a
// file system without flock on directories) the work goes on unlocked.
class VerrouDossier {
public:
    explicit VerrouDossier(const std::string& dossier);
    ~VerrouDossier();
    VerrouDossier(const VerrouDossier&) = delete;
    VerrouDossier& operator=(const VerrouDossier&) = delete;
    bool tenu() const { return tenu_; }

private:
    int fd_ = -1;
    bool tenu_ = false;
};

} // namespace trelmo
