#include "dialogs/freewaremsg.h"

#include "dialogs/commun.h"
#include "dialogs/liens.h"
#include "game/textes.h"
#include "resources/ressources.h"
#include "widgets/garde.h"
#include "widgets/polices.h"

#include <QEvent>
#include <QPainter>

namespace trelmo {

namespace {

// The silver frame drawn around the whole window, 3 pixels wide, inside.
class Cadre : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        for (int i = 0; i < 3; ++i)
            p.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
    }
};

} // namespace

TFreewareMsg::TFreewareMsg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FreewareMsg"));
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(387, 236);
    setModal(true);
    setFont(police_ms_sans_serif(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    const QCursor main = curseur(curseur_tophand_id);

    Shape54 = new Cadre(this);
    Shape54->setObjectName(QStringLiteral("Shape54"));
    Shape54->setGeometry(0, 0, 387, 236);
    Shape54->setCursor(main);

    tf2 = new TImageCliquable(this);
    tf2->setObjectName(QStringLiteral("tf2"));
    tf2->setGeometry(106, 155, 176, 32);
    tf2->setImagePourEcran([](qreal r) { return cliquez_ici(r); });
    tf2->setCursor(main);
    connect(tf2, &TImageCliquable::clicked, this, &TFreewareMsg::tf2Click);

    Lab_SoftName = new TMagicLabel(this);
    Lab_SoftName->setObjectName(QStringLiteral("Lab_SoftName"));
    Lab_SoftName->setGeometry(14, 24, 360, 41);
    Lab_SoftName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont f = police_verdana(32, true);
    f.setUnderline(true);
    Lab_SoftName->setFont(f);
    Lab_SoftName->setFontColor(Qt::black);
    Lab_SoftName->setTransparent(true);
    Lab_SoftName->setRaisedTop(false);
    Lab_SoftName->setRaisedBottom(true);
    Lab_SoftName->setRaisedBottomDistance(2);
    Lab_SoftName->setRaisedBottomColor(QColor(0xE4, 0xE4, 0xE4));
    Lab_SoftName->setCursor(main);
    Lab_SoftName->setClavier(true);
    connect(Lab_SoftName, &TMagicLabel::clicked, this, &TFreewareMsg::BmpAnime2Click);

    afficher_ = new QCheckBox(QString::fromUtf8(kTexteAfficher), this);
    afficher_->setObjectName(QStringLiteral("afficher"));
    afficher_->setGeometry(11, 215, 360, 17);
    afficher_->setFont(police_ms_sans_serif(11));
    afficher_->setCursor(Qt::ArrowCursor);
    // Tab goes from the product name to the check box and to "Cliquez ici".
    setTabOrder(Lab_SoftName, afficher_);
    setTabOrder(afficher_, tf2);

    // No control of this window shows a hint.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) {
        w->setToolTip(QString());
        w->installEventFilter(this);
    }
}

void TFreewareMsg::setSoftName(const QString& nom)
{
    softName_ = nom.left(kLongueurNom);
}

void TFreewareMsg::showEvent(QShowEvent* e)
{
    Lab_SoftName->setText(softName_);
    centrer_ecran(this);
    QDialog::showEvent(e);
}

void TFreewareMsg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
}

bool TFreewareMsg::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::ToolTip || e->type() == QEvent::WhatsThis)
        return true;
    return QDialog::eventFilter(objet, e);
}

void TFreewareMsg::tf2Click()
{
    accept();
}

void TFreewareMsg::BmpAnime2Click()
{
    garde([] { ouvre_site_web(); });
}

} // namespace trelmo
