#include "dialogs/mode.h"

#include "dialogs/commun.h"
#include "game/textes.h"
#include "resources/ressources.h"
#include "storage/config.h"
#include "widgets/garde.h"
#include "widgets/polices.h"

#include <QPainter>

namespace trelmo {

Tmode::Tmode(Reglages& reglages, int32_t langue, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      reglages_(reglages), langue_(langue)
{
    setObjectName(QStringLiteral("mode"));
    setWindowTitle(QStringLiteral("Mode"));
    setFixedSize(305, 88);
    setModal(true);

    const QCursor main = curseur(curseur_tophand_id);
    auto bouton = [&](int haut, const char* libelle) {
        auto* b = new TBoutonArrondi(this);
        b->setGeometry(0, haut, 305, 30);
        b->setFont(police_verdana(17, true));
        b->setText(QString::fromUtf8(libelle));
        b->setCursor(main);
        return b;
    };
    m1 = bouton(0, kModeM1);
    m2 = bouton(28, kModeM2);
    m3 = bouton(58, kModeM3);
    m1->setObjectName(QStringLiteral("m1"));
    m2->setObjectName(QStringLiteral("m2"));
    m3->setObjectName(QStringLiteral("m3"));
    connect(m1, &QAbstractButton::clicked, this, &Tmode::m1Click);
    connect(m2, &QAbstractButton::clicked, this, &Tmode::m2Click);
    connect(m3, &QAbstractButton::clicked, this, &Tmode::m3Click);
}

void Tmode::showEvent(QShowEvent* e)
{
    const Textes& t = textes(langue_);
    setWindowTitle(qs(t.mode_titre));
    m1->setText(qs(t.mode_m1));
    if (!t.mode_m2.empty())
        m2->setText(qs(t.mode_m2));
    m3->setText(qs(t.mode_m3));
    centrer_ecran(this);
    QDialog::showEvent(e);
}

void Tmode::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The dialogs' grey shows round the buttons' rounded ends.
    p.fillRect(rect(), QColor(kGrisPanneau));
}

void Tmode::choisir(int32_t niveau)
{
    garde([&] {
        reglages_.config.set_niveau(niveau);
        reglages_.enregistrer();
        // A settings file that cannot be written is told once (through the
        // warning the main window installs) and never keeps the dialog open.
        accept();
    });
}

void Tmode::m1Click() { choisir(1); }
void Tmode::m2Click() { choisir(2); }
void Tmode::m3Click() { choisir(3); }

} // namespace trelmo
