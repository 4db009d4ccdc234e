// The compiled-in pictures: sizes, formats, cursors and their hot spots.
#include "resources/ressources.h"
#include "bmp.h"

#include <QColor>
#include <QFile>
#include <QtTest>

using namespace trelmo;

namespace {

QColor moyenne(const QImage& image, const QRect& zone)
{
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}

} // namespace

class TestRessources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialiser_ressources(); }

    void billes()
    {
        for (int s = 1; s <= 4; ++s)
            for (int m = 1; m <= 7; ++m) {
                const QString nom = QStringLiteral(":/art/bille%1%2.bmp").arg(s).arg(m);
                const EnteteBmp e = entete_bmp(nom);
                QVERIFY2(e.valide, qPrintable(nom));
                QCOMPARE(e.largeur, 21);
                QCOMPARE(e.hauteur, 22);
                QCOMPARE(e.bits, 8);
                QCOMPARE(e.compression, 0);
                QVERIFY(e.couleurs == 0 || e.couleurs == 256);
                const QImage image(nom);
                QCOMPARE(image.format(), QImage::Format_Indexed8);
                QCOMPARE(image.colorCount(), 256);
                const QPixmap p = bille(s, m);
                QVERIFY(!p.isNull());
                QCOMPARE(p.size(), QSize(21, 22));
            }
        // Out of range: no picture.
        for (auto [s, m] : {std::pair{0, 1}, {5, 1}, {1, 0}, {1, 8}, {-1, 3}, {2, -7}, {100, 100}})
            QVERIFY(bille(s, m).isNull());
    }

    void billes_couleurs()
    {
        // Every row of the set shows the same seven marbles; the glossy ones
        // are red, blue and green, with a white highlight in the upper left.
        for (int s = 1; s <= 4; ++s) {
            for (int m = 1; m <= 7; ++m)
                for (int n = m + 1; n <= 7; ++n)
                    QVERIFY(bille(s, m).toImage() != bille(s, n).toImage());
            const QRect coeur(7, 9, 8, 8);
            const QColor rouge = moyenne(bille(s, 1).toImage(), coeur);
            const QColor bleu = moyenne(bille(s, 2).toImage(), coeur);
            const QColor vert = moyenne(bille(s, 3).toImage(), coeur);
            QVERIFY(rouge.red() > 2 * rouge.green() && rouge.red() > 2 * rouge.blue());
            QVERIFY(bleu.blue() > 2 * bleu.red() && bleu.blue() > bleu.green());
            QVERIFY(vert.green() > 2 * vert.red() && vert.green() > vert.blue());
            for (int m = 1; m <= 3; ++m) {
                const QImage image = bille(s, m).toImage();
                bool blanc = false;
                for (int y = 0; y < 11; ++y)
                    for (int x = 0; x < 11; ++x)
                        blanc = blanc || image.pixel(x, y) == qRgb(255, 255, 255);
                QVERIFY2(blanc, qPrintable(QStringLiteral("bille%1%2").arg(s).arg(m)));
            }
        }
    }

    void curseurs()
    {
        struct Cas {
            int id;
            QPoint point;
        };
        for (const Cas& c : {Cas{150, {7, 23}}, Cas{151, {8, 25}}, Cas{152, {9, 13}}, Cas{-1018, {11, 3}}}) {
            const QCursor cur = curseur(c.id);
            QCOMPARE(cur.shape(), Qt::BitmapCursor);
            QCOMPARE(cur.hotSpot(), c.point);
            const QImage image = cur.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(32, 32));
            int noirs = 0, blancs = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    const QRgb p = image.pixel(x, y);
                    if (qAlpha(p) == 0)
                        continue;
                    QVERIFY2(qAlpha(p) == 255 && (p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)),
                             qPrintable(QStringLiteral("cursor %1 pixel %2,%3").arg(c.id).arg(x).arg(y)));
                    (p == qRgb(0, 0, 0) ? noirs : blancs)++;
                }
            QVERIFY(noirs > 40 && blancs > 40);
            // The hot spot lies on the drawing, not in the empty margin.
            int proches = 0;
            for (int y = c.point.y() - 2; y <= c.point.y() + 2; ++y)
                for (int x = c.point.x() - 2; x <= c.point.x() + 2; ++x)
                    proches += qAlpha(image.pixel(x, y)) ? 1 : 0;
            QVERIFY2(proches >= 8, qPrintable(QString::number(c.id)));
        }
        // The raised finger points up: its hot spot is the top of the drawing.
        const QImage doigt = curseur(-1018).pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(qAlpha(doigt.pixel(x, y)), 0);
        // Distinct pictures.
        QVERIFY(curseur(150).pixmap().toImage() != curseur(151).pixmap().toImage());
        QVERIFY(curseur(151).pixmap().toImage() != curseur(152).pixmap().toImage());
        for (int id : {0, 1, 149, 153, -1, -1017, 1018})
            QCOMPARE(curseur(id).shape(), Qt::ArrowCursor);
    }

    void tophand()
    {
        enregistrer_tophand();
        enregistrer_tophand();
        QCOMPARE(curseur(-1018).hotSpot(), QPoint(11, 3));
        QCOMPARE(curseur(-1018).shape(), Qt::BitmapCursor);
    }

    void icone_fenetre()
    {
        const QImage seize(QStringLiteral(":/art/icone.png"));
        QCOMPARE(seize.size(), QSize(32, 32));
        const QImage indexee = seize.convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> couleurs;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                couleurs.insert(indexee.pixel(x, y));
        QVERIFY(couleurs.size() <= 16);
        QCOMPARE(qAlpha(indexee.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(indexee.pixel(31, 31)), 0);
        // Red marble in the middle, blue diamond around it.
        const QColor centre = moyenne(indexee, QRect(12, 16, 4, 4));
        QVERIFY(centre.red() > 2 * centre.blue() && centre.red() > 2 * centre.green());
        const QColor pointe(indexee.pixel(16, 4));
        QVERIFY(pointe.blue() > pointe.red() + 40);

        const QIcon i = icone();
        QVERIFY(!i.isNull());
        for (int n : {16, 32, 48})
            QVERIFY2(i.availableSizes().contains(QSize(n, n)), qPrintable(QString::number(n)));
        QCOMPARE(i.pixmap(32, 32).size(), QSize(32, 32));
    }

    void icones_bureau()
    {
        for (int n : {16, 32, 48, 64, 128, 256}) {
            const QString nom = QStringLiteral(TRELMO_ICON_DIR "/%1x%1/trelmo.png").arg(n);
            const QImage image(nom);
            QVERIFY2(!image.isNull(), qPrintable(nom));
            QCOMPARE(image.size(), QSize(n, n));
            QVERIFY(image.hasAlphaChannel());
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
    }

    void lettres_or_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        QTest::newRow("titre") << QStringLiteral("titre") << QSize(196, 50);
        QTest::newRow("cliquez") << QStringLiteral("cliquez_ici") << QSize(176, 32);
    }

    void lettres_or()
    {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        const QPixmap p = nom == QLatin1String("titre") ? titre_splash() : cliquez_ici();
        QCOMPARE(p.size(), taille);
        const EnteteBmp e = entete_bmp(QStringLiteral(":/art/%1.bmp").arg(nom));
        QCOMPARE(e.bits, 24);
        QCOMPARE(e.compression, 0);
        const QImage image = p.toImage();
        QVERIFY(!image.hasAlphaChannel());
        // White background, gold letters.
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(taille.width() - 1, 0), qRgb(255, 255, 255));
        int or_ = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                if (c.red() > 150 && c.green() > 90 && c.blue() < c.green() - 50 && c.red() >= c.green())
                    ++or_;
            }
        QVERIFY2(or_ > image.width() * image.height() / 14, qPrintable(QString::number(or_)));
    }

    void granite_et_bille_verte()
    {
        const QImage g = granite();
        QCOMPARE(g.size(), QSize(96, 96));
        QVERIFY(!g.hasAlphaChannel());
        QCOMPARE(entete_bmp(QStringLiteral(":/art/granite.bmp")).bits, 24);
        const QColor m = moyenne(g, g.rect());
        QVERIFY(qAbs(m.red() - m.blue()) < 20 && qAbs(m.green() - m.blue()) < 20);
        QVERIFY(m.value() > 80 && m.value() < 200);
        // The texture tiles: the step across the seam is no larger than a step inside.
        auto ecart = [&](int xa, int xb) {
            long s = 0;
            for (int y = 0; y < 96; ++y)
                s += qAbs(qGray(g.pixel(xa, y)) - qGray(g.pixel(xb, y)));
            return s;
        };
        long interieur = 0;
        for (int x = 0; x < 95; ++x)
            interieur += ecart(x, x + 1);
        QVERIFY(ecart(95, 0) < 2 * interieur / 95 + 96 * 10);

        const QPixmap b = bille_verte();
        QCOMPARE(b.size(), QSize(20, 20));
        const QImage bi = b.toImage();
        QVERIFY(bi.hasAlphaChannel());
        QCOMPARE(qAlpha(bi.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(bi.pixel(19, 19)), 0);
        const QColor c(bi.pixel(12, 12));
        QVERIFY(c.green() > 2 * c.red() && c.green() > 2 * c.blue());
    }
};

QTEST_MAIN(TestRessources)
#include "tst_ressources.moc"
