#include "BirthInputRules.h"
#include "FakeDialogs.h"
#include "ReportFile.h"
#include "Scrambler.h"
#include "SettingsStore.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmMdi.h"
#include "frmSave.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace orvella;
using orvella::testing::FakeDialogs;

class tst_OpenReport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedReadingComesBack();
    void cancelledDialogChangesNothing();
    void refusedFiles_data();
    void refusedFiles();
    void impossibleDateIsRefusedByProceed();
    void longestNameSavesAndOpens();
    void monthIsKeptInEnglish();

private:
    QString writeLines(const QString& fileName, const QList<QString>& lines);
    QStringList entries() const;

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<frmMain> m_window;
};

void tst_OpenReport::init()
{
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("orvella.conf")));
    m_dialogs = std::make_unique<FakeDialogs>();
    m_window = std::make_unique<frmMain>(*m_settings);
    m_window->show();
    m_window->setName(QStringLiteral("KEEP"));
}

namespace {

// The month names of another language, as a translation gives them.
class MonthTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArrayView(context) != "orvella::BirthDateLists")
            return {};
        return QByteArrayView(source) == "March" ? QStringLiteral("M\u00e4rz")
                                                 : QStringLiteral("X-") + QLatin1StringView(source);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// A file saved under one language opens under another: the month is stored by its English name
// and the list selects it by its position, whatever it shows.
void tst_OpenReport::monthIsKeptInEnglish()
{
    MonthTranslator translator;
    QCoreApplication::installTranslator(&translator);
    m_window = std::make_unique<frmMain>(*m_settings);
    QCoreApplication::removeTranslator(&translator);
    auto* months = m_window->findChild<QComboBox*>(QStringLiteral("cboMonth"));
    QCOMPARE(months->itemText(2), QStringLiteral("M\u00e4rz"));
    QCOMPARE(months->itemText(11), QStringLiteral("X-December"));

    const QString path = writeLines(QStringLiteral("anna.lyr"), {"ANNA", "5", "March", "1990"});
    m_dialogs->nextFileNames << path;
    m_window->cmdOpen_Click();
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(entries(), QStringList({"ANNA", "5", "M\u00e4rz", "1990"}));
    QCOMPARE(m_window->birthInput().monthName, QStringLiteral("March"));
    QCOMPARE(m_window->birthInput().monthIndex, 2);

    const QString saved = m_dir.filePath(QStringLiteral("again.lyr"));
    QVERIFY(WriteReportFile(saved, m_window->birthInput()));
    QCOMPARE(ReadReportFile(saved)->monthName, QStringLiteral("March"));

    // A file holding a shown name instead of the English one is no report file.
    m_dialogs->nextFileNames << writeLines(QStringLiteral("de.lyr"),
                                           {"ANNA", "5", "M\u00e4rz", "1990"});
    m_window->cmdOpen_Click();
    QCOMPARE(m_dialogs->messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
}

void tst_OpenReport::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
}

QString tst_OpenReport::writeLines(const QString& fileName, const QList<QString>& lines)
{
    const QString path = m_dir.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    for (const QString& line : lines)
        file.write(ScrambleText(line).toLatin1() + "\r\n");
    return path;
}

QStringList tst_OpenReport::entries() const
{
    QStringList result{m_window->findChild<QLineEdit*>(QStringLiteral("txtName"))->text()};
    for (const char* name : {"cboDate", "cboMonth", "cboYear"})
        result << m_window->findChild<QComboBox*>(QLatin1StringView(name))->currentText();
    return result;
}

void tst_OpenReport::savedReadingComesBack()
{
    BirthInput birth;
    birth.name = QStringLiteral("ANNA MARIA");
    birth.day = 5;
    birth.monthName = QStringLiteral("January");
    birth.year = 1990;
    const QString path = m_dir.filePath(QStringLiteral("anna.lyr"));
    const Outcome saved = WriteReportFile(path, birth);
    QVERIFY2(saved, qPrintable(saved.message()));

    m_dialogs->nextFileNames << path;
    m_window->findChild<QAction*>(QStringLiteral("mnuOpenPreviouslySavedKabbalah"))->trigger();
    QCOMPARE(m_dialogs->fileDialogs.size(), 1);
    QCOMPARE(m_dialogs->fileDialogs.first().title, QStringLiteral("Select the source file"));
    QCOMPARE(m_dialogs->fileDialogs.first().defaultSuffix, QStringLiteral("lyr"));
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(entries(), QStringList({"ANNA MARIA", "5", "January", "1990"}));
    QVERIFY(m_window->readingFrame());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->readingFrame()->display()->fieldText(QStringLiteral("lblSunSignName")),
             QStringLiteral("Capricorn"));
    QCOMPARE(m_window->birthInput().name, QStringLiteral("ANNA MARIA"));
}

void tst_OpenReport::cancelledDialogChangesNothing()
{
    const QStringList before = entries();
    m_window->cmdOpen_Click();
    QCOMPARE(entries(), before);
    QVERIFY(m_dialogs->messages.isEmpty());
    QVERIFY(!m_window->readingFrame());
}

void tst_OpenReport::refusedFiles_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("lines");
    const QStringList good{"ANNA", "5", "January", "1990"};
    QTest::newRow("capital suffix") << "anna.LYR" << good;
    QTest::newRow("mixed-case suffix") << "anna.Lyr" << good;
    QTest::newRow("other suffix") << "anna.txt" << good;
    QTest::newRow("three lines") << "short.lyr" << QStringList{"ANNA", "5", "January"};
    QTest::newRow("empty file") << "empty.lyr" << QStringList{};
    QTest::newRow("empty name") << "noname.lyr" << QStringList{"", "5", "January", "1990"};
    QTest::newRow("digit in name") << "digit.lyr" << QStringList{"ANNA2", "5", "January", "1990"};
    QTest::newRow("day 32") << "day.lyr" << QStringList{"ANNA", "32", "January", "1990"};
    QTest::newRow("day 05") << "day0.lyr" << QStringList{"ANNA", "05", "January", "1990"};
    QTest::newRow("month Foo") << "month.lyr" << QStringList{"ANNA", "5", "Foo", "1990"};
    QTest::newRow("year 1899") << "year.lyr" << QStringList{"ANNA", "5", "January", "1899"};
    QTest::newRow("missing file") << "" << QStringList{};
}

void tst_OpenReport::refusedFiles()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, lines);
    const QString path = fileName.isEmpty() ? m_dir.filePath(QStringLiteral("gone.lyr"))
                                            : writeLines(fileName, lines);
    const QStringList before = entries();
    m_dialogs->nextFileNames << path;
    m_window->cmdOpen_Click();
    QCOMPARE(m_dialogs->messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
    QCOMPARE(m_dialogs->messages.first().icon, QMessageBox::Critical);
    QCOMPARE(entries(), before);
    QVERIFY(!m_window->readingFrame());
    QVERIFY(m_window->isVisible());
}

void tst_OpenReport::impossibleDateIsRefusedByProceed()
{
    // Valid entries that make no date go into the controls; Proceed refuses them as typed ones.
    m_dialogs->nextFileNames << writeLines(QStringLiteral("april.lyr"),
                                           {"anna", "31", "April", "1990", "ignored fifth line"});
    m_window->cmdOpen_Click();
    QCOMPARE(entries(), QStringList({"ANNA", "31", "April", "1990"}));
    QCOMPARE(m_dialogs->messageTexts(),
             QStringList{QStringLiteral("Please Enter Correct Date Or Month !")});
    QVERIFY(!m_window->readingFrame());
}

void tst_OpenReport::longestNameSavesAndOpens()
{
    // The name box holds at most MaxNameLength letters, a limit of its own.
    const QString longest(MaxNameLength, u'A');
    m_window->setName(longest + QStringLiteral("BCDEF"));
    QCOMPARE(entries().first(), longest);
    m_window->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentText(QStringLiteral("5"));
    m_window->findChild<QComboBox*>(QStringLiteral("cboMonth"))
        ->setCurrentText(QStringLiteral("January"));
    m_window->findChild<QComboBox*>(QStringLiteral("cboYear"))
        ->setCurrentText(QStringLiteral("1990"));
    m_window->cmdProceed_Click();
    QVERIFY(m_window->readingFrame());

    const QString path = m_dir.filePath(QStringLiteral("longest.lyr"));
    m_dialogs->nextFileNames << path;
    frmSave(m_window->reportSource()).cmdSave_Click();
    QVERIFY(m_dialogs->messages.isEmpty());

    m_window = std::make_unique<frmMain>(*m_settings);
    m_window->show();
    m_dialogs->nextFileNames << path;
    m_window->cmdOpen_Click();
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(entries(), QStringList({longest, "5", "January", "1990"}));
    QVERIFY(m_window->readingFrame());
}

QTEST_MAIN(tst_OpenReport)
#include "tst_openreport.moc"
