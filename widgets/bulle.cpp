#include "widgets/bulle.h"

#include "widgets/garde.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace trelmo {

namespace {

std::vector<THintDesign*>& registry()
{
    static std::vector<THintDesign*> r;
    return r;
}

int g_hintPause = 500;
bool g_screenCopyDisabled = false;
QPointer<THintManager> g_manager;

QString normalisedText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

// ---------------------------------------------------------------------------
// THintDesign

THintDesign::THintDesign(QObject* owner)
    : QObject(owner)
{
    m_font = QFont(QStringLiteral("Arial"));
    m_font.setPointSize(10);
    registry().push_back(this);
    setHintPause(500);
    UpdateHintWindow();
}

THintDesign::THintDesign(Defaults)
{
    m_font = QFont(QStringLiteral("Arial"));
    m_font.setPointSize(10);
}

THintDesign::~THintDesign()
{
    auto& r = registry();
    r.erase(std::remove(r.begin(), r.end(), this), r.end());
}

void THintDesign::setFont(const QFont& font)
{
    m_font = font;
    UpdateHintWindow();
}

void THintDesign::setFont(const QFont& font, TColor colour)
{
    m_fontColor = colour;
    setFont(font);
}

void THintDesign::setPosition(THintPosition p)
{
    if (p <= hiBottomLeft)
        m_position = p;
}

void THintDesign::setShadowQuality(TQuality q)
{
    if (q <= quLow)
        m_shadowQuality = q;
}

void THintDesign::setShadowIntensity(int v)
{
    if (v >= 0 && v <= 255)
        m_shadowIntensity = v;
}

void THintDesign::setShadowWidth(int v)
{
    if (v >= 0 && v <= 10)
        m_shadowWidth = v;
}

void THintDesign::setDelay(int ms)
{
    m_delay = ms;
    setHintPause(ms);
}

void THintDesign::setHintStyle(THintStyle s)
{
    if (s <= hiText)
        m_hintStyle = s;
}

void THintDesign::setLinkStyle(TLinkStyle l)
{
    if (l <= liBubble)
        m_linkStyle = l;
}

void THintDesign::Loaded()
{
    THintManager::install();
    UpdateHintWindow();
}

void THintDesign::UpdateHintWindow()
{
    if (g_manager)
        g_manager->recreateWindow();
}

THintDesign* THintDesign::FindHintDesign()
{
    if (!registry().empty())
        return registry().front();
    static THintDesign* const defaults = new THintDesign(Defaults{});
    return defaults;
}

int THintDesign::hintPause()
{
    return g_hintPause;
}

void THintDesign::setHintPause(int ms)
{
    g_hintPause = ms;
}

// ---------------------------------------------------------------------------
// TNewDesign

TNewDesign::TNewDesign(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput
                          | Qt::NoDropShadowWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    if (g_screenCopyDisabled || QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        makeTranslucent();
}

void TNewDesign::setScreenCopyDisabled(bool disabled)
{
    g_screenCopyDisabled = disabled;
}

QRect TNewDesign::CalcHintRect(const QString& text, const TFontData& font, int maxWidth)
{
    maxWidth = std::max(maxWidth, 1);
    const QFontMetrics fm(hintFont(font));
    const QRect r = fm.boundingRect(QRect(0, 0, maxWidth, 0), Qt::AlignLeft | Qt::TextWordWrap,
                                    normalisedText(text));
    return QRect(0, 0, std::min(r.width(), maxWidth) + 6, r.height() + 2);
}

QRect TNewDesign::placementArea(const QWidget* owner, const QPoint& pointer)
{
    if (owner && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return owner->window()->frameGeometry();
    QScreen* scr = QGuiApplication::screenAt(pointer);
    if (!scr)
        scr = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return scr ? scr->geometry() : QRect();
}

bool TNewDesign::FitsLeft() const { return m_x - m_w > m_screen.left(); }
bool TNewDesign::FitsRight() const { return m_x + m_w < m_screen.left() + m_screen.width(); }
bool TNewDesign::FitsAbove() const { return m_y - m_h - 10 > m_screen.top(); }
bool TNewDesign::FitsBelow() const { return m_y + m_h + 10 < m_screen.top() + m_screen.height(); }

// Each step first hands over to its horizontal mirror, then to its vertical
// mirror, when the other side fits and its own does not; otherwise it places
// the balloon. A hand-over needs the opposite outcome of the test that would
// hand back, so at most two hand-overs happen.
void TNewDesign::PlaceTopRight()
{
    if (!FitsRight() && FitsLeft())
        return PlaceTopLeft();
    if (!FitsAbove() && FitsBelow())
        return PlaceBottomRight();
    if (!FitsRight() && !FitsLeft())
        m_x = m_screen.left() + m_screen.width() - m_w;
    m_y = m_y - m_h - 10;
    m_placement = hiTopRight;
}

void TNewDesign::PlaceTopLeft()
{
    if (!FitsLeft() && FitsRight())
        return PlaceTopRight();
    if (!FitsAbove() && FitsBelow())
        return PlaceBottomLeft();
    m_x = (!FitsRight() && !FitsLeft()) ? m_screen.left() : m_x - m_w;
    m_y = m_y - m_h - 10;
    m_placement = hiTopLeft;
}

void TNewDesign::PlaceBottomRight()
{
    if (!FitsRight() && FitsLeft())
        return PlaceBottomLeft();
    if (!FitsBelow() && FitsAbove())
        return PlaceTopRight();
    if (!FitsRight() && !FitsLeft())
        m_x = m_screen.left() + m_screen.width() - m_w;
    m_y = m_y + 10;
    m_placement = hiBottomRight;
}

void TNewDesign::PlaceBottomLeft()
{
    if (!FitsLeft() && FitsRight())
        return PlaceBottomRight();
    if (!FitsBelow() && FitsAbove())
        return PlaceTopLeft();
    m_x = (!FitsRight() && !FitsLeft()) ? m_screen.left() : m_x - m_w;
    m_y = m_y + 10;
    m_placement = hiBottomLeft;
}

void TNewDesign::prepare(const QRect& rect, const QString& text, const QPoint& pointer,
                         const QRect& screen)
{
    m_screen = screen;
    m_x = pointer.x();
    m_y = pointer.y();
    m_text = text;

    const THintDesign* s = THintDesign::FindHintDesign();
    m_shadow = s->shadow();
    m_placement = m_override ? *m_override : s->position();
    m_link = s->linkStyle();

    m_w = rect.width();
    m_h = rect.height();
    m_TH = rect.height();

    switch (s->hintStyle()) {
    case hiBubble:
        // A balloon at least five times as wide as high is made four times as wide.
        m_w += m_h;
        m_h *= 2;
        if (m_h <= 0 || m_w / m_h > 4)
            m_h = m_w / 4;
        break;
    case hiImage:
        m_w = s->picture().width() + (s->border() ? 2 : 0);
        m_h = s->picture().height() + (s->border() ? 2 : 0);
        m_link = liNone;
        break;
    case hiTexture:
        m_link = liNone;
        break;
    case hiText:
        m_link = liNone;
        m_shadow = false;
        break;
    case hiRectangle:
    case hiRoundrect:
        break;
    }

    if (m_link != liNone) {
        m_L = s->linkStyle() == liArrow ? 15 : 20;
        m_w = std::max(m_w, 35);
        m_h += m_L;
    } else {
        m_L = 10;
        m_h += 10;
    }
    if (m_shadow) {
        m_w += s->shadowWidth();
        m_h += s->shadowWidth();
    }

    switch (m_placement) {
    case hiTopRight: PlaceTopRight(); break;
    case hiTopLeft: PlaceTopLeft(); break;
    case hiBottomRight: PlaceBottomRight(); break;
    case hiBottomLeft: PlaceBottomLeft(); break;
    }
}

void TNewDesign::ActivateHint(const QRect& rect, const QString& text)
{
    ActivateHint(rect, text, QCursor::pos());
}

void TNewDesign::ActivateHint(const QRect& rect, const QString& text, const QPoint& pointer)
{
    if (isVisible())
        hide();
    const QRect zone = placementArea(parentWidget(), pointer);
    if (zone.isEmpty())
        return;
    prepare(rect, text, pointer, zone);
    if (m_w <= 0 || m_h <= 0)
        return;

    const QRect area(m_x, m_y, m_w, m_h);
    // Drawn at the resolution of the screen it shows on.
    QScreen* ecran = QGuiApplication::screenAt(area.center());
    if (!ecran && parentWidget())
        ecran = parentWidget()->screen();
    const qreal ratio = ecran ? std::max<qreal>(1, ecran->devicePixelRatio()) : 1;
    const QSize taille(qRound(m_w * ratio), qRound(m_h * ratio));
    QImage picture;
    if (!translucent()) {
        picture = copyScreen(area, ratio);
        if (picture.isNull())
            makeTranslucent();
    }
    if (translucent()) {
        picture = QImage(taille, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
    }

    const THintDesign* s = THintDesign::FindHintDesign();
    DrawHintAt(picture, {.font = s->fontData(), .W = m_w, .H = m_h, .TH = m_TH,
        .fillColor = s->color(), .text = m_text, .placement = m_placement, .style = s->hintStyle(),
        .link = m_link, .L = m_L, .shadow = s->shadow(), .quality = s->shadowQuality(),
        .shadowWidth = s->shadowWidth(), .intensity = s->shadowIntensity(),
        .picture = s->picture(), .border = s->border(), .borderColor = s->borderColor()}, ratio);
    picture.setDevicePixelRatio(ratio);
    m_image = picture;

    setGeometry(area);
    show();
    update();
}

QImage TNewDesign::copyScreen(const QRect& area, qreal ratio) const
{
    if (g_screenCopyDisabled)
        return {};
    QScreen* scr = QGuiApplication::screenAt(area.center());
    if (!scr)
        scr = QGuiApplication::screenAt(QPoint(m_x, m_y));
    if (!scr)
        scr = QGuiApplication::primaryScreen();
    if (!scr)
        return {};

    // Only the part of the balloon that lies on the screen is copied; the
    // rest stays black.
    auto pixels = [ratio](QSize t) { return QSize(qRound(t.width() * ratio), qRound(t.height() * ratio)); };
    QImage result(pixels(area.size()), QImage::Format_RGB32);
    result.fill(Qt::black);
    const QRect geo = scr->geometry();
    const QRect part = area & geo;
    if (part.isEmpty())
        return result;

    // X11 grabs the root window in desktop coordinates, the others in the screen's.
    QPoint origin = part.topLeft();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        origin -= geo.topLeft();
    const QPixmap grab = scr->grabWindow(0, origin.x(), origin.y(), part.width(), part.height());
    if (grab.isNull() || grab.width() <= 0 || grab.height() <= 0)
        return {};
    QImage img = grab.toImage();
    if (img.hasAlphaChannel()) {
        // A copy that is transparent throughout is no copy at all.
        const QImage a = img.convertToFormat(QImage::Format_ARGB32);
        bool blank = true;
        for (int y = 0; y < a.height() && blank; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            for (int x = 0; x < a.width(); ++x)
                if (qAlpha(line[x]) != 0) {
                    blank = false;
                    break;
                }
        }
        if (blank)
            return {};
    }
    img.setDevicePixelRatio(1.0);
    if (img.size() != pixels(part.size()))
        img = img.scaled(pixels(part.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    img = img.convertToFormat(QImage::Format_RGB32);
    QPainter p(&result);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QPoint d = part.topLeft() - area.topLeft();
    p.drawImage(QPoint(qRound(d.x() * ratio), qRound(d.y() * ratio)), img);
    return result;
}

void TNewDesign::makeTranslucent()
{
    if (testAttribute(Qt::WA_TranslucentBackground))
        return;
    if (internalWinId())
        destroy(true, true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TNewDesign::paintEvent(QPaintEvent*)
{
    garde([this] {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, m_image);
    });
}

// ---------------------------------------------------------------------------
// THintManager

THintManager::THintManager(QObject* parent)
    : QObject(parent)
{
    m_wait.setSingleShot(true);
    m_wait.setTimerType(Qt::PreciseTimer);
    connect(&m_wait, &QTimer::timeout, this, [this] { garde([this] { rest(); }); });
    m_showTime.setSingleShot(true);
    connect(&m_showTime, &QTimer::timeout, this, [this] { hideHint(); });
}

THintManager* THintManager::instance()
{
    if (!g_manager && qobject_cast<QApplication*>(QCoreApplication::instance()))
        g_manager = new THintManager(QCoreApplication::instance());
    return g_manager;
}

void THintManager::install()
{
    static QPointer<THintManager> installed;
    THintManager* m = instance();
    if (m && installed != m) {
        QCoreApplication::instance()->installEventFilter(m);
        installed = m;
    }
}

void THintManager::recreateWindow()
{
    hideHint();
    delete m_window;
}

void THintManager::hideHint()
{
    m_message = false;
    m_showTime.stop();
    if (m_window && m_window->isVisible())
        m_window->hide();
    m_shown = nullptr;
}

QWidget* THintManager::tipSource(QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty())
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

void THintManager::showMessage(QWidget* owner, const QPoint& global, const QString& text, int ms)
{
    showMessage(owner, global, text, ms, {});
}

void THintManager::showMessage(QWidget* owner, const QPoint& global, const QString& text, int ms,
                               const std::function<bool(const QRect&)>& libre)
{
    if (!owner || text.isEmpty())
        return;
    m_wait.stop();
    hideHint();
    const THintDesign* s = THintDesign::FindHintDesign();
    QWidget* window = owner->window();
    // A message is at most a third as wide as the area it must stay in.
    const QRect zone = TNewDesign::placementArea(window, global);
    const int maxWidth = zone.isEmpty() ? 400 : zone.width() / 3;
    const QRect rect = TNewDesign::CalcHintRect(text, s->fontData(), maxWidth);
    if (m_window && m_window->parentWidget() != window)
        delete m_window;
    if (!m_window)
        m_window = new TNewDesign(window);
    if (libre && !zone.isEmpty()) {
        for (THintPosition p : {hiTopRight, hiTopLeft, hiBottomRight, hiBottomLeft}) {
            m_window->setPlacementOverride(p);
            m_window->prepare(rect, text, global, zone);
            if (libre(QRect(m_window->X(), m_window->Y(), m_window->W(), m_window->H())))
                break;
            m_window->setPlacementOverride(std::nullopt);
        }
    }
    m_window->ActivateHint(rect, text, global);
    m_window->setPlacementOverride(std::nullopt);
    if (m_window->isVisible()) {
        m_message = true;
        m_showTime.start(std::max(0, ms));
    }
}

void THintManager::pointerMoved(QWidget* receiver, const QPoint& global)
{
    // A message stays where it was put while the pointer moves.
    if (m_message)
        return;
    QWidget* w = QApplication::widgetAt(global);
    if (!w || (m_window && (w == m_window || m_window->isAncestorOf(w))))
        w = receiver;
    if (m_shown) {
        // Still over the widget whose hint shows: the balloon stays.
        if (tipSource(w) == m_shown)
            return;
        hideHint();
    }
    m_target = w;
    m_pointer = global;
    m_wait.start(std::max(0, THintDesign::hintPause()));
}

void THintManager::rest()
{
    bool shown = false;
    QWidget* w = m_target;
    if (w && w->isVisible() && w->window()->isVisible()) {
        QWidget* source = tipSource(w);
        const QString text = source ? source->toolTip() : QString();
        if (!text.isEmpty()) {
            const THintDesign* s = THintDesign::FindHintDesign();
            QWidget* owner = w->window();
            const QRect zone = TNewDesign::placementArea(owner, m_pointer);
            const int maxWidth = zone.isEmpty() ? 1024 : zone.width();
            const QRect rect = TNewDesign::CalcHintRect(text, s->fontData(), maxWidth);
            if (m_window && m_window->parentWidget() != owner)
                delete m_window;
            if (!m_window)
                m_window = new TNewDesign(owner);
            m_window->ActivateHint(rect, text, m_pointer);
            shown = m_window->isVisible();
            if (shown) {
                m_shown = source;
                m_showTime.start(kShowTime);
            }
        }
    }
    emit hintEvaluated(shown);
}

bool THintManager::eventFilter(QObject* watched, QEvent* event)
{
    bool consumed = false;
    garde([&] {
        switch (event->type()) {
        case QEvent::ToolTip:
            // The platform's tool tips never show: balloons replace them.
            consumed = true;
            break;
        case QEvent::MouseMove:
            if (watched->isWidgetType() && watched != m_window) {
                auto* me = static_cast<QMouseEvent*>(event);
                if (me->buttons() != Qt::NoButton) {
                    m_wait.stop();
                    hideHint();
                } else {
                    pointerMoved(static_cast<QWidget*>(watched), me->globalPosition().toPoint());
                }
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::ApplicationDeactivate:
            m_wait.stop();
            hideHint();
            break;
        case QEvent::Leave:
            if (watched == m_target || watched == m_shown) {
                m_wait.stop();
                hideHint();
                m_target = nullptr;
            }
            break;
        case QEvent::Hide:
        case QEvent::Close:
            if (watched->isWidgetType() && watched != m_window) {
                auto* w = static_cast<QWidget*>(watched);
                if (m_shown && (w == m_shown || w->isAncestorOf(m_shown)))
                    hideHint();
                if (m_target && (w == m_target || w->isAncestorOf(m_target))) {
                    m_wait.stop();
                    m_target = nullptr;
                }
            }
            break;
        default:
            break;
        }
    });
    return consumed;
}

} // namespace trelmo
