#pragma once
// The Statistics window: one page per board's standard start and one for the
// problems (with each played problem's own figures), with the counts, the records, the winning streaks and a bar chart
// of the marbles left at the end of the games.
#include "dialogs/bouton.h"
#include "storage/statistiques.h"
#include "widgets/label3d.h"
#include "widgets/liste_lue.h"

#include <QDialog>
#include <QLabel>
#include <QTabBar>
#include <QTreeWidget>

#include <array>
#include <cstdint>
#include <map>

namespace trelmo {

// Tabs in the dialogs' look: rounded gradient tabs, the current one joined
// to the page below. Left and Right change the tab once it has the focus.
class TOnglets : public QTabBar {
    Q_OBJECT
public:
    explicit TOnglets(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    QSize tabSizeHint(int index) const override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    bool focus_clavier_ = false;
};

// The bar chart of the results: one bar per number of marbles left.
class TGraphiqueResultats : public QWidget {
    Q_OBJECT
public:
    TGraphiqueResultats(int32_t langue, QWidget* parent = nullptr);
    void setResultats(const std::map<int, int>& resultats);
    const std::map<int, int>& resultats() const { return resultats_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int32_t langue_;
    std::map<int, int> resultats_;
};

class TStatistiques : public QDialog {
    Q_OBJECT
public:
    TStatistiques(int32_t langue, const Statistiques& stats, QWidget* parent = nullptr);

    enum Page { Anglais, Francais, Mission, Problemes };
    void montrer_page(int page);

    // The figures of a page, in this order; the problems page shows the
    // problems solved first and leaves the records that do not add up across
    // problems empty.
    enum Chiffre { Commencees, Terminees, Gagnees, MoinsDeBilles, MeilleurTemps, Moyenne, SerieEnCours,
                   MeilleureSerie, Indices, Resolus, NbChiffres };

    TOnglets* onglets = nullptr;
    std::array<QLabel*, NbChiffres> noms{};
    std::array<QLabel*, NbChiffres> valeurs{};
    TGraphiqueResultats* graphique = nullptr;
    TBoutonArrondi* OkBtn = nullptr;
    // The page's figures as one list for the keyboard and screen readers
    // (after OK with Tab), named by the page.
    TListeLue* chiffres = nullptr;
    // On the problems page, once a problem was played: each problem's own
    // figures (started, won, best time, hints), along the foot of the page.
    QTreeWidget* par_probleme = nullptr;

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    int32_t langue_;
    const Statistiques& stats_;
};

} // namespace trelmo
