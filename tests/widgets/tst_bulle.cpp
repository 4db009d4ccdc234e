// The balloon settings, the balloon window's sizing and placement, and real
// balloons replacing the tool tips of the application (offscreen).
#include "widgets/bulle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace trelmo;

namespace {

// The main window's balloon settings.
void mainSettings(THintDesign* h)
{
    h->setHintStyle(hiBubble);
    h->setPosition(hiTopRight);
    h->setLinkStyle(liArrow);
    h->setColor(clWhite);
    h->setBorder(true);
    h->setBorderColor(clSilver);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    h->setFont(f, clBlack);
    h->setShadow(true);
    h->setShadowWidth(5);
    h->setShadowIntensity(35);
    h->setShadowQuality(quHi);
    h->setDelay(200);
}

const QRect kScreen(0, 0, 800, 600);

} // namespace

class TestBulle : public QObject {
    Q_OBJECT
private slots:
    void defaultsAndRejectedValues();
    void sizingPerStyle();
    void placementNearScreenEdges();
    void realHintOverLabel();
    void translucentWhenTheScreenCannotBeCopied();
};

void TestBulle::defaultsAndRejectedValues()
{
    THintDesign::setHintPause(123);
    {
        THintDesign h;
        QCOMPARE(THintDesign::hintPause(), 500);
        QVERIFY(h.picture().isNull());
        QCOMPARE(h.border(), true);
        QCOMPARE(h.borderColor(), clBlack);
        QCOMPARE(h.color(), clWhite);
        QCOMPARE(h.font().family(), QStringLiteral("Arial"));
        QCOMPARE(h.font().pointSize(), 10);
        QCOMPARE(h.fontColor(), clBlack);
        QCOMPARE(h.position(), hiTopRight);
        QCOMPARE(h.shadow(), true);
        QCOMPARE(h.shadowQuality(), quLow);
        QCOMPARE(h.shadowIntensity(), 70);
        QCOMPARE(h.shadowWidth(), 4);
        QCOMPARE(h.delay(), 500);
        QCOMPARE(h.hintStyle(), hiBubble);
        QCOMPARE(h.linkStyle(), liArrow);
        QCOMPARE(h.fontData().Size, 10);

        // Out-of-range values leave the previous one.
        h.setShadowIntensity(35);
        h.setShadowIntensity(256);
        h.setShadowIntensity(-1);
        QCOMPARE(h.shadowIntensity(), 35);
        h.setShadowIntensity(0);
        QCOMPARE(h.shadowIntensity(), 0);
        h.setShadowIntensity(255);
        QCOMPARE(h.shadowIntensity(), 255);
        h.setShadowWidth(7);
        h.setShadowWidth(11);
        h.setShadowWidth(-1);
        QCOMPARE(h.shadowWidth(), 7);
        h.setShadowWidth(0);
        QCOMPARE(h.shadowWidth(), 0);
        h.setShadowWidth(10);
        QCOMPARE(h.shadowWidth(), 10);
        h.setHintStyle(THintStyle(9));
        h.setLinkStyle(TLinkStyle(3));
        h.setPosition(THintPosition(4));
        h.setShadowQuality(TQuality(2));
        QCOMPARE(h.hintStyle(), hiBubble);
        QCOMPARE(h.linkStyle(), liArrow);
        QCOMPARE(h.position(), hiTopRight);
        QCOMPARE(h.shadowQuality(), quLow);

        // Delay is the application's hint pause.
        h.setDelay(200);
        QCOMPARE(h.delay(), 200);
        QCOMPARE(THintDesign::hintPause(), 200);

        // 13 pixels are 10 points; the font description carries the colour.
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(13);
        f.setBold(true);
        h.setFont(f, RGBColor(1, 2, 3));
        QCOMPARE(h.fontData().Size, 10);
        QCOMPARE(h.fontData().Style, std::uint8_t(fsBold));
        QCOMPARE(h.fontData().Color, RGBColor(1, 2, 3));
        QCOMPARE(hintFont(h.fontData()).pixelSize(), 13);

        // The first one is found; a second one does not replace it.
        QCOMPARE(THintDesign::FindHintDesign(), &h);
        THintDesign second;
        QCOMPARE(THintDesign::FindHintDesign(), &h);
    }
    // None left: a default-valued one, which leaves the hint pause alone.
    THintDesign::setHintPause(321);
    THintDesign* d = THintDesign::FindHintDesign();
    QVERIFY(d);
    QCOMPARE(d->shadowIntensity(), 70);
    QCOMPARE(d->hintStyle(), hiBubble);
    QCOMPARE(THintDesign::hintPause(), 321);
}

void TestBulle::sizingPerStyle()
{
    THintDesign h;
    mainSettings(&h);
    TNewDesign w;

    // 120 x 18: W = 120 + 18 = 138, H = 36, link 15, shadow 5 -> 143 x 56.
    w.prepare(QRect(0, 0, 120, 18), QStringLiteral("x"), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(143, 56));
    QCOMPARE(w.linkHeight(), 15);
    QCOMPARE(w.textHeight(), 18);
    QCOMPARE(w.currentLinkStyle(), liArrow);
    QVERIFY(w.hasShadow());
    QCOMPARE(w.text(), QStringLiteral("x"));
    // 400 x 18: 418 / 36 = 11 > 4, so H = 418 / 4 = 104 -> 423 x 124.
    w.prepare(QRect(0, 0, 400, 18), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(423, 124));

    // Bubble links are 20 high; the body is at least 35 wide.
    h.setHintStyle(hiRectangle);
    h.setLinkStyle(liBubble);
    w.prepare(QRect(0, 0, 20, 18), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(35 + 5, 18 + 20 + 5));
    QCOMPARE(w.linkHeight(), 20);
    h.setHintStyle(hiRoundrect);
    h.setShadow(false);
    w.prepare(QRect(0, 0, 80, 18), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(80, 38));

    // Text: no link (a 10-pixel gap instead) and no drop shadow.
    h.setShadow(true);
    h.setHintStyle(hiText);
    w.prepare(QRect(0, 0, 80, 18), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(80, 28));
    QCOMPARE(w.currentLinkStyle(), liNone);
    QCOMPARE(w.linkHeight(), 10);
    QVERIFY(!w.hasShadow());

    // Picture: sized to the picture (plus the border), not to the text.
    h.setHintStyle(hiImage);
    h.setPicture(QImage(96, 96, QImage::Format_RGB32));
    w.prepare(QRect(0, 0, 300, 18), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(98 + 5, 98 + 10 + 5));
    QCOMPARE(w.currentLinkStyle(), liNone);
    h.setBorder(false);
    w.prepare(QRect(0, 0, 300, 18), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(96 + 5, 96 + 10 + 5));

    // Texture: text size, no link.
    h.setHintStyle(hiTexture);
    w.prepare(QRect(0, 0, 60, 18), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(65, 33));

    // A zero-height rectangle does not divide by zero.
    h.setHintStyle(hiBubble);
    h.setLinkStyle(liArrow);
    w.prepare(QRect(0, 0, 40, 0), QString(), QPoint(400, 300), kScreen);
    QCOMPARE(QSize(w.W(), w.H()), QSize(40 + 5, 10 + 15 + 5));

    // The hint rectangle: measured text plus 6 by 2, at most the screen wide.
    const TFontData fd = h.fontData();
    const QFontMetrics fm(hintFont(fd));
    const QString t = QStringLiteral("Commencer une nouvelle partie");
    const QRect r = TNewDesign::CalcHintRect(t, fd, 800);
    QCOMPARE(r.width(), fm.boundingRect(QRect(0, 0, 800, 0), Qt::TextWordWrap, t).width() + 6);
    QCOMPARE(r.height(), fm.height() + 2);
    const QRect narrow = TNewDesign::CalcHintRect(t, fd, 100);
    QVERIFY(narrow.width() <= 106);
    QVERIFY(narrow.height() > r.height());
}

void TestBulle::placementNearScreenEdges()
{
    THintDesign h;
    mainSettings(&h);
    TNewDesign w;
    const QRect rect(0, 0, 120, 18);   // 143 x 56 balloon
    struct Case {
        THintPosition preferred;
        QPoint pointer;
        QRect screen;
        THintPosition placed;
        QPoint topLeft;
    };
    const Case cases[] = {
        // Room everywhere: the preferred side, the link tip at the pointer.
        {hiTopRight, {400, 300}, kScreen, hiTopRight, {400, 300 - 56 - 10}},
        {hiTopLeft, {400, 300}, kScreen, hiTopLeft, {400 - 143, 234}},
        {hiBottomRight, {400, 300}, kScreen, hiBottomRight, {400, 310}},
        {hiBottomLeft, {400, 300}, kScreen, hiBottomLeft, {257, 310}},
        // No room above: below, link pointing up.
        {hiTopRight, {400, 20}, kScreen, hiBottomRight, {400, 30}},
        {hiTopLeft, {400, 66}, kScreen, hiBottomLeft, {257, 76}},
        {hiTopRight, {400, 67}, kScreen, hiTopRight, {400, 1}},
        // No room below: above.
        {hiBottomRight, {400, 590}, kScreen, hiTopRight, {400, 524}},
        {hiBottomLeft, {400, 534}, kScreen, hiTopLeft, {257, 468}},
        // No room on the right: left, and the other way round.
        {hiTopRight, {790, 300}, kScreen, hiTopLeft, {647, 234}},
        {hiTopRight, {657, 300}, kScreen, hiTopLeft, {514, 234}},
        {hiTopRight, {656, 300}, kScreen, hiTopRight, {656, 234}},
        {hiTopLeft, {100, 300}, kScreen, hiTopRight, {100, 234}},
        {hiBottomLeft, {143, 300}, kScreen, hiBottomRight, {143, 310}},
        {hiBottomLeft, {144, 300}, kScreen, hiBottomLeft, {1, 310}},
        // Corners: two hand-overs.
        {hiTopRight, {790, 10}, kScreen, hiBottomLeft, {647, 20}},
        {hiBottomLeft, {10, 590}, kScreen, hiTopRight, {10, 524}},
        // Fits neither left nor right: against the right or the left edge.
        {hiTopRight, {100, 300}, QRect(0, 0, 200, 600), hiTopRight, {57, 234}},
        {hiBottomLeft, {100, 300}, QRect(0, 0, 200, 600), hiBottomLeft, {0, 310}},
        // Fits neither above nor below: the preferred vertical side.
        {hiTopRight, {400, 50}, QRect(0, 0, 800, 100), hiTopRight, {400, -16}},
        {hiBottomLeft, {400, 50}, QRect(0, 0, 800, 100), hiBottomLeft, {257, 60}},
        // Fits nowhere at all.
        {hiTopLeft, {50, 40}, QRect(0, 0, 100, 80), hiTopLeft, {0, -26}},
        // A screen that does not start at 0.
        {hiTopRight, {1790, 300}, QRect(1000, 0, 800, 600), hiTopLeft, {1647, 234}},
        {hiTopLeft, {1050, 300}, QRect(1000, 0, 800, 600), hiTopRight, {1050, 234}},
        {hiTopRight, {1100, 300}, QRect(1000, 0, 200, 600), hiTopRight, {1057, 234}},
    };
    for (const Case& c : cases) {
        h.setPosition(c.preferred);
        w.prepare(rect, QString(), c.pointer, c.screen);
        const QString ctx = QStringLiteral("pointer %1,%2 preferred %3")
                                .arg(c.pointer.x()).arg(c.pointer.y()).arg(int(c.preferred));
        QVERIFY2(w.placement() == c.placed, qPrintable(ctx + QStringLiteral(" got %1").arg(int(w.placement()))));
        QVERIFY2(QPoint(w.X(), w.Y()) == c.topLeft,
                 qPrintable(ctx + QStringLiteral(" got %1,%2").arg(w.X()).arg(w.Y())));
        QCOMPARE(QSize(w.W(), w.H()), QSize(143, 56));
    }
}

void TestBulle::realHintOverLabel()
{
    QWidget window;
    window.setGeometry(100, 100, 600, 400);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(100, 150, 200));
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    auto* label = new QLabel(QStringLiteral("Nouvelle partie"), &window);
    label->setGeometry(200, 200, 150, 30);
    label->setToolTip(QStringLiteral("Commencer une nouvelle partie"));
    auto* inner = new QLabel(label);     // no tool tip of its own: shows its parent's
    inner->setGeometry(100, 0, 50, 30);
    auto* mute = new QLabel(QStringLiteral("Quitter"), &window);
    mute->setGeometry(200, 300, 150, 30);  // empty tool tip: no balloon

    auto* h = new THintDesign(&window);
    mainSettings(h);
    h->Loaded();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    THintManager* manager = THintManager::instance();
    QVERIFY(manager);
    QSignalSpy evaluated(manager, &THintManager::hintEvaluated);

    QElapsedTimer clock;
    clock.start();
    QTest::mouseMove(label, QPoint(20, 15));
    QVERIFY(!manager->window() || !manager->window()->isVisible());
    QVERIFY(evaluated.wait(3000));
    QVERIFY(clock.elapsed() >= 200);
    QCOMPARE(evaluated.takeFirst().at(0).toBool(), true);

    TNewDesign* balloon = manager->window();
    QVERIFY(balloon && balloon->isVisible());
    QVERIFY(!QToolTip::isVisible());
    QVERIFY(balloon->windowFlags().testFlag(Qt::ToolTip));
    QVERIFY(balloon->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(balloon->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(QApplication::activeWindow() == balloon, false);

    // Geometry: the hint rectangle of the text, sized for the bubble with its
    // arrow and shadow, placed above and right of the pointer.
    const QPoint pointer = label->mapToGlobal(QPoint(20, 15));
    const QRect rect = TNewDesign::CalcHintRect(label->toolTip(), h->fontData(),
                                                window.screen()->geometry().width());
    int W = rect.width() + rect.height(), H = 2 * rect.height();
    if (W / H > 4)
        H = W / 4;
    W = std::max(W, 35) + 5;
    H = H + 15 + 5;
    QCOMPARE(balloon->geometry(), QRect(pointer.x(), pointer.y() - H - 10, W, H));
    QCOMPARE(balloon->placement(), hiTopRight);

    // What it shows: the window beneath, darkened 35 under the shadow, and
    // a white bubble.
    const QImage& shown = balloon->balloon();
    QCOMPARE(shown.size(), QSize(W, H));
    QVERIFY(!balloon->translucent());
    QCOMPARE(shown.pixel(W - 1, 0), qRgb(100, 150, 200));
    QCOMPARE(shown.pixel(W - 2, (H - 15) / 2 + 2), qRgb(65, 115, 165));
    QCOMPARE(shown.pixel(4, (H - 20) / 2), qRgb(255, 255, 255));

    // Moving within the label, or onto its child that has no tool tip of
    // its own, keeps the balloon.
    QTest::mouseMove(label, QPoint(40, 15));
    QTest::mouseMove(inner, QPoint(10, 10));
    QVERIFY(balloon->isVisible());

    // Moving onto a widget without tool tip hides it and shows nothing.
    QTest::mouseMove(mute, QPoint(20, 15));
    QTRY_VERIFY(!balloon->isVisible());
    QVERIFY(evaluated.wait(3000));
    QCOMPARE(evaluated.takeFirst().at(0).toBool(), false);
    QVERIFY(!balloon->isVisible());

    // Back on the label it shows again; a click hides it.
    QTest::mouseMove(label, QPoint(30, 10));
    QVERIFY(evaluated.wait(3000));
    QCOMPARE(evaluated.takeFirst().at(0).toBool(), true);
    QVERIFY(manager->window()->isVisible());
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(30, 10));
    QTRY_VERIFY(!manager->window()->isVisible());

    // Tool tip events never reach the platform's tool tips.
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
    QVERIFY(QApplication::sendEvent(label, &help));
    QVERIFY(!QToolTip::isVisible());

    // A new window is made when the settings change.
    h->setFont(QFont(QStringLiteral("Arial")));
    QVERIFY(!manager->window());
}

void TestBulle::translucentWhenTheScreenCannotBeCopied()
{
    THintDesign h;
    mainSettings(&h);
    TNewDesign::setScreenCopyDisabled(true);
    auto balloon = std::make_unique<TNewDesign>();
    TNewDesign::setScreenCopyDisabled(false);
    QVERIFY(balloon->translucent());
    balloon->ActivateHint(QRect(0, 0, 120, 18), QStringLiteral("Sauver"), QPoint(300, 300));
    QVERIFY(balloon->isVisible());
    QCOMPARE(balloon->geometry(), QRect(300, 300 - 56 - 10, 143, 56));
    const QImage& img = balloon->balloon();
    QVERIFY(img.hasAlphaChannel());
    QCOMPARE(qAlpha(img.pixel(142, 0)), 0);                 // outside: fully transparent
    QCOMPARE(img.pixel(141, 23), qRgba(0, 0, 0, 35));       // shadow: translucent black
    QCOMPARE(img.pixel(30, 6), qRgba(255, 255, 255, 255)); // body: opaque white
    balloon->hide();
}

QTEST_MAIN(TestBulle)
#include "tst_bulle.moc"
