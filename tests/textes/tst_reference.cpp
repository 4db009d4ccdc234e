// French, English and German read exactly as they always have: every text the
// program shows in the three languages, byte for byte against reference.txt
// (including what stays French in every language). TRELMO_ECRIRE_REFERENCE=1
// writes the file from the program instead, for a deliberate change.
#include "releve.h"

#include <QFile>
#include <QtTest>

using namespace trelmo;

namespace {

QStringList attendu()
{
    QStringList lignes;
    for (int32_t langue : {FRANCAIS, ANGLAIS, ALLEMAND}) {
        const QString code = QString::fromLatin1(langue == FRANCAIS ? "fr" : langue == ANGLAIS ? "en" : "de");
        for (const QString& l : releve::textes_de(langue))
            lignes << code + QLatin1Char('\t') + l;
    }
    return lignes;
}

} // namespace

class TstReference : public QObject {
    Q_OBJECT
private slots:
    void troisLanguesInchangees()
    {
        const QString chemin = QStringLiteral(TRELMO_REFERENCE);
        const QStringList lignes = attendu();
        if (qEnvironmentVariableIsSet("TRELMO_ECRIRE_REFERENCE")) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(lignes.join(QLatin1Char('\n')).toUtf8() + '\n');
            QSKIP("reference written");
        }
        QFile f(chemin);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(chemin));
        const QByteArray octets = f.readAll();
        QStringList reference = QString::fromUtf8(octets).split(QLatin1Char('\n'));
        QCOMPARE(reference.takeLast(), QString());
        QCOMPARE(QString::fromUtf8(octets).toUtf8(), octets);   // valid UTF-8
        for (qsizetype i = 0; i < std::min(reference.size(), lignes.size()); ++i)
            QCOMPARE(lignes[i], reference[i]);
        QCOMPARE(lignes.size(), reference.size());
    }
};

QTEST_GUILESS_MAIN(TstReference)
#include "tst_reference.moc"
