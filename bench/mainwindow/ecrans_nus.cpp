// The toolkit's floor for the game's own start: the same two first screens
// drawn with Qt alone, nothing else. A frameless 252 x 125 splash screen with
// its credit line and a gauge repainted at once six times, then the 640 x 462
// window named "Trelmo" with the 24-bit skin of the program directory and
// the twelve captions of the board in the fonts the game draws them with.
// The start-up benchmark starts it beside the bare window and the game: what
// the game costs beyond it is the game's own.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

namespace {

class Jauge : public QWidget {
public:
    using QWidget::QWidget;
    void avancer(int n)
    {
        fait_ = n;
        repaint();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.fillRect(1, 1, (width() - 2) * fait_ / 6, height() - 2, QColor(0xC0, 0xC0, 0xC0));
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawText(rect(), Qt::AlignCenter, QString::number(fait_ * 100 / 6) + QLatin1Char('%'));
    }

private:
    int fait_ = 0;
};

QFont police(const char* famille, int pixels, bool gras)
{
    QFont f(QString::fromLatin1(famille));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    auto* splash = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setFixedSize(252, 125);
    splash->setAutoFillBackground(true);
    splash->setPalette(QPalette(Qt::white));
    splash->setFont(police("DejaVu Sans", 11, false));
    auto* credit = new QLabel(QString::fromUtf8("Le solitaire à billes classique"), splash);
    credit->setGeometry(31, 56, 188, 16);
    credit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* jauge = new Jauge(splash);
    jauge->setGeometry(30, 91, 191, 15);
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    jauge->avancer(1);

    QWidget fenetre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    fenetre.setWindowTitle(QStringLiteral("Trelmo"));
    fenetre.setFixedSize(640, 462);
    auto* plateau = new QLabel(&fenetre);
    plateau->setGeometry(0, 0, 640, 462);
    plateau->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The skin read in place: bottom-up rows of blue, green, red.
    QFile bmp(QStringLiteral("Image/Skin/p1.bmp"));
    QImage peau(640, 462, QImage::Format_RGB888);
    if (bmp.open(QIODevice::ReadOnly) && bmp.seek(54))
        bmp.read(reinterpret_cast<char*>(peau.bits()), peau.sizeInBytes());
    for (int y = 0; y < peau.height() / 2; ++y)
        std::swap_ranges(peau.scanLine(y), peau.scanLine(y) + peau.bytesPerLine(), peau.scanLine(peau.height() - 1 - y));
    for (int y = 0; y < peau.height(); ++y)
        for (uchar *p = peau.scanLine(y), *fin = p + 3 * peau.width(); p < fin; p += 3)
            std::swap(p[0], p[2]);
    plateau->setPixmap(QPixmap::fromImage(std::move(peau), Qt::NoFormatConversion));
    const struct {
        const char* famille;
        int pixels;
        QRect zone;
        const char* texte;
        QColor couleur;
    } legendes[] = {
        {"Liberation Sans", 37, {478, 40, 137, 44}, "0", Qt::black},
        {"DejaVu Sans", 17, {480, 336, 133, 55}, "Nouvelle\npartie", Qt::black},
        {"DejaVu Sans", 17, {526, 126, 91, 29}, "Charger", Qt::white},
        {"DejaVu Sans", 17, {526, 192, 91, 29}, "Sauver", Qt::white},
        {"DejaVu Sans", 17, {526, 266, 91, 29}, "Scores", Qt::white},
        {"Liberation Sans", 24, {42, 408, 95, 27}, "00:00:00", Qt::black},
        {"DejaVu Sans", 13, {145, 413, 91, 24}, "Plateau", Qt::black},
        {"DejaVu Sans", 13, {252, 413, 83, 23}, "Billes", Qt::black},
        {"DejaVu Sans", 13, {348, 413, 85, 23}, "A propos", Qt::black},
        {"DejaVu Sans", 13, {448, 413, 85, 23}, "Aide", Qt::black},
        {"DejaVu Sans", 12, {544, 413, 61, 23}, "Quitter", Qt::white},
        {"DejaVu Sans", 16, {183, 440, 273, 18}, "https://trelmo.example.org/", Qt::yellow},
    };
    for (const auto& l : legendes) {
        auto* label = new QLabel(QString::fromUtf8(l.texte), &fenetre);
        label->setGeometry(l.zone);
        label->setFont(police(l.famille, l.pixels, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, l.couleur);
        label->setPalette(p);
    }
    for (int n = 2; n <= 6; ++n)
        jauge->avancer(n);
    splash->hide();
    delete splash;

    fenetre.show();
    return app.exec();
}
