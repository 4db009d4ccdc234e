#include "dialogs/statistiques.h"

#include "dialogs/commun.h"
#include "dialogs/langue.h"
#include "dialogs/saisie_nom.h"
#include "dialogs/textes_problemes.h"
#include "game/problemes.h"
#include "resources/ressources.h"
#include "widgets/labelcliquable.h"
#include "widgets/polices.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace trelmo {

namespace {

const QColor kEncre(40, 40, 40);
const QColor kBrun(122, 59, 12);

} // namespace

// ----------------------------------------------------------------- tabs

TOnglets::TOnglets(QWidget* parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(curseur(curseur_tophand_id));
}

QSize TOnglets::tabSizeHint(int index) const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(tabText(index)) + 28, 28};
}

void TOnglets::focusInEvent(QFocusEvent* e)
{
    focus_clavier_ = raison_clavier(e->reason());
    QTabBar::focusInEvent(e);
    update();
}

void TOnglets::focusOutEvent(QFocusEvent* e)
{
    focus_clavier_ = false;
    QTabBar::focusOutEvent(e);
    update();
}

void TOnglets::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count(); ++i) {
        const bool courant = i == currentIndex();
        const QRectF r = QRectF(tabRect(i)).adjusted(1.5, courant ? 0.5 : 3.5, -1.5, 1);
        QPainterPath forme;
        const qreal rayon = 8;
        forme.moveTo(r.bottomLeft());
        forme.lineTo(r.left(), r.top() + rayon);
        forme.quadTo(r.topLeft(), QPointF(r.left() + rayon, r.top()));
        forme.lineTo(r.right() - rayon, r.top());
        forme.quadTo(r.topRight(), QPointF(r.right(), r.top() + rayon));
        forme.lineTo(r.bottomRight());
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, Qt::white);
        g.setColorAt(1.0, courant ? QColor(250, 246, 236) : QColor(kGrisDegrade));
        p.setBrush(g);
        p.setPen(QPen(courant ? QColor(200, 150, 80) : QColor(0x80, 0x80, 0x80), 1));
        p.drawPath(forme);
        p.setFont(police_ajustee(font(), tabText(i), static_cast<int>(r.width()) - 8));
        const QRect texte = r.toRect().adjusted(0, courant ? 0 : 2, 0, 0);
        if (courant) {
            p.setPen(Qt::white);
            p.drawText(texte.translated(1, 1), Qt::AlignCenter, tabText(i));
        }
        p.setPen(courant ? kBrun : kEncre);
        p.drawText(texte, Qt::AlignCenter, tabText(i));
        if (courant && hasFocus() && focus_clavier_) {
            p.setPen(QPen(QColor(0x00, 0x00, 0x80), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r.adjusted(4, 4, -4, -3), 5, 5);
        }
    }
}

// ---------------------------------------------------------------- chart

TGraphiqueResultats::TGraphiqueResultats(int32_t langue, QWidget* parent) : QWidget(parent), langue_(langue)
{
    setObjectName(QStringLiteral("graphique"));
    setAccessibleName(QString::fromStdString(textes_problemes(langue).graphique));
}

void TGraphiqueResultats::setResultats(const std::map<int, int>& resultats)
{
    resultats_ = resultats;
    const TextesProblemes& t = textes_problemes(langue_);
    QStringList barres;
    for (const auto& [billes, parties] : resultats_)
        barres << texte_n(langue_, "problemes.graphique_barre", parties).arg(billes).arg(parties);
    setAccessibleDescription(barres.isEmpty() ? QString::fromStdString(t.graphique_vide)
                                              : barres.join(QStringLiteral("; ")));
    update();
}

void TGraphiqueResultats::paintEvent(QPaintEvent*)
{
    const TextesProblemes& t = textes_problemes(langue_);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(police_arial(13, true));
    p.setPen(kBrun);
    p.drawText(QRect(0, 0, width(), 20), Qt::AlignCenter, QString::fromStdString(t.graphique));

    const QRectF zone(28, 30, width() - 36, height() - 56);
    if (resultats_.empty()) {
        p.setFont(police_arial(13));
        p.setPen(QColor(128, 128, 128));
        p.drawText(zone, Qt::AlignCenter, QString::fromStdString(t.graphique_vide));
        return;
    }
    // One bar per count of marbles from 1 to the highest seen (at least 6),
    // so that gaps show too.
    const int dernier = std::max(6, resultats_.rbegin()->first);
    const int premier = std::min(1, resultats_.begin()->first);
    int plus_haut = 1;
    for (const auto& [billes, parties] : resultats_)
        plus_haut = std::max(plus_haut, parties);
    const int nb = dernier - premier + 1;
    const qreal largeur = zone.width() / nb;

    p.setPen(QPen(QColor(160, 150, 130), 1));
    p.drawLine(zone.bottomLeft(), zone.bottomRight());
    p.setFont(police_arial(std::clamp(static_cast<int>(largeur * 0.55), 8, 12)));
    for (int billes = premier; billes <= dernier; ++billes) {
        const auto trouve = resultats_.find(billes);
        const int parties = trouve == resultats_.end() ? 0 : trouve->second;
        const qreal x = zone.left() + (billes - premier) * largeur;
        const qreal h = (zone.height() - 16) * parties / plus_haut;
        const QRectF barre(x + largeur * 0.18, zone.bottom() - h, largeur * 0.64, h);
        if (parties > 0) {
            // The wins in gold, the other results in the wood of the board.
            QLinearGradient g(barre.topLeft(), barre.topRight());
            const QColor c = billes == 1 ? QColor(236, 180, 40) : QColor(200, 118, 52);
            g.setColorAt(0.0, c.lighter(125));
            g.setColorAt(0.6, c);
            g.setColorAt(1.0, c.darker(140));
            p.setPen(QPen(c.darker(170), 1));
            p.setBrush(g);
            p.drawRoundedRect(barre, 2, 2);
            p.setPen(kEncre);
            p.drawText(QRectF(x, barre.top() - 16, largeur, 15), Qt::AlignHCenter | Qt::AlignBottom,
                       QString::number(parties));
        }
        p.setPen(kEncre);
        p.drawText(QRectF(x, zone.bottom() + 2, largeur, 16), Qt::AlignHCenter | Qt::AlignTop, QString::number(billes));
    }
}

// --------------------------------------------------------------- window

TStatistiques::TStatistiques(int32_t langue, const Statistiques& stats, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      langue_(langue), stats_(stats)
{
    const TextesProblemes& t = textes_problemes(langue);
    setObjectName(QStringLiteral("statistiques"));
    setWindowTitle(QString::fromStdString(t.stats_titre));
    setFixedSize(560, 430);
    setModal(true);

    QWidget* panneau = panneau_uni(this, QRect(0, 0, 560, 406), QColor(kGrisPanneau));
    auto* titre = label_ombre(panneau, QRect(8, 6, 544, 32), police_verdana(24, true), QColor(0xFF, 0x00, 0x00));
    titre->setText(QString::fromStdString(t.stats_titre).toUpper());

    onglets = new TOnglets(panneau);
    onglets->setObjectName(QStringLiteral("onglets"));
    onglets->setFont(police_verdana(12, true));
    onglets->setAccessibleName(QString::fromStdString(t.nom_onglets));
    for (const std::string& o : t.onglets)
        onglets->addTab(QString::fromStdString(o));
    onglets->setGeometry(10, 42, 540, 28);

    QWidget* page = panneau_uni(panneau, QRect(10, 70, 540, 326), QColor(250, 246, 236));
    const std::string* libelles[NbChiffres] = {&t.commencees, &t.terminees, &t.gagnees, &t.moins_de_billes,
                                               &t.meilleur_temps, &t.moyenne, &t.serie_en_cours,
                                               &t.meilleure_serie, &t.indices, &t.resolus};
    for (std::size_t i = 0; i < NbChiffres; ++i) {
        noms[i] = new QLabel(QString::fromStdString(*libelles[i]), page);
        noms[i]->setFont(police_arial(14));
        noms[i]->setTextFormat(Qt::PlainText);
        valeurs[i] = new QLabel(page);
        valeurs[i]->setObjectName(QStringLiteral("valeur%1").arg(i));
        valeurs[i]->setFont(police_arial(14, true));
        valeurs[i]->setTextFormat(Qt::PlainText);
        valeurs[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QLabel* l : {noms[i], valeurs[i]}) {
            QPalette pal = l->palette();
            pal.setColor(QPalette::WindowText, kEncre);
            l->setPalette(pal);
        }
    }
    graphique = new TGraphiqueResultats(langue, page);
    graphique->setGeometry(266, 14, 266, 300);

    chiffres = new TListeLue(page);
    chiffres->setObjectName(QStringLiteral("chiffres"));
    chiffres->setGeometry(page->rect());
    par_probleme = new QTreeWidget(page);
    par_probleme->setObjectName(QStringLiteral("par_probleme"));
    par_probleme->setGeometry(14, 246, 518, 74);
    par_probleme->setAccessibleName(QString::fromStdString(t.nom_par_probleme));
    par_probleme->setRootIsDecorated(false);
    par_probleme->setUniformRowHeights(true);
    par_probleme->setFrameShape(QFrame::NoFrame);
    par_probleme->setFont(police_arial(12));
    par_probleme->setCursor(Qt::ArrowCursor);
    {
        QStringList entetes;
        for (const std::string& e : t.par_probleme)
            entetes << QString::fromStdString(e);
        par_probleme->setHeaderLabels(entetes);
        par_probleme->header()->setFont(police_arial(12, true));
        par_probleme->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        par_probleme->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        par_probleme->header()->setStretchLastSection(false);
        QPalette pal = par_probleme->palette();
        pal.setColor(QPalette::Base, QColor(250, 246, 236));
        pal.setColor(QPalette::Text, kEncre);
        par_probleme->setPalette(pal);
    }
    par_probleme->hide();

    OkBtn = barre_ok(this, QRect(0, 406, 560, 24), 471, nullptr);
    connect(OkBtn, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(onglets, &QTabBar::currentChanged, this, &TStatistiques::montrer_page);
    setTabOrder(onglets, OkBtn);
    setTabOrder(OkBtn, chiffres);
    setTabOrder(chiffres, par_probleme);
    montrer_page(Anglais);
}

void TStatistiques::montrer_page(int page)
{
    const TextesProblemes& t = textes_problemes(langue_);
    if (onglets->currentIndex() != page) {
        onglets->setCurrentIndex(page);   // comes back here through currentChanged
        return;
    }
    StatsJeu s;
    int resolus = 0, problemes = 0;
    if (page == Problemes) {
        // The problems together: counts add up, the fewest marbles is the
        // lowest of all, and the results of every problem make one chart.
        for (const Probleme& p : catalogue()) {
            ++problemes;
            const StatsJeu u = stats_.stats(cle_probleme(p.id));
            resolus += u.gagnees > 0;
            s.commencees += u.commencees;
            s.terminees += u.terminees;
            s.gagnees += u.gagnees;
            s.total_billes += u.total_billes;
            s.indices += u.indices;
            if (u.terminees > 0 && (s.terminees == u.terminees || u.moins_de_billes < s.moins_de_billes))
                s.moins_de_billes = u.moins_de_billes;
            for (const auto& [billes, parties] : u.resultats)
                s.resultats[billes] += parties;
        }
    } else {
        s = stats_.stats(cle_plateau(page + 1));
    }

    const QString aucun = QString::fromStdString(t.aucun);
    QString moyenne = aucun;
    if (s.terminees > 0) {
        moyenne = QString::number(s.moyenne(), 'f', 1);
        moyenne.replace(QLatin1Char('.'), QLatin1Char(t.decimale));
    }
    const std::array<QString, NbChiffres> textes{
        QString::number(s.commencees),
        QString::number(s.terminees),
        QString::number(s.gagnees),
        s.terminees > 0 ? QString::number(s.moins_de_billes) : aucun,
        s.meilleur_temps >= 0 ? QString::fromStdString(duree(s.meilleur_temps)) : aucun,
        moyenne,
        QString::number(s.serie),
        QString::number(s.meilleure_serie),
        QString::number(s.indices),
        QString::fromStdString(t.sur).arg(resolus).arg(problemes),
    };
    const std::vector<int> ordre = page == Problemes
        ? std::vector<int>{Resolus, Commencees, Terminees, Gagnees, MoinsDeBilles, Moyenne, Indices}
        : std::vector<int>{Commencees, Terminees, Gagnees, MoinsDeBilles, MeilleurTemps, Moyenne, SerieEnCours,
                           MeilleureSerie, Indices};
    for (std::size_t i = 0; i < NbChiffres; ++i) {
        noms[i]->hide();
        valeurs[i]->hide();
    }
    int haut = 16;
    for (int c : ordre) {
        const auto i = static_cast<std::size_t>(c);
        valeurs[i]->setText(textes[i]);
        valeurs[i]->setAccessibleName(noms[i]->text() + QStringLiteral(": ") + textes[i]);
        noms[i]->setGeometry(14, haut, 166, 24);
        noms[i]->setFont(police_ajustee(police_arial(14), noms[i]->text(), 164));
        valeurs[i]->setGeometry(176, haut, 80, 24);
        noms[i]->show();
        valeurs[i]->show();
        haut += 33;
    }
    graphique->setResultats(s.resultats);

    QList<TListeLue::Ligne> lignes;
    for (int c : ordre) {
        const auto i = static_cast<std::size_t>(c);
        lignes.append({valeurs[i]->accessibleName(), noms[i]->geometry().united(valeurs[i]->geometry())});
    }
    chiffres->setAccessibleName(onglets->tabText(page));

    // Each problem played, in the catalogue's order.
    par_probleme->clear();
    if (page == Problemes) {
        const QString modele = QString::fromStdString(t.ligne_probleme);
        for (const Probleme& p : catalogue()) {
            const StatsJeu u = stats_.stats(cle_probleme(p.id));
            if (u.commencees == 0 && u.indices == 0)
                continue;
            const QString nom = nom_probleme(p, langue_);
            const QString temps = u.meilleur_temps >= 0 ? QString::fromStdString(duree(u.meilleur_temps)) : aucun;
            const QStringList colonnes{nom, QString::number(u.commencees), QString::number(u.gagnees), temps,
                                       QString::number(u.indices)};
            auto* ligne = new QTreeWidgetItem(par_probleme, colonnes);
            for (int c = 1; c < colonnes.size(); ++c)
                ligne->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            lignes.append({modele.arg(nom, colonnes[1], colonnes[2], temps, colonnes[4]), par_probleme->geometry()});
        }
    }
    const bool problemes_joues = par_probleme->topLevelItemCount() > 0;
    par_probleme->setVisible(problemes_joues);
    graphique->setGeometry(266, 14, 266, problemes_joues ? 226 : 300);
    chiffres->setLignes(lignes);
}

void TStatistiques::showEvent(QShowEvent* e)
{
    centrer_ecran(this);
    QDialog::showEvent(e);
    onglets->setFocus(Qt::OtherFocusReason);
}

void TStatistiques::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
}

} // namespace trelmo
