#include "Language.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using namespace orvella;

class tst_Language : public QObject {
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
    void translationsAreCarried_data();
    void translationsAreCarried();
};

void tst_Language::choice_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("C") << QStringList{"C"} << QString();
    QTest::newRow("POSIX") << QStringList{"POSIX", "de"} << QString();
    QTest::newRow("English") << QStringList{"en-US", "en"} << QString();
    // English is the program's own: a later language does not win over it.
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << QString();
    QTest::newRow("German") << QStringList{"de-DE", "de"} << QStringLiteral("de");
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << QStringLiteral("de");
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << QStringLiteral("pt_BR");
    QTest::newRow("Portuguese") << QStringList{"pt-PT"} << QString();
    // A language without a translation gives way to the next one the user reads.
    QTest::newRow("Hebrew, then German") << QStringList{"he-IL", "de"} << QStringLiteral("de");
    QTest::newRow("Hebrew") << QStringList{"he-IL", "he"} << QString();
}

void tst_Language::choice()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    const auto has = [](const QString& language) {
        return language == u"de" || language == u"pt_BR";
    };
    QCOMPARE(ChooseLanguage(uiLanguages, has), chosen);
}

void tst_Language::translationsAreCarried_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("onlyLetters");
    QTest::newRow("de")
        << QStringLiteral("de")
        << QStringLiteral("Bitte nur Buchstaben eingeben: \u00dcbernommen werden nur A bis Z.");
}

// Each shipped translation is compiled into the program and speaks in its own words.
void tst_Language::translationsAreCarried()
{
    QFETCH(QString, language);
    QFETCH(QString, onlyLetters);
    QVERIFY(HasTranslation(language));
    QVERIFY(!HasTranslation(QStringLiteral("xx")));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/orvella_%1.qm").arg(language)));
    QCOMPARE(translator.translate("orvella::frmMain", "Please Enter only Letters"), onlyLetters);
    QVERIFY(!translator.translate("orvella::BirthDateLists", "March").isEmpty());
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
