#pragma once
// Balloon hints: every tool tip of every window of the program is shown as a
// balloon with a link to the pointer and a soft shadow.
//
// Use from the main window:
//
//     auto* h = new trelmo::THintDesign(mainWindow);   // owned by the window
//     h->setHintStyle(trelmo::hiBubble);
//     h->setPosition(trelmo::hiTopRight);
//     h->setLinkStyle(trelmo::liArrow);
//     h->setColor(trelmo::clWhite);
//     h->setBorder(true);
//     h->setBorderColor(trelmo::clSilver);
//     QFont f(QStringLiteral("Arial")); f.setPixelSize(13);
//     h->setFont(f, trelmo::clBlack);
//     h->setShadow(true);
//     h->setShadowWidth(5);
//     h->setShadowIntensity(35);
//     h->setShadowQuality(trelmo::quHi);
//     h->setDelay(200);                 // the pointer rests 200 ms before a hint shows
//     h->setPicture(granite);           // for hiImage and hiTexture
//     h->Loaded();                      // balloons become the application's tool tips
//
// From then on a widget's toolTip() shows as a balloon once the pointer has
// rested Delay milliseconds over it (a widget with an empty tool tip shows the
// tool tip of its nearest ancestor in the same window that has one, as Qt
// does, and nothing if there is none). The balloon hides when the pointer
// moves to another widget or leaves it, on a click, a wheel turn or a key,
// when the application loses the focus, and after 10 seconds.
// The platform's own tool tips never show.
#include "widgets/dessin_bulle.h"

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

namespace trelmo {

// The settings of the balloons. The first one created (normally the main
// window's) is the one every balloon reads, at each showing.
class THintDesign : public QObject {
    Q_OBJECT
public:
    explicit THintDesign(QObject* owner = nullptr);
    ~THintDesign() override;

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture) { m_picture = picture; }
    bool border() const { return m_border; }
    void setBorder(bool on) { m_border = on; }
    TColor borderColor() const { return m_borderColor; }
    void setBorderColor(TColor c) { m_borderColor = c; }
    TColor color() const { return m_color; }
    void setColor(TColor c) { m_color = c; }
    // Text font; its colour is fontColor().
    const QFont& font() const { return m_font; }
    void setFont(const QFont& font);
    void setFont(const QFont& font, TColor colour);
    TColor fontColor() const { return m_fontColor; }
    void setFontColor(TColor c) { m_fontColor = c; }
    THintPosition position() const { return m_position; }
    void setPosition(THintPosition p);
    bool shadow() const { return m_shadow; }
    void setShadow(bool on) { m_shadow = on; }
    TQuality shadowQuality() const { return m_shadowQuality; }
    void setShadowQuality(TQuality q);
    // 0 to 255; other values are ignored.
    int shadowIntensity() const { return m_shadowIntensity; }
    void setShadowIntensity(int v);
    // 0 to 10; other values are ignored.
    int shadowWidth() const { return m_shadowWidth; }
    void setShadowWidth(int v);
    // Milliseconds; also becomes the application's hint pause.
    int delay() const { return m_delay; }
    void setDelay(int ms);
    THintStyle hintStyle() const { return m_hintStyle; }
    void setHintStyle(THintStyle s);
    TLinkStyle linkStyle() const { return m_linkStyle; }
    void setLinkStyle(TLinkStyle l);

    // The font description the balloon text is drawn with.
    TFontData fontData() const { return fontDataOf(m_font, m_fontColor); }

    // Makes balloons the tool tips of the whole application (needs a
    // QApplication), then UpdateHintWindow.
    void Loaded();
    // Re-creates the balloon window, so the next hint uses the current settings.
    void UpdateHintWindow();

    // The settings in force: the first live THintDesign, or one with the
    // default values when there is none. Never null.
    static THintDesign* FindHintDesign();

    // The time the pointer must rest before a hint shows, in milliseconds.
    static int hintPause();
    static void setHintPause(int ms);

private:
    struct Defaults {};
    explicit THintDesign(Defaults);

    QImage m_picture;
    bool m_border = true;
    TColor m_borderColor = clBlack;
    TColor m_color = clWhite;
    QFont m_font;
    TColor m_fontColor = clBlack;
    THintPosition m_position = hiTopRight;
    bool m_shadow = true;
    TQuality m_shadowQuality = quLow;
    int m_shadowIntensity = 70;
    int m_shadowWidth = 4;
    int m_delay = 500;
    THintStyle m_hintStyle = hiBubble;
    TLinkStyle m_linkStyle = liArrow;
};

// The balloon window: frameless, on top of everything, never activated and
// transparent to the pointer. It copies the screen beneath it and draws the
// balloon over that copy; where the screen cannot be copied it becomes a
// translucent window drawn over a transparent picture instead.
class TNewDesign : public QWidget {
    Q_OBJECT
public:
    explicit TNewDesign(QWidget* parent = nullptr);

    // The hint rectangle of a text: the text measured in the settings' font,
    // at most maxWidth wide, plus 6 pixels in width and 2 in height.
    static QRect CalcHintRect(const QString& text, const TFontData& font, int maxWidth);

    // Sizes, places, draws and shows the balloon for a hint rectangle and
    // text, beside the pointer (QCursor::pos() for the first form).
    void ActivateHint(const QRect& rect, const QString& text);
    void ActivateHint(const QRect& rect, const QString& text, const QPoint& pointer);

    // The area, in global coordinates, that a balloon over owner's window
    // with its link at `pointer` must stay in; empty when there is no screen.
    // Where windows know their place on the screen (X11), the screen under
    // the pointer. Under Wayland a window never learns where it lies on its
    // output, and a balloon is a popup placed against its window, which the
    // compositor need not move back onto the output: the balloon stays in
    // the window it belongs to, the one area known to be on the output.
    static QRect placementArea(const QWidget* owner, const QPoint& pointer);

    // Sizing and placement only (no drawing, no showing), on the given screen
    // area (global coordinates).
    void prepare(const QRect& rect, const QString& text, const QPoint& pointer,
                 const QRect& screen);

    // The side the next balloons open to, instead of the settings' Position;
    // nullopt goes back to the settings.
    void setPlacementOverride(std::optional<THintPosition> p) { m_override = p; }

    bool FitsLeft() const;
    bool FitsRight() const;
    bool FitsAbove() const;
    bool FitsBelow() const;
    void PlaceTopRight();
    void PlaceTopLeft();
    void PlaceBottomRight();
    void PlaceBottomLeft();

    // State of the last activation.
    int X() const { return m_x; }
    int Y() const { return m_y; }
    int W() const { return m_w; }
    int H() const { return m_h; }
    int linkHeight() const { return m_L; }
    int textHeight() const { return m_TH; }
    TLinkStyle currentLinkStyle() const { return m_link; }
    THintPosition placement() const { return m_placement; }
    bool hasShadow() const { return m_shadow; }
    QString text() const { return m_text; }
    // The picture shown by the window (screen copy plus balloon).
    const QImage& balloon() const { return m_image; }
    // Whether the window is translucent (the screen could not be copied).
    bool translucent() const { return testAttribute(Qt::WA_TranslucentBackground); }

    // For tests: behave as if the screen could never be copied.
    static void setScreenCopyDisabled(bool disabled);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage copyScreen(const QRect& area, qreal ratio = 1) const;
    void makeTranslucent();

    int m_L = 10;
    int m_TH = 0;
    TLinkStyle m_link = liNone;
    THintPosition m_placement = hiTopRight;
    std::optional<THintPosition> m_override;
    bool m_shadow = false;
    int m_x = 0, m_y = 0, m_w = 0, m_h = 0;
    QRect m_screen;
    QString m_text;
    QImage m_image;
};

// The application-wide event filter that turns tool tips into balloons.
// Installed by THintDesign::Loaded(); one per application.
class THintManager : public QObject {
    Q_OBJECT
public:
    static THintManager* instance();     // created on first use (needs a QApplication)
    static void install();

    TNewDesign* window() const { return m_window; }
    QWidget* hintedWidget() const { return m_shown; }
    void recreateWindow();
    void hideHint();

    // Shows a message in a balloon over owner's window, its link pointing at
    // `global`, for `ms` milliseconds; a click, a key or another message hides
    // it sooner, the pointer's moves do not.
    void showMessage(QWidget* owner, const QPoint& global, const QString& text, int ms);
    // The same, opened to the first side (top right, top left, bottom right,
    // bottom left) whose balloon, in global coordinates, `libre` accepts; the
    // settings' side when none is.
    void showMessage(QWidget* owner, const QPoint& global, const QString& text, int ms,
                     const std::function<bool(const QRect&)>& libre);
    bool messageShown() const { return m_message; }

    // How long a balloon stays up while the pointer rests, in milliseconds.
    static constexpr int kShowTime = 10000;

signals:
    // Emitted each time the pointer has rested Delay ms: whether a balloon showed.
    void hintEvaluated(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit THintManager(QObject* parent);
    void rest();
    void pointerMoved(QWidget* receiver, const QPoint& global);
    // The widget whose tool tip shows over w: w or its nearest ancestor in the
    // same window with a tool tip; null when there is none.
    static QWidget* tipSource(QWidget* w);

    QTimer m_wait;
    QTimer m_showTime;
    QPointer<QWidget> m_target;
    QPointer<QWidget> m_shown;
    QPointer<TNewDesign> m_window;
    QPoint m_pointer;
    bool m_message = false;
};

} // namespace trelmo
