// The magic label and the shadowed label, checked on their rendered pixels.
#include "widgets/label3d.h"
#include "widgets/magiclabel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

using namespace trelmo;

namespace {

const QColor kFond(Qt::white);
const QColor kFace(Qt::black);
const QColor kHaut(0xFF, 0x00, 0x00);
const QColor kBas(0x00, 0x00, 0xFF);

// Crisp glyphs, so that every drawn pixel has exactly one of the colours.
QFont police_nette(int pixels = 24)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

template <typename L>
void preparer(L& l, const QString& texte, QSize taille = QSize(120, 40))
{
    l.setFont(police_nette());
    l.resize(taille);
    QPalette pal = l.palette();
    pal.setColor(QPalette::Window, kFond);
    l.setPalette(pal);
    l.setTransparent(false);
    l.setText(texte);
}

QImage rendu(QWidget& w)
{
    QImage img(w.size(), QImage::Format_ARGB32);
    img.fill(kFond);
    w.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

// Bounding box of the pixels of one colour (empty when there are none).
QRect boite(const QImage& img, const QColor& c)
{
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).rgb() == c.rgb()) {
                x0 = std::min(x0, x); y0 = std::min(y0, y);
                x1 = std::max(x1, x); y1 = std::max(y1, y);
            }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

int compte(const QImage& img, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y).rgb() == c.rgb();
    return n;
}

// Counts the paint events a widget receives.
class CompteurDessins : public QObject {
public:
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++n;
        return false;
    }
};

QString long_texte(int n)
{
    QString s;
    for (int i = 0; s.size() < n; ++i)
        s += QString::number(i % 10) + QLatin1Char(' ');
    return s.left(n);
}

} // namespace

class TstLabels : public QObject {
    Q_OBJECT
private slots:
    void magicValeursParDefaut()
    {
        TMagicLabel l;
        QCOMPARE(l.size(), QSize(95, 20));
        QCOMPARE(l.blink(), false);
        QCOMPARE(l.blinkSpeed(), 50);
        QCOMPARE(l.blinkColor(), QColor(0xFF, 0, 0));
        QCOMPARE(l.blinkTopColor(), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(l.blinkBottomColor(), QColor(0x80, 0x80, 0x80));
        QCOMPARE(l.blinkTransparent(), true);
        QCOMPARE(l.raisedTop(), true);
        QCOMPARE(l.raisedBottom(), true);
        QCOMPARE(l.raisedTopColor(), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(l.raisedBottomColor(), QColor(0x80, 0x80, 0x80));
        QCOMPARE(l.raisedTopDistance(), 1);
        QCOMPARE(l.raisedBottomDistance(), 1);
        QCOMPARE(l.fontColor(), QColor(0xC0, 0xC0, 0xC0));
        // The published names reach the same values.
        QCOMPARE(l.property("BlinkSpeed").toInt(), 50);
        QVERIFY(l.setProperty("RaisedBottomDistance", 3));
        QCOMPARE(l.raisedBottomDistance(), 3);
        l.setBlinkSpeed(70000);
        QCOMPARE(l.blinkSpeed(), 65535);
        l.setBlinkSpeed(-5);
        QCOMPARE(l.blinkSpeed(), 0);
    }

    void magicPositionsDesCopies()
    {
        // Reference: only the face, at (0, 0).
        TMagicLabel seul;
        preparer(seul, QStringLiteral("Ab"));
        seul.setFontColor(kFace);
        seul.setRaisedTop(false);
        seul.setRaisedBottom(false);
        const QImage img0 = rendu(seul);
        const QRect face0 = boite(img0, kFace);
        QVERIFY(!face0.isEmpty());
        QCOMPARE(compte(img0, kFace) + compte(img0, kFond), img0.width() * img0.height());

        // A new label: top copy one pixel up-left of the face, bottom copy one down-right.
        TMagicLabel l;
        preparer(l, QStringLiteral("Ab"));
        l.setFontColor(kFace);
        l.setRaisedTopColor(kHaut);
        l.setRaisedBottomColor(kBas);
        QImage img = rendu(l);
        QRect face = boite(img, kFace);
        QCOMPARE(face, face0.translated(1, 1));
        QCOMPARE(boite(img, kHaut).topLeft(), face.topLeft() - QPoint(1, 1));
        QCOMPARE(boite(img, kBas).bottomRight(), face.bottomRight() + QPoint(1, 1));
        // The face is drawn last: every pixel of the face alone is face-coloured here too.
        for (int y = 0; y < img0.height(); ++y)
            for (int x = 0; x + 1 < img0.width(); ++x)
                if (img0.pixelColor(x, y) == kFace && y + 1 < img.height() && x + 1 < img.width())
                    QCOMPARE(img.pixelColor(x + 1, y + 1), kFace);

        // The about window's look: no top copy, bottom copy 2 pixels down-right.
        l.setRaisedTop(false);
        l.setRaisedBottomDistance(2);
        img = rendu(l);
        QCOMPARE(boite(img, kFace), face0);
        QCOMPARE(compte(img, kHaut), 0);
        QCOMPARE(boite(img, kBas).bottomRight(), face0.bottomRight() + QPoint(2, 2));
        QCOMPARE(boite(img, kBas).topLeft().x() >= face0.left() + 2, true);

        // Larger distances add up for the face position.
        l.setRaisedTop(true);
        l.setRaisedTopDistance(3);
        l.setRaisedBottomDistance(2);
        img = rendu(l);
        QCOMPARE(boite(img, kFace), face0.translated(3, 3));
        QCOMPARE(boite(img, kHaut).topLeft(), face0.topLeft());
        QCOMPARE(boite(img, kBas).bottomRight(), face0.bottomRight() + QPoint(5, 5));

        // Centred: the copies keep their offsets.
        l.setAlignment(Qt::AlignHCenter);
        l.setRaisedTopDistance(1);
        l.setRaisedBottomDistance(1);
        img = rendu(l);
        face = boite(img, kFace);
        QVERIFY(face.left() > face0.left() + 10);
        QCOMPARE(boite(img, kHaut).topLeft(), face.topLeft() - QPoint(1, 1));
        QCOMPARE(boite(img, kBas).bottomRight(), face.bottomRight() + QPoint(1, 1));
    }

    void magicDesactiveEtTexte()
    {
        TMagicLabel l;
        preparer(l, QStringLiteral("Ab"));
        l.setFontColor(kFace);
        l.setRaisedTopColor(kHaut);
        l.setRaisedBottomColor(kBas);
        const int total = l.width() * l.height();
        const int fond = compte(rendu(l), kFond);
        l.setEnabled(false);
        const QImage img = rendu(l);
        const QColor gris = couleur_texte_gris();
        QVERIFY(gris != kFond);
        QCOMPARE(compte(img, kFace) + compte(img, kHaut) + compte(img, kBas), 0);
        QCOMPARE(compte(img, gris), total - compte(img, kFond));
        QCOMPARE(compte(img, kFond), fond);

        // "\r" breaks the line: the text grows downwards.
        TMagicLabel deux;
        preparer(deux, QStringLiteral("A\rB"), QSize(120, 80));
        deux.setRaisedTop(false);
        deux.setRaisedBottom(false);
        deux.setFontColor(kFace);
        QVERIFY(boite(rendu(deux), kFace).height() > 40);

        // More than 255 characters: cut after the 255th.
        TMagicLabel a, b, c;
        for (TMagicLabel* x : {&a, &b, &c}) {
            x->setFont(police_nette(10));
            x->resize(500, 400);
            x->setRaisedTop(false);
            x->setRaisedBottom(false);
            x->setFontColor(kFace);
        }
        const QString s = long_texte(300);
        a.setText(s);
        b.setText(s.left(255));
        c.setText(s.left(253));
        QCOMPARE(rendu(a), rendu(b));
        QVERIFY(rendu(a) != rendu(c));
    }

    void magicClignotement()
    {
        QWidget fenetre;
        fenetre.resize(200, 60);
        auto* l = new TMagicLabel(&fenetre);
        preparer(*l, QStringLiteral("Ab"));
        l->setFontColor(kFace);
        l->setRaisedTopColor(kHaut);
        l->setRaisedBottomColor(kBas);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

        // Transparent blink: no text in the blink phase.
        l->setBlinkSpeed(1000);
        l->setBlink(true);
        QVERIFY(l->blink());
        QVERIFY(!l->phaseClignotement());
        QTRY_VERIFY_WITH_TIMEOUT(l->phaseClignotement(), 3000);
        QImage img = rendu(*l);
        QCOMPARE(compte(img, kFond), img.width() * img.height());
        QTRY_VERIFY_WITH_TIMEOUT(!l->phaseClignotement(), 3000);
        QVERIFY(compte(rendu(*l), kFace) > 0);

        // Blink colours.
        l->setBlinkTransparent(false);
        const QColor bf(0x00, 0x80, 0x00), bh(0x80, 0x00, 0x80), bb(0x00, 0x80, 0x80);
        l->setBlinkColor(bf);
        l->setBlinkTopColor(bh);
        l->setBlinkBottomColor(bb);
        QTRY_VERIFY_WITH_TIMEOUT(l->phaseClignotement(), 3000);
        img = rendu(*l);
        QVERIFY(compte(img, bf) > 0);
        QVERIFY(compte(img, bh) > 0);
        QVERIFY(compte(img, bb) > 0);
        QCOMPARE(compte(img, kFace), 0);

        // Switching off in the blink phase shows the normal look at once.
        l->setBlink(false);
        QVERIFY(!l->blink());
        QVERIFY(!l->phaseClignotement());
        img = rendu(*l);
        QCOMPARE(compte(img, bf), 0);
        QVERIFY(compte(img, kFace) > 0);

        // A zero period never ticks.
        l->setBlinkSpeed(0);
        l->setBlink(true);
        QTest::qWait(100);
        QVERIFY(!l->phaseClignotement());
        l->setBlink(false);
    }

    void label3dParDefautEtOmbre()
    {
        TLabel3D nouveau;
        QCOMPARE(nouveau.size(), QSize(66, 18));
        QCOMPARE(nouveau.shadowColor(), QApplication::palette().color(QPalette::Active, QPalette::Light));

        TLabel3D seul;
        preparer(seul, QStringLiteral("Ab"));
        seul.setFontColor(kFace);
        seul.setShadowColor(QColor(0, 0, 0, 0));   // shadow invisible: the face alone
        const QImage img0 = rendu(seul);
        const QRect face0 = boite(img0, kFace);
        QVERIFY(!face0.isEmpty());
        QCOMPARE(face0.topLeft().x() < 5, true);

        for (Qt::Alignment a : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
            TLabel3D l;
            preparer(l, QStringLiteral("Ab"));
            l.setAlignment(a);
            seul.setAlignment(a);
            l.setFontColor(kFace);
            l.setShadowColor(kHaut);
            const QImage ref = rendu(seul);
            const QImage img = rendu(l);
            const QRect face = boite(img, kFace);
            QCOMPARE(face, boite(ref, kFace));
            QCOMPARE(boite(img, kHaut).bottomRight(), face.bottomRight() + QPoint(1, 1));
            QCOMPARE(boite(img, kHaut).topLeft().x() >= face.left() + 1, true);
            // Face drawn over the shadow.
            QCOMPARE(compte(img, kFace), compte(ref, kFace));

            // Disabled: grey face, shadow unchanged.
            l.setEnabled(false);
            const QImage dis = rendu(l);
            QCOMPARE(compte(dis, kFace), 0);
            QCOMPARE(compte(dis, couleur_texte_gris()), compte(ref, kFace));
            QCOMPARE(compte(dis, kHaut), compte(img, kHaut));
        }

        // Cut after 255 characters.
        TLabel3D a, b, c;
        for (TLabel3D* x : {&a, &b, &c}) {
            x->setFont(police_nette(10));
            x->resize(500, 400);
        }
        const QString s = long_texte(300);
        a.setText(s);
        b.setText(s.left(255));
        c.setText(s.left(250));
        QCOMPARE(rendu(a), rendu(b));
        QVERIFY(rendu(a) != rendu(c));
    }

    void label3dRepeintSeulementSiChange()
    {
        QWidget fenetre;
        fenetre.resize(100, 40);
        auto* l = new TLabel3D(QStringLiteral("Ab"), &fenetre);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        CompteurDessins compteur;
        l->installEventFilter(&compteur);
        l->update();
        QTRY_VERIFY(compteur.n > 0);   // the counter sees repaints at all

        compteur.n = 0;
        l->setShadowColor(l->shadowColor());
        QTest::qWait(100);
        QCoreApplication::processEvents();
        QCOMPARE(compteur.n, 0);

        l->setShadowColor(QColor(0x12, 0x34, 0x56));
        QCOMPARE(l->shadowColor(), QColor(0x12, 0x34, 0x56));
        QTRY_VERIFY(compteur.n > 0);
    }

    void clics()
    {
        TMagicLabel m(QStringLiteral("x"));
        TLabel3D t(QStringLiteral("y"));
        QSignalSpy sm(&m, &TMagicLabel::clicked);
        QSignalSpy st(&t, &TLabel3D::clicked);
        QTest::mouseClick(&m, Qt::LeftButton);
        QTest::mouseClick(&t, Qt::LeftButton);
        QTest::mouseClick(&t, Qt::RightButton);
        QCOMPARE(sm.count(), 1);
        QCOMPARE(st.count(), 1);
        // Released outside: no click.
        QTest::mousePress(&m, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&m, Qt::LeftButton, {}, QPoint(500, 500));
        QCOMPARE(sm.count(), 1);
    }
};

QTEST_MAIN(TstLabels)
#include "tst_labels.moc"
