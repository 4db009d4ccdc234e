// Every text fits its control in every language: the main window's captions
// and result texts, the variant, name, score, problems, statistics and splash
// windows, measured with the fonts they draw with. Run at 100 % and, by a
// second CTest entry, at 200 %. TRELMO_CAPTURES=<dir> also keeps a picture of
// each window per language, for looking at them.
#include "dialogs/commun.h"
#include "dialogs/bouton.h"
#include "dialogs/langue.h"
#include "dialogs/meilleur_score.h"
#include "dialogs/mode.h"
#include "dialogs/problemes.h"
#include "dialogs/saisie_nom.h"
#include "dialogs/splash.h"
#include "dialogs/statistiques.h"
#include "game/problemes.h"
#include "game/textes.h"
#include "mainwindow/form1.h"
#include "resources/ressources.h"
#include "storage/config.h"
#include "storage/statistiques.h"
#include "widgets/garde.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cstdlib>

using namespace trelmo;

namespace {

std::vector<std::string> erreurs;
void noter_erreur(const std::string& t) { erreurs.push_back(t); }

QString sans_mnemonique(QString t)
{
    return t.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// What does not fit in one window, as "<window> <control>: <text>" lines.
QStringList mesurer(QWidget* fenetre, const QString& nom)
{
    QStringList fautes;
    const auto faute = [&](QWidget* w, const QString& texte, const QString& pourquoi) {
        fautes << QStringLiteral("%1 %2 (%3): \"%4\" %5")
                      .arg(nom, w->objectName(), QString::fromLatin1(w->metaObject()->className()), texte, pourquoi);
    };
    QList<QWidget*> tous = fenetre->findChildren<QWidget*>();
    tous.prepend(fenetre);
    for (QWidget* w : tous) {
        if (!w->isVisibleTo(fenetre) && w != fenetre)
            continue;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            QString texte = l->text();
            if (texte.isEmpty() || l->textFormat() == Qt::RichText || (Qt::mightBeRichText(texte) && l->textFormat() != Qt::PlainText))
                continue;
            texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            const QRect zone = l->contentsRect();
            const QFontMetrics fm(l->font());
            if (l->wordWrap()) {
                const QRect r = fm.boundingRect(QRect(0, 0, zone.width(), 100000), Qt::TextWordWrap, texte);
                if (r.width() > zone.width() + 1 || r.height() > zone.height() + fm.leading() + 2)
                    faute(l, texte, QStringLiteral("%1x%2 in %3x%4").arg(r.width()).arg(r.height()).arg(zone.width()).arg(zone.height()));
                continue;
            }
            const QStringList lignes = texte.split(QLatin1Char('\n'));
            int largeur = 0;
            for (const QString& ligne : lignes)
                largeur = std::max(largeur, fm.horizontalAdvance(ligne));
            const int hauteur = fm.height() + fm.lineSpacing() * int(lignes.size() - 1);
            if (largeur > zone.width() + 1 || hauteur > zone.height() + fm.descent() + 2)
                faute(l, texte, QStringLiteral("%1x%2 in %3x%4").arg(largeur).arg(hauteur).arg(zone.width()).arg(zone.height()));
        } else if (auto* b = qobject_cast<TBoutonArrondi*>(w)) {
            const QString visible = sans_mnemonique(b->text());
            if (visible.isEmpty())
                continue;
            // The caption keeps clear of the rounded ends, beside its picture.
            const int place = b->width() - b->height() - (b->image().isNull() ? 0 : b->image().width() + 4);
            if (QFontMetrics(police_ajustee(b->font(), visible, place)).horizontalAdvance(visible) > place)
                faute(b, visible, QStringLiteral("wider than %1").arg(place));
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            const QString visible = sans_mnemonique(b->text());
            if (!visible.isEmpty() && b->sizeHint().width() > b->width() + 1)
                faute(b, visible, QStringLiteral("wants %1, has %2").arg(b->sizeHint().width()).arg(b->width()));
        } else if (auto* a = qobject_cast<QTreeWidget*>(w)) {
            // A table: its columns side by side within it, each heading and
            // each cell within its column.
            const QHeaderView* h = a->header();
            if (h->length() > a->viewport()->width())
                faute(a, a->headerItem()->text(0), QStringLiteral("columns %1 wide in %2").arg(h->length()).arg(a->viewport()->width()));
            const int marge_entete = 2 * a->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, a);
            const int marge_case = 2 * (a->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, a) + 1);
            const auto tenir = [&](const QString& texte, const QFont& police, int marge, int c) {
                if (QFontMetrics(police).horizontalAdvance(texte) + marge > h->sectionSize(c))
                    faute(a, texte, QStringLiteral("wider than its column, %1").arg(h->sectionSize(c)));
            };
            for (int c = 0; c < a->columnCount(); ++c) {
                tenir(a->headerItem()->text(c), h->font(), marge_entete, c);
                for (int i = 0; i < a->topLevelItemCount(); ++i)
                    tenir(a->topLevelItem(i)->text(c), a->font(), marge_case, c);
            }
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                const QRect r = t->tabRect(i);
                const QString texte = t->tabText(i);
                if (QFontMetrics(police_ajustee(t->font(), texte, r.width() - 8)).horizontalAdvance(texte) > r.width() - 8)
                    faute(t, texte, QStringLiteral("tab wider than %1").arg(r.width() - 8));
            }
        }
    }
    return fautes;
}

void capturer(QWidget* w, const QString& nom)
{
    const QByteArray dossier = qgetenv("TRELMO_CAPTURES");
    if (!dossier.isEmpty())
        w->grab().save(QDir(QString::fromLocal8Bit(dossier)).filePath(nom + QStringLiteral(".png")));
}

} // namespace

class TstTailles : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString ancien;

private slots:
    void initTestCase()
    {
        ancien = QDir::currentPath();
        afficheur_erreur() = &noter_erreur;
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        QDir(dir.path()).mkpath(QStringLiteral("Image/Skin"));
        for (int i = 1; i <= 4; ++i) {
            const QString nom = QStringLiteral("Image/Skin/p%1.bmp").arg(i);
            QVERIFY(QFile::copy(QStringLiteral(TRELMO_RUN_DIR "/") + nom, dir.filePath(nom)));
        }
        QDir::setCurrent(dir.path());
        initialiser_ressources();
        enregistrer_tophand();
        QCoreApplication::setApplicationName(QStringLiteral("Trelmo"));
    }
    void cleanupTestCase() { QDir::setCurrent(ancien); }

    void chaqueTexteTientDansSonControle()
    {
        QStringList fautes;
        const auto& codes = codes_langues();
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const int32_t l = static_cast<int32_t>(i);
            const QString code = QString::fromStdString(codes[i]);
            const Textes& t = textes(l);
            // The main window reads its language from the locale.
            unsetenv("LANGUAGE");
            unsetenv("LC_ALL");
            unsetenv("LC_MESSAGES");
            setenv("LANG", (codes[i] + ".UTF-8").c_str(), 1);
            {
                TForm1 f;
                f.show();
                QVERIFY(QTest::qWaitForWindowExposed(&f));
                QCOMPARE(f.langue(), l);
                fautes << mesurer(&f, code + QStringLiteral(" main"));
                capturer(&f, code + QStringLiteral("-main"));
                f.etat_jeux(t.reposer, t.reposer_hint);
                fautes << mesurer(&f, code + QStringLiteral(" main/stop"));
                for (const std::string& r : {t.gagne, t.termine}) {
                    f.resultat(true, r);
                    fautes << mesurer(&f, code + QStringLiteral(" result"));
                }
                capturer(&f, code + QStringLiteral("-result"));
            }
            Reglages r(dir.path().toStdString() + "/");
            {
                Tmode d(r, l);
                d.show();
                fautes << mesurer(&d, code + QStringLiteral(" variant"));
                capturer(&d, code + QStringLiteral("-variant"));
            }
            {
                Tsaisie_nom d(r, l);
                d.show();
                fautes << mesurer(&d, code + QStringLiteral(" name"));
                capturer(&d, code + QStringLiteral("-name"));
            }
            {
                Tmeilleur_score d(r, l);
                d.show();
                fautes << mesurer(&d, code + QStringLiteral(" scores"));
                capturer(&d, code + QStringLiteral("-scores"));
            }
            Statistiques stats(dir.filePath(QStringLiteral("statistiques.json")).toStdString());
            Statistiques joues(dir.filePath(QStringLiteral("joues.json")).toStdString());
            for (const Probleme& p : catalogue()) {
                joues.nouvelle_partie(cle_probleme(p.id));
                joues.saut();
                joues.indice();
                joues.fin(1, 3725, true);
            }
            {
                TProblemes d(l, stats);
                d.show();
                fautes << mesurer(&d, code + QStringLiteral(" problems"));
                capturer(&d, code + QStringLiteral("-problems"));
            }
            {
                TStatistiques d(l, stats);
                d.show();
                fautes << mesurer(&d, code + QStringLiteral(" statistics"));
                capturer(&d, code + QStringLiteral("-statistics"));
                // The problems' page with every problem played, each a row of
                // its table.
                TStatistiques j(l, joues);
                j.show();
                j.onglets->setCurrentIndex(TStatistiques::Problemes);
                fautes << mesurer(&j, code + QStringLiteral(" statistics/problems"));
                capturer(&j, code + QStringLiteral("-statistics-problems"));
            }
            {
                TSplashForm d(nullptr, l);
                d.show();
                fautes << mesurer(&d, code + QStringLiteral(" splash"));
            }
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(QLatin1Char('\n') + fautes.join(QLatin1Char('\n'))));
    }

    void messagesDesFichiers()
    {
        // A Spanish player reads the files' messages in Spanish.
        QTemporaryDir ici;
        QVERIFY(QDir(ici.path()).mkpath(QStringLiteral("TRL.CFG")));   // cannot be read as a file
        QDir(dir.path()).mkpath(QStringLiteral("Image"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("Image")), ici.filePath(QStringLiteral("Image"))));
        QDir::setCurrent(ici.path());
        QStringList avertissements;
        TForm1::afficheur_avertissement() = [&](const QString& t) { avertissements << t; };
        unsetenv("LANGUAGE");
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
        setenv("LANG", "es_ES.UTF-8", 1);
        {
            TForm1 f;
            f.show();
            QTRY_VERIFY(!avertissements.isEmpty());
        }
        TForm1::afficheur_avertissement() = nullptr;
        QDir::setCurrent(dir.path());
        QVERIFY2(avertissements.front().startsWith(QStringLiteral("No se puede leer el archivo "))
                     && avertissements.front().endsWith(QStringLiteral("sus récords y sus opciones no se guardarán.")),
                 qPrintable(avertissements.front()));
    }
};

QTEST_MAIN(TstTailles)
#include "tst_tailles.moc"
