#include "storage/statistiques.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSaveFile>

#include <algorithm>
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

std::string texte(int langue, const char* fr, const char* en, const char* de, const QString& nom)
{
    const char* t = langue == 1 ? en : langue == 2 ? de : fr;
    return QString::fromUtf8(t).arg(nom).toStdString();
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

std::string Statistiques::charger(int langue)
{
    stats_.clear();
    autres_.clear();
    protegee_ = false;

    QFile f(q(chemin_));
    if (!f.exists() && !QFileInfo(f).isSymLink())
        return {};

    enum class Etat { Bon, Endommage, Recent } etat = Etat::Endommage;
    std::map<std::string, StatsJeu> lus;
    QJsonObject racine;
    // Only a regular file is opened: a pipe in its place would never answer.
    if (QFileInfo(f).isFile() && f.open(QIODevice::ReadOnly)) {
        QJsonParseError erreur{};
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &erreur);
        const bool lu = f.error() == QFileDevice::NoError;
        f.close();
        long long version = 0;
        if (lu && erreur.error == QJsonParseError::NoError && doc.isObject()) {
            racine = doc.object();
            const QJsonValue jeux = racine.value(QLatin1String("jeux"));
            if (!entier(racine.value(QLatin1String("version")), 1, INT_MAX, version)) {
                etat = Etat::Endommage;
            } else if (version > kVersion) {
                etat = Etat::Recent;
            } else if (jeux.isUndefined() || jeux.isObject()) {
                etat = Etat::Bon;
                const QJsonObject o = jeux.toObject();
                for (auto it = o.begin(); it != o.end() && etat == Etat::Bon; ++it) {
                    StatsJeu s;
                    const std::string cle = it.key().toStdString();
                    // A key that UTF-8 cannot carry (a lone surrogate) would not come back the same.
                    if (cle.empty() || q(cle) != it.key() || !it.value().isObject() || !lit_jeu(it.value().toObject(), s))
                        etat = Etat::Endommage;
                    else
                        lus[cle] = s;
                }
            }
        }
    }

    const QString nom = QFileInfo(f).fileName();
    if (etat == Etat::Bon) {
        stats_ = std::move(lus);
        autres_ = QJsonDocument(racine).toJson(QJsonDocument::Compact).toStdString();
        return {};
    }
    if (etat == Etat::Recent) {
        // Written by a later version of the program: left alone, never overwritten.
        protegee_ = true;
        return texte(langue,
                     "Le fichier des statistiques « %1 » vient d'une version plus récente de Trelmo : il est "
                     "laissé tel quel et les statistiques de cette session ne seront pas gardées.",
                     "The statistics file “%1” comes from a newer version of Trelmo: it is left as it is "
                     "and the statistics of this session will not be kept.",
                     "Die Statistikdatei „%1“ stammt aus einer neueren Version von Trelmo: Sie bleibt "
                     "unverändert, und die Statistik dieser Sitzung wird nicht gespeichert.",
                     nom);
    }

    // Damaged or unreadable: kept aside under a free name, never overwritten.
    const QString base = q(chemin_) + QLatin1String(".endommage");
    QString cote = base;
    for (int n = 2; QFileInfo::exists(cote) || QFileInfo(cote).isSymLink(); ++n)
        cote = base + QString::number(n);
    if (!QFile::rename(q(chemin_), cote)) {
        protegee_ = true;
        return texte(langue,
                     "Le fichier des statistiques « %1 » est illisible ou endommagé et n'a pas pu être mis de "
                     "côté : il est laissé tel quel et les statistiques de cette session ne seront pas gardées.",
                     "The statistics file “%1” is unreadable or damaged and could not be set aside: it is left "
                     "as it is and the statistics of this session will not be kept.",
                     "Die Statistikdatei „%1“ ist unlesbar oder beschädigt und konnte nicht beiseitegelegt "
                     "werden: Sie bleibt unverändert, und die Statistik dieser Sitzung wird nicht gespeichert.",
                     nom);
    }
    return texte(langue,
                 "Le fichier des statistiques était illisible ou endommagé : il a été mis de côté sous le nom "
                 "« %1 » et les statistiques repartent de zéro.",
                 "The statistics file was unreadable or damaged: it has been set aside as “%1” and the "
                 "statistics start afresh.",
                 "Die Statistikdatei war unlesbar oder beschädigt: Sie wurde unter dem Namen „%1“ "
                 "beiseitegelegt, und die Statistik beginnt von vorn.",
                 QFileInfo(cote).fileName());
}

bool Statistiques::enregistrer(std::string* raison) const
{
    if (protegee_) {
        if (raison)
            *raison = "the file on disk is kept as it is";
        return false;
    }
    // Keys this version does not know, at the top and in each game, are kept.
    QJsonObject racine = QJsonDocument::fromJson(QByteArray::fromStdString(autres_)).object();
    QJsonObject anciens = racine.value(QLatin1String("jeux")).toObject();
    QJsonObject jeux;
    for (const auto& [cle, s] : stats_) {
        QJsonObject o = anciens.value(q(cle)).toObject();
        ecrit_jeu(o, s);
        jeux.insert(q(cle), o);
    }
    racine.insert(QLatin1String("format"), QLatin1String(kFormat));
    racine.insert(QLatin1String("version"), kVersion);
    racine.insert(QLatin1String("jeux"), jeux);

    QSaveFile f(q(chemin_));
    const QByteArray octets = QJsonDocument(racine).toJson(QJsonDocument::Indented);
    // Unbuffered: a short write (disk full) shows in write()'s count. Through
    // the buffer it would be lost at the flush, and commit() would rename a
    // cut file over the good one. Without commit() the temporary file goes.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (raison)
            *raison = f.errorString().toStdString();
        return false;
    }
    const qint64 ecrits = f.write(octets);
    if (ecrits != octets.size() || !f.commit()) {
        if (raison)
            *raison = ecrits >= 0 && ecrits < octets.size() ? "incomplete write (disk full?)" : f.errorString().toStdString();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- counting

void Statistiques::rompre_si_interrompue()
{
    if (!cle_.empty() && commencee_ && !finie_)
        stats_[cle_].serie = 0;
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
    StatsJeu& s = stats_[cle_];
    plus_un(s.commencees);
    for (; indices_en_attente_ > 0; --indices_en_attente_)
        plus_un(s.indices);
}

void Statistiques::indice()
{
    if (cle_.empty() || finie_)
        return;
    if (commencee_)
        plus_un(stats_[cle_].indices);
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
    StatsJeu& s = stats_[cle_];
    s.moins_de_billes = s.terminees == 0 ? billes : std::min(s.moins_de_billes, billes);
    plus_un(s.terminees);
    s.total_billes += billes;
    plus_un(s.resultats[billes]);
    if (gagnee) {
        plus_un(s.gagnees);
        plus_un(s.serie);
        s.meilleure_serie = std::max(s.meilleure_serie, s.serie);
        if (secondes >= 0 && (s.meilleur_temps < 0 || secondes < s.meilleur_temps))
            s.meilleur_temps = secondes;
    } else {
        s.serie = 0;
    }
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
