#pragma once
// One record file opened for reading and writing, with the error codes of
// erreur_es.h. The handle stays open until fermer(); a command cut short by an
// error leaves it open and the next ouvrir()/creer() closes it first.
#include <cstddef>
#include <cstdint>
#include <string>

namespace trelmo {

class FichierRecord {
public:
    FichierRecord() = default;
    ~FichierRecord();
    FichierRecord(const FichierRecord&) = delete;
    FichierRecord& operator=(const FichierRecord&) = delete;

    // Opens an existing file for reading and writing; false when that fails.
    bool ouvrir(const std::string& chemin);
    // Creates the file afresh (empty); throws the error of the failure.
    void creer(const std::string& chemin);
    // Reads n bytes at position 0 into dst. Answers 0 on success, else the
    // error code (100 when the file is too short); dst is then unchanged.
    int lire(uint8_t* dst, size_t n);
    // Writes n bytes at position 0; throws the error of a failure.
    void ecrire(const uint8_t* src, size_t n);
    // Closes the file; throws the error of a failure (the handle is released anyway).
    void fermer();
    bool ouvert() const { return fd_ >= 0; }

private:
    void lacher();   // closes without reporting
    int fd_ = -1;
};

} // namespace trelmo
