#include "dialogs/splash.h"

#include "dialogs/commun.h"
#include "resources/ressources.h"
#include "widgets/polices.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace trelmo {

namespace {

// The white panel with its single-line black border.
class Panneau : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

// Drawn by hand: a style sheet would cost the start-up more than the whole
// gauge is worth, and it is this simple. White inside a black line, the part
// done in silver, the percentage centred in black.
void TJauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect cadre = rect();
    p.fillRect(cadre, Qt::white);
    const QRect dedans = cadre.adjusted(1, 1, -1, -1);
    const int etendue = maximum() - minimum();
    if (etendue > 0 && value() > minimum()) {
        const int largeur = int(qint64(dedans.width()) * (value() - minimum()) / etendue);
        p.fillRect(QRect(dedans.left(), dedans.top(), largeur, dedans.height()), QColor(0xC0, 0xC0, 0xC0));
    }
    p.setPen(Qt::black);
    p.drawRect(cadre.adjusted(0, 0, -1, -1));
    if (isTextVisible()) {
        QPalette noir = palette();
        noir.setColor(QPalette::WindowText, Qt::black);
        style()->drawItemText(&p, dedans, Qt::AlignCenter | Qt::TextSingleLine, noir, true, text(),
                              QPalette::WindowText);
    }
}

QString TSplashForm::texte_credit(int32_t langue)
{
    return texte(langue, "splash.credit");
}

TSplashForm::TSplashForm(QWidget* parent, int32_t langue)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(252, 125);
    setFont(police_ms_sans_serif(11));

    panel1_ = new Panneau(this);
    panel1_->setObjectName(QStringLiteral("panel1"));
    panel1_->setGeometry(0, 0, 252, 125);

    image_ = new QLabel(panel1_);
    image_->setObjectName(QStringLiteral("Image1"));
    const QPixmap titre = titre_splash(devicePixelRatioF());
    image_->setPixmap(titre);
    const QSize taille = titre.deviceIndependentSize().toSize();
    image_->setGeometry(24, 10, titre.isNull() ? 196 : taille.width(), titre.isNull() ? 50 : taille.height());

    credit_ = new TLabel3D(panel1_);
    credit_->setObjectName(QStringLiteral("credit"));
    credit_->setGeometry(31, 56, 188, 16);
    credit_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    credit_->setFont(police_ms_sans_serif(11));
    credit_->setFontColor(Qt::black);
    credit_->setShadowColor(QColor(0xDF, 0xDF, 0xDF));
    credit_->setTransparent(true);
    credit_->setText(texte_credit(langue));

    barre_ = new TJauge(panel1_);
    barre_->setObjectName(QStringLiteral("barre"));
    barre_->setGeometry(30, 91, 191, 15);
    barre_->setOrientation(Qt::Horizontal);
    barre_->setMinimum(0);
    barre_->setMaximum(100);
    barre_->setValue(0);
    barre_->setTextVisible(true);
    barre_->setFormat(QStringLiteral("%p%"));
    barre_->setAlignment(Qt::AlignCenter);
    barre_->setFont(police_ms_sans_serif(11));
}

void TSplashForm::setProgression(int n)
{
    barre_->setValue(std::clamp(n, barre_->minimum(), barre_->maximum()));
}

void TSplashForm::showEvent(QShowEvent* e)
{
    centrer_ecran(this);
    QWidget::showEvent(e);
}

} // namespace trelmo
