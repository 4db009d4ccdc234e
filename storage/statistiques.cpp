#include "storage/statistiques.h"

#include "storage/erreur_es.h"
#include "storage/fichier.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <climits>
#include <cmath>

namespace trelmo {

namespace {

constexpr int kVersion = 1;
constexpr const char* kFormat = "trelmo-statistiques";
constexpr const char* kPrefixeProbleme = "probleme:";

// A JSON number that is a whole value in [min, max].
bool entier(const QJsonValue& v, double min, double max, long long& sortie)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < min || d > max)
        return false;
    sortie = static_cast<long long>(d);
    return true;
}

// Reads the optional field `nom` of `o` into `champ`; false when it is
// present with a wrong type or out of range.
template <typename T>
bool champ(const QJsonObject& o, const char* nom, double min, double max, T& valeur)
{
    const QJsonValue v = o.value(QLatin1String(nom));
    if (v.isUndefined())
        return true;
    long long n = 0;
    if (!entier(v, min, max, n))
        return false;
    valeur = static_cast<T>(n);
    return true;
}

// Largest total the file may hold: exact in a JSON number.
constexpr double kMaxTotal = 9007199254740991.0;   // 2^53 - 1

bool lit_jeu(const QJsonObject& o, StatsJeu& s)
{
    const bool ok = champ(o, "commencees", 0, INT_MAX, s.commencees)
        && champ(o, "terminees", 0, INT_MAX, s.terminees)
        && champ(o, "gagnees", 0, INT_MAX, s.gagnees)
        && champ(o, "moins_de_billes", 0, INT_MAX, s.moins_de_billes)
        && champ(o, "meilleur_temps", -1, INT_MAX, s.meilleur_temps)
        && champ(o, "total_billes", 0, kMaxTotal, s.total_billes)
        && champ(o, "serie", 0, INT_MAX, s.serie)
        && champ(o, "meilleure_serie", 0, INT_MAX, s.meilleure_serie)
        && champ(o, "indices", 0, INT_MAX, s.indices);
    if (!ok)
        return false;
    // Counts that no sequence of games can give.
    if (s.gagnees > s.terminees || s.terminees > s.commencees || s.serie > s.meilleure_serie
        || s.meilleure_serie > s.gagnees)
        return false;

    const QJsonValue r = o.value(QLatin1String("resultats"));
    if (r.isUndefined())
        return true;
    if (!r.isObject())
        return false;
    const QJsonObject res = r.toObject();
    for (auto it = res.begin(); it != res.end(); ++it) {
        bool nombre = false;
        const int billes = it.key().toInt(&nombre);
        long long n = 0;
        if (!nombre || billes < 0 || it.key() != QString::number(billes) || !entier(it.value(), 0, INT_MAX, n))
            return false;
        if (n > 0)
            s.resultats[billes] = static_cast<int>(n);
    }
    return true;
}

void ecrit_jeu(QJsonObject& o, const StatsJeu& s)
{
    o.insert(QLatin1String("commencees"), s.commencees);
    o.insert(QLatin1String("terminees"), s.terminees);
    o.insert(QLatin1String("gagnees"), s.gagnees);
    o.insert(QLatin1String("moins_de_billes"), s.moins_de_billes);
    o.insert(QLatin1String("meilleur_temps"), s.meilleur_temps);
    o.insert(QLatin1String("total_billes"), static_cast<double>(s.total_billes));
    o.insert(QLatin1String("serie"), s.serie);
    o.insert(QLatin1String("meilleure_serie"), s.meilleure_serie);
    o.insert(QLatin1String("indices"), s.indices);
    QJsonObject res;
    for (const auto& [billes, n] : s.resultats)
        res.insert(QString::number(billes), n);
    o.insert(QLatin1String("resultats"), res);
}

void plus_un(int& n)
{
    if (n < INT_MAX)
        ++n;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

std::string texte(int langue, const char* id, const QString& nom)
{
    return QString::fromStdString(texte_fichiers(langue, id)).arg(nom).toStdString();
}

} // namespace

std::string cle_plateau(int niveau)
{
    switch (niveau) {
    case 1: return kCleAnglais;
    case 2: return kCleFrancais;
    case 3: return kCleMission;
    default: return {};
    }
}

std::string cle_probleme(const std::string& id)
{
    return kPrefixeProbleme + id;
}

Statistiques::Statistiques(std::string chemin) : chemin_(std::move(chemin)) {}

StatsJeu Statistiques::stats(const std::string& cle) const
{
    const auto it = stats_.find(cle);
    return it == stats_.end() ? StatsJeu{} : it->second;
}

namespace {

enum class Etat { Absent, Bon, Endommage, Recent };

// Reads and checks the file: its games into `lus`, the whole object into `racine`.
Etat lit(const std::string& chemin, std::map<std::string, StatsJeu>& lus, QJsonObject& racine)
{
    lus.clear();
    racine = {};
    std::string contenu;
    if (const int e = lire_fichier(chemin, contenu, kMaxJson); e != 0) {
        // A link to nowhere is there all the same, and damaged.
        struct stat st {};
        return e == ENOENT && ::lstat(chemin.c_str(), &st) != 0 ? Etat::Absent : Etat::Endommage;
    }
    QJsonParseError erreur{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(contenu), &erreur);
    if (erreur.error != QJsonParseError::NoError || !doc.isObject())
        return Etat::Endommage;
    racine = doc.object();
    const QJsonValue jeux = racine.value(QLatin1String("jeux"));
    long long version = 0;
    if (!entier(racine.value(QLatin1String("version")), 1, INT_MAX, version))
        return Etat::Endommage;
    if (version > kVersion)
        return Etat::Recent;
    if (!jeux.isUndefined() && !jeux.isObject())
        return Etat::Endommage;
    const QJsonObject o = jeux.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        StatsJeu s;
        const std::string cle = it.key().toStdString();
        // A key that UTF-8 cannot carry (a lone surrogate) would not come back the same.
        if (cle.empty() || q(cle) != it.key() || !it.value().isObject() || !lit_jeu(it.value().toObject(), s))
            return Etat::Endommage;
        lus[cle] = s;
    }
    return Etat::Bon;
}

// Renames a damaged file to a free name beside it; the new name, or empty
// when it cannot be renamed.
QString met_de_cote(const std::string& chemin)
{
    const QString base = q(chemin) + QLatin1String(".endommage");
    QString cote = base;
    for (int n = 2; QFileInfo::exists(cote) || QFileInfo(cote).isSymLink(); ++n)
        cote = base + QString::number(n);
    return QFile::rename(q(chemin), cote) ? cote : QString();
}

QString nom_de(const std::string& chemin) { return QFileInfo(q(chemin)).fileName(); }

std::string message_recent(int langue, const std::string& chemin)
{
    return texte(langue, "fichiers.stats_recent", nom_de(chemin));
}

std::string message_pas_de_cote(int langue, const std::string& chemin)
{
    return texte(langue, "fichiers.stats_pas_de_cote", nom_de(chemin));
}

std::string message_ecriture(int langue, const std::string& chemin, int err)
{
    // Both at once: a "%2" in the path stays as it is.
    return QString::fromStdString(texte_fichiers(langue, "fichiers.stats_ecriture"))
        .arg(q(chemin), q(raison_erreur(langue, err)))
        .toStdString();
}

} // namespace

std::string Statistiques::charger(int langue)
{
    langue_ = langue;
    stats_.clear();
    journal_.clear();
    autres_.clear();
    protegee_ = false;

    VerrouDossier verrou(dossier_de(chemin_));
    QJsonObject racine;
    switch (lit(chemin_, stats_, racine)) {
    case Etat::Absent:
        return {};
    case Etat::Bon:
        autres_ = QJsonDocument(racine).toJson(QJsonDocument::Compact).toStdString();
        return {};
    case Etat::Recent:
        // Written by a later version of the program: left alone, never overwritten.
        stats_.clear();
        protegee_ = true;
        return message_recent(langue, chemin_);
    case Etat::Endommage:
        break;
    }
    // Damaged or unreadable: kept aside under a free name, never overwritten.
    stats_.clear();
    const QString cote = met_de_cote(chemin_);
    if (cote.isEmpty()) {
        protegee_ = true;
        return message_pas_de_cote(langue, chemin_);
    }
    return texte(langue, "fichiers.stats_mis_de_cote", QFileInfo(cote).fileName());
}

bool Statistiques::enregistrer(std::string* raison)
{
    if (raison)
        raison->clear();
    if (protegee_)
        return false;   // the player was told when it was read

    VerrouDossier verrou(dossier_de(chemin_));
    std::map<std::string, StatsJeu> resultat;
    QJsonObject racine;
    switch (lit(chemin_, resultat, racine)) {
    case Etat::Absent:
    case Etat::Bon:
        // This copy's counts, added to what the file holds now.
        for (const Evenement& e : journal_)
            applique(resultat, e);
        break;
    case Etat::Recent:
        protegee_ = true;
        if (raison)
            *raison = message_recent(langue_, chemin_);
        return false;
    case Etat::Endommage:
        // Damaged since it was read: kept aside, and what this copy knows is written.
        if (met_de_cote(chemin_).isEmpty()) {
            protegee_ = true;
            if (raison)
                *raison = message_pas_de_cote(langue_, chemin_);
            return false;
        }
        resultat = stats_;
        racine = QJsonDocument::fromJson(QByteArray::fromStdString(autres_)).object();
        break;
    }

    // Keys this version does not know, at the top and in each game, are kept.
    const QJsonObject anciens = racine.value(QLatin1String("jeux")).toObject();
    QJsonObject jeux;
    for (const auto& [cle, s] : resultat) {
        QJsonObject o = anciens.value(q(cle)).toObject();
        ecrit_jeu(o, s);
        jeux.insert(q(cle), o);
    }
    racine.insert(QLatin1String("format"), QLatin1String(kFormat));
    racine.insert(QLatin1String("version"), kVersion);
    racine.insert(QLatin1String("jeux"), jeux);

    const QByteArray octets = QJsonDocument(racine).toJson(QJsonDocument::Indented);
    nettoyer_temporaires(chemin_);
    if (const int e = remplacer_fichier(chemin_, reinterpret_cast<const uint8_t*>(octets.constData()),
                                        static_cast<size_t>(octets.size()), false);
        e != 0) {
        if (raison)
            *raison = message_ecriture(langue_, chemin_, e);
        return false;
    }
    stats_ = std::move(resultat);
    journal_.clear();
    autres_ = QJsonDocument(racine).toJson(QJsonDocument::Compact).toStdString();
    return true;
}

// ---------------------------------------------------------------- counting

void Statistiques::applique(std::map<std::string, StatsJeu>& stats, const Evenement& e)
{
    StatsJeu& s = stats[e.cle];
    switch (e.sorte) {
    case Evenement::Commencee:
        plus_un(s.commencees);
        s.indices = static_cast<int>(std::min<long long>(INT_MAX, static_cast<long long>(s.indices) + e.n));
        break;
    case Evenement::Indice:
        plus_un(s.indices);
        break;
    case Evenement::Rupture:
        s.serie = 0;
        break;
    case Evenement::Fin:
        s.moins_de_billes = s.terminees == 0 ? e.n : std::min(s.moins_de_billes, e.n);
        plus_un(s.terminees);
        s.total_billes = static_cast<long long>(std::min(kMaxTotal, static_cast<double>(s.total_billes) + e.n));
        plus_un(s.resultats[e.n]);
        if (e.gagnee) {
            plus_un(s.gagnees);
            plus_un(s.serie);
            s.meilleure_serie = std::max(s.meilleure_serie, s.serie);
            if (e.secondes >= 0 && (s.meilleur_temps < 0 || e.secondes < s.meilleur_temps))
                s.meilleur_temps = e.secondes;
        } else {
            s.serie = 0;
        }
        break;
    }
}

void Statistiques::note(Evenement e)
{
    applique(stats_, e);
    journal_.push_back(std::move(e));
}

void Statistiques::rompre_si_interrompue()
{
    if (!cle_.empty() && commencee_ && !finie_)
        note({Evenement::Rupture, cle_});
}

void Statistiques::nouvelle_partie(const std::string& cle)
{
    rompre_si_interrompue();
    cle_ = cle;
    commencee_ = false;
    finie_ = false;
    indices_en_attente_ = 0;
}

void Statistiques::partie_restauree(const std::string& cle)
{
    nouvelle_partie(cle);
}

void Statistiques::saut()
{
    if (cle_.empty() || finie_ || commencee_)
        return;
    commencee_ = true;
    note({Evenement::Commencee, cle_, indices_en_attente_});
    indices_en_attente_ = 0;
}

void Statistiques::indice()
{
    if (cle_.empty() || finie_)
        return;
    if (commencee_)
        note({Evenement::Indice, cle_});
    else if (indices_en_attente_ < INT_MAX)
        ++indices_en_attente_;
}

void Statistiques::fin(int billes, int secondes, bool gagnee)
{
    if (cle_.empty() || finie_ || !commencee_)
        return;
    finie_ = true;
    if (billes < 0)
        return;
    note({Evenement::Fin, cle_, billes, secondes, gagnee});
}

void Statistiques::arret()
{
    rompre_si_interrompue();
    cle_.clear();
    commencee_ = false;
    finie_ = false;
    indices_en_attente_ = 0;
}

} // namespace trelmo
