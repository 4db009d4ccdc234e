// The pictures for screens of more than one device pixel to a window pixel.
#include "resources/ressources.h"

#include <QGuiApplication>
#include <QtTest>

#include <cmath>

using namespace trelmo;

namespace {

QImage rgb(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); }

// Mean difference of the channels of two pictures of the same size, 0 to 1.
double ecart(const QImage& a, const QImage& b)
{
    double somme = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return somme / (3.0 * 255.0 * a.width() * a.height());
}

QImage taille(const QImage& i, QSize s) { return i.scaled(s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); }

} // namespace

class TestEcran : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialiser_ressources(); }

    void ratio_un_donne_les_images_d_aujourd_hui()
    {
        for (qreal r : {1.0, 0.5})
            for (int s = 1; s <= 4; ++s)
                for (int m = 1; m <= 7; ++m) {
                    const QPixmap p = bille(s, m, r);
                    QCOMPARE(p.devicePixelRatio(), 1.0);
                    QCOMPARE(p.toImage(), bille(s, m).toImage());
                }
        QCOMPARE(titre_splash(1.0).toImage(), titre_splash().toImage());
        QCOMPARE(cliquez_ici(1.0).toImage(), cliquez_ici().toImage());
        QCOMPARE(bille_verte(1.0).toImage(), bille_verte().toImage());
        QCOMPARE(granite(1.0), granite());
        QCOMPARE(icone(1.0).availableSizes(), icone().availableSizes());
        QVERIFY(peau(1, 1.0).isNull());
    }

    void echelles()
    {
        QCOMPARE(echelle_art(1.0), 1.0);
        QCOMPARE(echelle_art(1.1), 1.25);
        QCOMPARE(echelle_art(1.25), 1.25);
        QCOMPARE(echelle_art(1.5), 1.5);
        QCOMPARE(echelle_art(1.75), 2.0);
        QCOMPARE(echelle_art(2.0), 2.0);
        QCOMPARE(echelle_art(2.5), 3.0);
        QCOMPARE(echelle_art(4.0), 3.0);
    }

    // Each picture fills at its ratio the place of its 100 % picture.
    void tailles_data()
    {
        QTest::addColumn<qreal>("ratio");
        for (qreal r : {1.25, 1.5, 2.0, 3.0})
            QTest::newRow(qPrintable(QString::number(r))) << r;
    }
    void tailles()
    {
        QFETCH(qreal, ratio);
        auto verifie = [&](const QPixmap& p, QSize une_fois, const char* quoi) {
            QVERIFY2(!p.isNull(), quoi);
            QCOMPARE(p.devicePixelRatio(), ratio);
            QCOMPARE(p.size(), QSize(qRound(une_fois.width() * ratio), qRound(une_fois.height() * ratio)));
        };
        for (int s = 1; s <= 4; ++s) {
            for (int m = 1; m <= 7; ++m)
                verifie(bille(s, m, ratio), QSize(21, 22), "bille");
            verifie(peau(s, ratio), QSize(640, 462), "peau");
        }
        verifie(titre_splash(ratio), QSize(196, 50), "titre");
        verifie(cliquez_ici(ratio), QSize(176, 32), "cliquez ici");
        verifie(bille_verte(ratio), QSize(20, 20), "bille verte");
        const QImage g = granite(ratio);
        QCOMPARE(g.size(), QSize(qRound(96 * ratio), qRound(96 * ratio)));
        QCOMPARE(g.devicePixelRatio(), ratio);
        QVERIFY(icone(ratio).availableSizes().contains(QSize(qRound(32 * ratio), qRound(32 * ratio))));
        QVERIFY(bille(0, 1, ratio).isNull() && peau(5, ratio).isNull());
    }

    // The hand cursors at 200 %: twice the pixels, the same hot spot in the
    // cursor's own pixels, and smoother than the 100 % cursor enlarged.
    void curseurs_a_200()
    {
        for (int id : {curseur_main_id, curseur_deplace_id, curseur_impossible_id, curseur_tophand_id}) {
            const QCursor un = curseur(id), deux = curseur(id, 2.0);
            QCOMPARE(deux.pixmap().size(), QSize(64, 64));
            QCOMPARE(deux.pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(deux.hotSpot(), un.hotSpot());
            const QImage agrandi = un.pixmap().toImage().convertToFormat(QImage::Format_ARGB32).scaled(64, 64);
            QVERIFY2(deux.pixmap().toImage().convertToFormat(QImage::Format_ARGB32) != agrandi, qPrintable(QString::number(id)));
        }
        QCOMPARE(curseur(0, 2.0).shape(), Qt::ArrowCursor);
    }

    // At 200 % a marble carries detail its 100 % picture enlarged does not
    // have, and brought back to 100 % it is that picture.
    void bille_a_200_plus_fine()
    {
        for (int s = 1; s <= 4; ++s)
            for (int m = 1; m <= 7; ++m) {
                const QImage un = rgb(bille(s, m));
                const QImage deux = rgb(bille(s, m, 2.0));
                const double agrandie = ecart(deux, taille(un, deux.size()));
                const double reduite = ecart(taille(deux, un.size()), un);
                const QString ctx = QStringLiteral("bille%1%2: %3 %4").arg(s).arg(m).arg(agrandie).arg(reduite);
            QVERIFY2(agrandie > 0.01, qPrintable(ctx));
                QVERIFY2(reduite < 0.6 * agrandie, qPrintable(ctx));
            }
    }

    // The same for the rim of an empty hole on the skin.
    void trou_a_200_plus_fin()
    {
        QImage un(QStringLiteral(TRELMO_SKIN_DIR "/p1.bmp"));
        QVERIFY(!un.isNull());
        un = un.convertToFormat(QImage::Format_RGB32);
        for (int s = 1; s <= 4; ++s) {
            QImage une_fois(QStringLiteral(TRELMO_SKIN_DIR "/p%1.bmp").arg(s));
            une_fois = une_fois.convertToFormat(QImage::Format_RGB32);
            const QImage deux = rgb(peau(s, 2.0));
            // The centre hole, sprite at (289, 198), and its rim.
            const QRect trou(286, 195, 27, 28);
            const QImage a = une_fois.copy(trou);
            const QImage b = deux.copy(QRect(trou.topLeft() * 2, trou.size() * 2));
            const double agrandie = ecart(b, taille(a, b.size()));
            const double reduite = ecart(taille(b, a.size()), a);
            const QString ctx = QStringLiteral("p%1: %2 %3").arg(s).arg(agrandie).arg(reduite);
            QVERIFY2(agrandie > 0.01, qPrintable(ctx));
            QVERIFY2(reduite < 0.6 * agrandie, qPrintable(ctx));
        }
    }
};

QTEST_MAIN(TestEcran)
#include "tst_ecran.moc"
