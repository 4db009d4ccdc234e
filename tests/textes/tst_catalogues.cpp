// Every translation catalogue is complete: the same entries as the program
// looks up, none missing and none left over, each translated, with the same
// placeholders as its source and plural forms where, and only where, a number
// is counted. Read from the .ts files the translators edit and through the
// compiled catalogues the program loads.
#include "releve.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>

using namespace trelmo;

namespace {

struct Message {
    QString source;
    QStringList traductions;   // one, or the plural forms
    bool pluriel = false;
    QString type;
};

struct Fichier {
    QString langue;
    std::map<QString, Message> messages;
    QStringList doublons;
};

Fichier lire(const QString& chemin)
{
    Fichier f;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return f;
    QXmlStreamReader x(&fichier);
    QString id;
    Message m;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("TS"))
                f.langue = x.attributes().value(QLatin1String("language")).toString();
            else if (x.name() == QLatin1String("message")) {
                id = x.attributes().value(QLatin1String("id")).toString();
                m = Message{};
                m.pluriel = x.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (x.name() == QLatin1String("source"))
                m.source = x.readElementText();
            else if (x.name() == QLatin1String("translation")) {
                m.type = x.attributes().value(QLatin1String("type")).toString();
                if (!m.pluriel)
                    m.traductions << x.readElementText();
            } else if (x.name() == QLatin1String("numerusform"))
                m.traductions << x.readElementText();
        } else if (x.isEndElement() && x.name() == QLatin1String("message")) {
            if (f.messages.count(id))
                f.doublons << id;
            f.messages[id] = m;
        }
    }
    if (x.hasError())
        f.doublons << QStringLiteral("XML: ") + x.errorString();
    return f;
}

// The entries the program looks up.
QSet<QString> entrees_attendues()
{
    QSet<QString> ids;
    for (const QString& l : releve::textes_de(ANGLAIS)) {
        const QString cle = l.section(QLatin1Char('\t'), 0, 0);
        if (cle.startsWith(QLatin1String("textes.")) || cle.startsWith(QLatin1String("plus."))
            || cle.startsWith(QLatin1String("problemes.")) || cle.startsWith(QLatin1String("splash."))
            || cle.startsWith(QLatin1String("fichiers.")))
            ids << cle;
    }
    ids.remove(QStringLiteral("textes.mode_m2"));
    ids << QStringLiteral("problemes.separateur");   // looked up where the problems' lines are made   // French in every language, not translated
    for (const QString& cle : QSet<QString>(ids))
        if (cle.startsWith(QLatin1String("plus.reste(")))
            ids.remove(cle);
    for (const Probleme& p : catalogue()) {
        if (p.groupe.empty())
            ids << QStringLiteral("probleme.") + QString::fromStdString(p.id);
        else
            ids << QStringLiteral("groupe.") + QString::fromStdString(p.groupe)
                << QStringLiteral("serie.") + QString::fromStdString(p.groupe);
    }
    return ids;
}

QStringList marques(const QString& texte)
{
    static const QRegularExpression re(QStringLiteral("%\\d+|\\{depart\\}|\\{cible\\}"));
    QStringList m;
    for (auto i = re.globalMatch(texte); i.hasNext();)
        m << i.next().captured();
    m.sort();
    m.removeDuplicates();
    return m;
}

// Plural forms Qt's rules give a language: one in Chinese and Japanese, three
// in Polish and Russian (and the other Slavic languages), two elsewhere.
int formes(const QString& langue)
{
    const QString l = langue.section(QLatin1Char('_'), 0, 0);
    if (l == QLatin1String("zh") || l == QLatin1String("ja") || l == QLatin1String("ko") || l == QLatin1String("vi"))
        return 1;
    if (l == QLatin1String("pl") || l == QLatin1String("ru") || l == QLatin1String("uk") || l == QLatin1String("cs")
        || l == QLatin1String("sk") || l == QLatin1String("hr") || l == QLatin1String("sr"))
        return 3;
    return 2;
}

// The entries a language may leave empty: German has never had a hint on Exit.
bool vide_permis(const QString& code, const QString& id)
{
    return code == QLatin1String("de") && id == QLatin1String("textes.hint_quitter");
}

} // namespace

class TstCatalogues : public QObject {
    Q_OBJECT
private slots:
    void catalogues()
    {
        const QSet<QString> attendues = entrees_attendues();
        const QStringList ts = QDir(QStringLiteral(TRELMO_TRADUCTIONS)).entryList({QStringLiteral("trelmo_*.ts")}, QDir::Files, QDir::Name);
        QCOMPARE(qsizetype(ts.size()), qsizetype(codes_langues().size()));
        QSet<QString> pluriels;
        for (const auto& [id, m] : lire(QStringLiteral(TRELMO_TRADUCTIONS "/trelmo_en.ts")).messages)
            if (m.pluriel)
                pluriels << id;
        QVERIFY(pluriels.contains(QStringLiteral("plus.reste_n")));
        for (const QString& nom : ts) {
            const QString code = nom.mid(7, nom.size() - 10);
            const Fichier f = lire(QDir(QStringLiteral(TRELMO_TRADUCTIONS)).filePath(nom));
            QVERIFY2(f.doublons.isEmpty(), qPrintable(nom + QStringLiteral(": ") + f.doublons.join(QLatin1Char(' '))));
            QVERIFY2(f.langue.section(QLatin1Char('_'), 0, 0) == code.section(QLatin1Char('_'), 0, 0), qPrintable(nom));
            QSet<QString> ids;
            for (const auto& [id, m] : f.messages) {
                const QString ou = nom + QStringLiteral(" ") + id;
                ids << id;
                QVERIFY2(m.type.isEmpty(), qPrintable(ou + QStringLiteral(": ") + m.type));
                QVERIFY2(m.pluriel == pluriels.contains(id), qPrintable(ou));
                QVERIFY2(m.traductions.size() == (m.pluriel ? formes(f.langue) : 1), qPrintable(ou));
                for (const QString& t : m.traductions) {
                    QVERIFY2(!t.isEmpty() || vide_permis(code, id), qPrintable(ou));
                    if (!t.isEmpty())
                        QVERIFY2(marques(t) == marques(m.source), qPrintable(ou + QStringLiteral(": ") + t));
                }
                // What the program reads is what the file says.
                const int32_t l = langue_du_locale(code.toStdString());
                QVERIFY2(l >= 0, qPrintable(nom));
                const QByteArray cle = id.toUtf8();
                if (m.pluriel)
                    for (int n : {1, 2, 5, 22})
                        QVERIFY2(m.traductions.contains(texte_n(l, cle.constData(), n)), qPrintable(ou));
                else
                    QCOMPARE(texte(l, cle.constData()), m.traductions.front());
            }
            QVERIFY2(ids == attendues,
                     qPrintable(nom + QStringLiteral(" missing: ") + QStringList((attendues - ids).values()).join(QLatin1Char(' '))
                                + QStringLiteral(" left over: ") + QStringList((ids - attendues).values()).join(QLatin1Char(' '))));
        }
    }

    void pluriels()
    {
        // The plural forms follow each language's rules.
        const auto code = [](const char* c) { return langue_du_locale(c); };
        QCOMPARE(texte_n(code("ru"), "plus.reste_n", 21).arg(21), QStringLiteral("Остался 21 шарик."));
        QCOMPARE(texte_n(code("ru"), "plus.reste_n", 3).arg(3), QStringLiteral("Осталось 3 шарика."));
        QCOMPARE(texte_n(code("ru"), "plus.reste_n", 11).arg(11), QStringLiteral("Осталось 11 шариков."));
        QCOMPARE(texte_n(code("pl"), "problemes.billes", 22).arg(22), QStringLiteral("22 kulki"));
        QCOMPARE(texte_n(code("pl"), "problemes.billes", 25).arg(25), QStringLiteral("25 kulek"));
        QCOMPARE(texte_n(code("es"), "problemes.billes", 1).arg(1), QStringLiteral("1 canica"));
        QCOMPARE(texte_n(code("pt_BR"), "plus.annonce_perdu", 2).arg(2), QStringLiteral("Fim de jogo. Restam 2 bolinhas."));
        QCOMPARE(texte_n(code("ja"), "plus.reste_n", 7).arg(7), QStringLiteral("残りのビー玉は 7 個です。"));
        // The files' messages read in French, English and German as the
        // game's own table has them, whoever reads them.
        for (int32_t l : {FRANCAIS, ANGLAIS, ALLEMAND})
            for (const char* const* id = ids_fichiers(); *id; ++id)
                QCOMPARE(texte(l, *id).toStdString(), texte_fichiers_integre(l, *id));
        // The problems' lines read as they always have in the first three languages.
        for (int32_t l : {FRANCAIS, ANGLAIS, ALLEMAND})
            QCOMPARE(texte(l, "problemes.separateur"), QStringLiteral(", "));
        QCOMPARE(texte(code("zh_CN"), "problemes.separateur"), QStringLiteral("，"));
        // Every language names a problem of a series with its holes.
        for (std::size_t l = 0; l < codes_langues().size(); ++l)
            for (const Probleme& p : catalogue())
                if (!p.groupe.empty()) {
                    const QString n = nom_probleme(p, int32_t(l));
                    QVERIFY2(n.contains(QString::fromStdString(nom_du_trou(p.cible))) && !n.contains(QLatin1Char('{')),
                             qPrintable(n));
                }
    }
};

QTEST_GUILESS_MAIN(TstCatalogues)
#include "tst_catalogues.moc"
