#pragma once
// Recording fakes of what the game core reaches outside itself, and of the
// information / confirmation boxes.
#include "game/interfaces.h"
#include "game/jeu.h"
#include "mainwindow/commandes_partie.h"
#include "storage/partie.h"

#include <string>
#include <vector>

namespace trelmo::essai {

struct FauxSprites : ISprites {
    std::vector<int> images_trou, images_repos, actifs, inactifs;
    void trou_image(int n, bool) override { images_trou.push_back(n); }
    void repos_image(int i, bool) override { images_repos.push_back(i); }
    void trou_curseur(int, int) override {}
    void trou_actif(int n, bool actif) override { (actif ? actifs : inactifs).push_back(n); }
};

struct FauxAffichage : IAffichage {
    std::vector<std::string> appels;
    void billes_repos(const std::string& t) override { appels.push_back("billes_repos " + t); }
    void chrono(const std::string& t) override { appels.push_back("chrono " + t); }
    void etat_jeux(const std::string& c, const std::string& h) override { appels.push_back("etat_jeux " + c + "|" + h); }
    void resultat(bool actif, const std::string& t) override
    {
        appels.push_back(std::string("resultat ") + (actif ? "1 " : "0 ") + t);
    }
};

struct FausseMinuterie : IMinuterie {
    std::vector<bool> appels;
    void timer1(bool actif) override { appels.push_back(actif); }
};

struct FauxPartenaires : IPartenaires {
    int32_t niveau_ = 1;
    void choisir_niveau() override {}
    void recharger_config() override {}
    void enregistrer_config() override {}
    int32_t niveau() const override { return niveau_; }
    void insere_score(int32_t, const std::string&) override {}
};

struct FauxMessages : IMessages {
    bool reponse = true;
    std::vector<std::string> informations, confirmations;
    void information(const std::string& t) override { informations.push_back(t); }
    bool confirmation(const std::string& t) override
    {
        confirmations.push_back(t);
        return reponse;
    }
};

// A game core wired to fresh fakes.
struct BancDeJeu {
    FauxSprites sprites;
    FauxAffichage affichage;
    FausseMinuterie minuterie;
    FauxPartenaires partenaires;
    Jeu jeu{sprites, affichage, minuterie, partenaires};

    void oublie()
    {
        sprites = {};
        affichage = {};
        minuterie = {};
    }
};

} // namespace trelmo::essai
