#include "storage/mes_problemes.h"

#include "storage/fichier.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <sys/stat.h>

namespace trelmo {

namespace {

constexpr std::string_view kEntete = "trelmo-mes-problemes 1";
constexpr std::size_t kMaxFichier = 1024 * 1024;
constexpr std::size_t kMaxNom = 200;

std::string propre(const std::string& nom)
{
    std::string r;
    for (char c : nom)
        r += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    if (r.size() > kMaxNom)
        r.resize(kMaxNom);
    return r;
}

std::vector<std::string_view> couper(std::string_view s, char sep)
{
    std::vector<std::string_view> v;
    for (;;) {
        const std::size_t n = s.find(sep);
        v.push_back(s.substr(0, n));
        if (n == std::string_view::npos)
            return v;
        s.remove_prefix(n + 1);
    }
}

template <class T>
bool nombre(std::string_view s, T& v, int base = 10)
{
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v, base);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

} // namespace

MesProblemes::Etat MesProblemes::charger()
{
    liste_.clear();
    cote_.clear();
    protege_ = false;
    suivant_ = 1;
    std::string contenu;
    const int err = lire_fichier(chemin(), contenu, kMaxFichier);
    if (err == ENOENT)
        return Etat::absent;
    bool bon = err == 0;
    if (bon) {
        if (!contenu.empty() && contenu.back() == '\n')
            contenu.pop_back();
        const std::vector<std::string_view> lignes = couper(contenu, '\n');
        bon = !lignes.empty() && lignes[0] == kEntete;
        for (std::size_t i = 1; bon && i < lignes.size(); ++i) {
            const std::vector<std::string_view> f = couper(lignes[i], '\t');
            MonProbleme p;
            int32_t numero = 0;
            bon = f.size() == 5 && f[0].size() > 1 && f[0][0] == 'm' && nombre(f[0].substr(1), numero)
                && numero > 0 && nombre(f[1], p.niveau) && p.niveau >= 1 && p.niveau <= 3 && nombre(f[2], p.billes, 16)
                && nombre(f[3], p.cible) && p.cible >= 0 && p.cible <= 49 && f[4].size() <= kMaxNom
                && !trouver(std::string(f[0]));
            if (bon) {
                p.id = std::string(f[0]);
                p.nom = std::string(f[4]);
                suivant_ = std::max(suivant_, numero + 1);
                liste_.push_back(std::move(p));
            }
        }
    }
    if (bon)
        return Etat::bon;
    liste_.clear();
    std::string cote = chemin() + ".endommage";
    struct stat st{};
    for (int n = 2; ::lstat(cote.c_str(), &st) == 0; ++n)
        cote = chemin() + ".endommage" + std::to_string(n);
    if (std::rename(chemin().c_str(), cote.c_str()) != 0) {
        protege_ = true;
        return Etat::illisible;
    }
    cote_ = cote;
    return Etat::mis_de_cote;
}

const MonProbleme* MesProblemes::trouver(const std::string& id) const
{
    for (const MonProbleme& p : liste_)
        if (p.id == id)
            return &p;
    return nullptr;
}

int MesProblemes::ajouter(MonProbleme p)
{
    p.id = "m" + std::to_string(suivant_++);
    p.nom = propre(p.nom);
    liste_.push_back(std::move(p));
    return ecrire();
}

int MesProblemes::renommer(const std::string& id, const std::string& nom)
{
    for (MonProbleme& p : liste_)
        if (p.id == id)
            p.nom = propre(nom);
    return ecrire();
}

int MesProblemes::supprimer(const std::string& id)
{
    std::erase_if(liste_, [&](const MonProbleme& p) { return p.id == id; });
    return ecrire();
}

int MesProblemes::ecrire() const
{
    if (protege_)
        return EACCES;
    std::string t(kEntete);
    t += '\n';
    char hex[20];
    for (const MonProbleme& p : liste_) {
        const auto r = std::to_chars(hex, hex + sizeof hex, p.billes, 16);
        t += p.id + '\t' + std::to_string(p.niveau) + '\t' + std::string(hex, r.ptr) + '\t' + std::to_string(p.cible)
            + '\t' + p.nom + '\n';
    }
    VerrouDossier verrou(repertoire_);
    return remplacer_fichier(chemin(), reinterpret_cast<const uint8_t*>(t.data()), t.size(), false);
}

} // namespace trelmo
