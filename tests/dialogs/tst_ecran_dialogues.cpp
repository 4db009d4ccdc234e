// The dialogs' pictures on a screen of two device pixels to a window pixel.
#include "dialogs/freewaremsg.h"
#include "dialogs/problemes.h"
#include "resources/ressources.h"
#include "storage/statistiques.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace trelmo;

namespace {

QImage rgb(const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestEcranDialogues : public QObject {
    Q_OBJECT
private slots:
    // The raised "Cliquez ici" letters the player sees at 200 % are the ones
    // drawn for 200 %, in the place of the 100 % picture.
    void cliquez_ici_a_200()
    {
        TFreewareMsg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.devicePixelRatioF(), 2.0);
        QCOMPARE(dlg.tf2->geometry(), QRect(106, 155, 176, 32));
        const QImage vu = rgb(dlg.tf2->grab().toImage());
        QCOMPARE(vu.size(), QSize(352, 64));
        QCOMPARE(vu, rgb(cliquez_ici(2.0).toImage()));
        QVERIFY(vu != rgb(cliquez_ici().toImage().scaled(352, 64)));
    }

    // The green ball of the Play button too.
    void bouton_jouer_a_200()
    {
        QTemporaryDir dir;
        Statistiques stats(dir.filePath(QStringLiteral("statistiques.json")).toStdString());
        TProblemes dlg(1, stats);
        QCOMPARE(dlg.jouer->image().devicePixelRatio(), 2.0);
        QCOMPARE(dlg.jouer->image().toImage(), bille_verte(2.0).toImage());
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestEcranDialogues t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_ecran_dialogues.moc"
