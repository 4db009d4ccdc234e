// The balloon's picture of the screen beneath it, on which an opaque balloon
// is drawn: at the screen's resolution, black where the balloon leaves it.
#include "widgets/bulle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace trelmo {

QImage TNewDesign::copyScreen(const QRect& area, qreal ratio) const
{
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

} // namespace trelmo
