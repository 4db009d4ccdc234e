#include "dialogs/langue.h"

#include "game/problemes.h"
#include "game/textes.h"

#include <QDir>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace trelmo {

namespace {

// The compiled catalogues, loaded once, in the order of codes_langues().
struct Catalogues {
    std::vector<std::string> codes;
    std::vector<std::unique_ptr<QTranslator>> traducteurs;

    Catalogues()
    {
        std::vector<std::string> autres;
        const QStringList fichiers =
            QDir(QStringLiteral(":/traductions")).entryList({QStringLiteral("trelmo_*.qm")}, QDir::Files, QDir::Name);
        for (const QString& f : fichiers) {
            const std::string code = f.mid(7, f.size() - 10).toStdString();
            if (code != "fr" && code != "en" && code != "de")
                autres.push_back(code);
        }
        codes = {"fr", "en", "de"};
        codes.insert(codes.end(), autres.begin(), autres.end());
        for (const std::string& code : codes) {
            auto t = std::make_unique<QTranslator>();
            if (!t->load(QStringLiteral(":/traductions/trelmo_%1.qm").arg(QString::fromStdString(code))))
                t.reset();
            traducteurs.push_back(std::move(t));
        }
    }

    const QTranslator* de(int32_t langue) const
    {
        if (langue < 0 || static_cast<std::size_t>(langue) >= traducteurs.size())
            langue = ANGLAIS;
        return traducteurs[static_cast<std::size_t>(langue)].get();
    }
};

const Catalogues& catalogues()
{
    static const Catalogues c;
    return c;
}

std::string locale_systeme()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valeur = std::getenv(variable);
        if (valeur && *valeur)
            return valeur;
    }
    return {};
}

std::string remplacer(std::string texte, std::string_view quoi, const std::string& par)
{
    for (std::size_t i = texte.find(quoi); i != std::string::npos; i = texte.find(quoi, i + par.size()))
        texte.replace(i, quoi.size(), par);
    return texte;
}

} // namespace

std::string abreviation_locale(std::string_view locale)
{
    const size_t fin = locale.find_first_of("_.@");
    std::string langue(locale.substr(0, fin));
    if (langue == "C" || langue == "POSIX")
        return {};
    return langue;
}

std::string abreviation_systeme()
{
    return abreviation_locale(locale_systeme());
}

const std::vector<std::string>& codes_langues() { return catalogues().codes; }

int32_t langue_du_locale(std::string_view locale)
{
    std::string nom(locale.substr(0, locale.find_first_of(".@")));
    const std::string langue = abreviation_locale(nom);
    if (langue.empty())
        return -1;
    std::string bas;
    for (char c : langue)
        bas += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (nom.size() > langue.size())
        nom = bas + nom.substr(langue.size());
    else
        nom = bas;
    const auto& codes = codes_langues();
    const auto trouve = [&](auto&& egal) -> int32_t {
        const auto i = std::find_if(codes.begin(), codes.end(), egal);
        return i == codes.end() ? -1 : static_cast<int32_t>(i - codes.begin());
    };
    // The exact catalogue, the language's own, then another country's.
    for (int32_t i : {trouve([&](const std::string& c) { return c == nom; }),
                      trouve([&](const std::string& c) { return c == bas; }),
                      trouve([&](const std::string& c) { return c.rfind(bas + "_", 0) == 0; })})
        if (i >= 0)
            return i;
    return -1;
}

int32_t langue_systeme()
{
    const std::string locale = locale_systeme();
    const std::string abreviation = abreviation_locale(locale);
    if (!abreviation.empty()) {
        if (const char* liste = std::getenv("LANGUAGE")) {
            std::string_view reste(liste);
            while (!reste.empty()) {
                const std::size_t fin = std::min(reste.find(':'), reste.size());
                const int32_t l = langue_du_locale(reste.substr(0, fin));
                if (l >= 0)
                    return l;
                reste.remove_prefix(std::min(fin + 1, reste.size()));
            }
        }
    }
    const int32_t l = langue_du_locale(locale);
    // Otherwise the first two letters, as the language has always been read:
    // "FRA" French, "deu" German, anything else English.
    return l >= 0 ? l : index_langue(abreviation);
}

QString texte(int32_t langue, const char* id)
{
    const QTranslator* t = catalogues().de(langue);
    return t ? t->translate(nullptr, id) : QString();
}

QString texte_n(int32_t langue, const char* id, int n)
{
    const QTranslator* t = catalogues().de(langue);
    return t ? t->translate(nullptr, id, nullptr, n) : QString();
}

QString nom_probleme(const Probleme& p, int32_t langue)
{
    if (p.groupe.empty())
        return texte(langue, ("probleme." + p.id).c_str());
    std::string modele = texte(langue, ("serie." + p.groupe).c_str()).toStdString();
    modele = remplacer(std::move(modele), "{depart}", nom_du_trou(p.depart));
    return QString::fromStdString(remplacer(std::move(modele), "{cible}", nom_du_trou(p.cible)));
}

QString nom_groupe(const Probleme& p, int32_t langue)
{
    return p.groupe.empty() ? QString() : texte(langue, ("groupe." + p.groupe).c_str());
}

namespace {

std::string s(int32_t langue, const char* id) { return texte(langue, id).toStdString(); }

int nombre(int32_t langue, const char* id, int defaut)
{
    bool ok = false;
    const int n = texte(langue, id).toInt(&ok);
    return ok && n > 0 ? n : defaut;
}

Textes lire_textes(int32_t l)
{
    Textes t;
    t.texture_plateau = s(l, "textes.texture_plateau");
    t.texture_bille = s(l, "textes.texture_bille");
    t.infos = s(l, "textes.infos");
    t.aide = s(l, "textes.aide");
    t.charger = s(l, "textes.charger");
    t.sauver = s(l, "textes.sauver");
    t.scores = s(l, "textes.scores");
    t.quitter = s(l, "textes.quitter");
    t.hint_texture_plateau = s(l, "textes.hint_texture_plateau");
    t.hint_texture_bille = s(l, "textes.hint_texture_bille");
    t.hint_infos = s(l, "textes.hint_infos");
    t.hint_aide = s(l, "textes.hint_aide");
    t.hint_charger = s(l, "textes.hint_charger");
    t.hint_sauver = s(l, "textes.hint_sauver");
    t.hint_scores = s(l, "textes.hint_scores");
    t.hint_quitter = s(l, "textes.hint_quitter");   // may be empty: no hint
    t.taille_boutons = nombre(l, "textes.taille_boutons", 17);

    t.gagne = s(l, "textes.gagne");
    t.termine = s(l, "textes.termine");
    t.reposer = s(l, "textes.reposer");
    t.reposer_hint = s(l, "textes.reposer_hint");
    t.nouvelle = s(l, "textes.nouvelle");
    t.nouvelle_hint = s(l, "textes.nouvelle_hint");
    t.aucune_partie = s(l, "textes.aucune_partie");
    t.annuler_partie = s(l, "textes.annuler_partie");
    t.pas_de_partie = s(l, "textes.pas_de_partie");
    t.ecraser_partie = s(l, "textes.ecraser_partie");

    t.mode_titre = s(l, "textes.mode_titre");
    t.mode_m1 = s(l, "textes.mode_m1");
    // The second button's own label is French and stays so in every language.
    t.mode_m2 = l == FRANCAIS ? kModeM2 : "";
    t.mode_m3 = s(l, "textes.mode_m3");

    t.nom_titre = s(l, "textes.nom_titre");
    t.nom_bravo = s(l, "textes.nom_bravo");
    t.nom_t1 = s(l, "textes.nom_t1");
    t.nom_t2 = s(l, "textes.nom_t2");
    t.nom_bravo_points = nombre(l, "textes.nom_bravo_points", 18);

    t.score_titre = s(l, "textes.score_titre");
    t.score_joueur = s(l, "textes.score_joueur");
    t.score_bille = s(l, "textes.score_bille");
    t.score_duree = s(l, "textes.score_duree");
    return t;
}

} // namespace

const Textes& textes(int32_t langue)
{
    return par_langue<Textes>(langue, lire_textes);
}

} // namespace trelmo
