#include "Application.h"
#include "BirthInputRules.h"
#include "FakeDialogs.h"
#include "FileSizeLimit.h"
#include "OrdinaryUser.h"
#include "RegularFile.h"
#include "ReportFile.h"
#include "ReportTestSupport.h"
#include "SpecialFiles.h"
#include "frmSave.h"

#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <sys/stat.h>

using namespace orvella;
using namespace orvella::testing;
using namespace std::chrono_literals;

namespace {

// The bytes of a report file line: every character shifted up by 129 within ISO 8859-1.
QByteArray scrambled(QByteArrayView value)
{
    QByteArray line;
    for (char c : value)
        line += static_cast<char>(static_cast<unsigned char>(c) + 129);
    return line;
}

QByteArray reportFile(const QList<QByteArray>& values)
{
    QByteArray content;
    for (const QByteArray& value : values)
        content += scrambled(value) + "\r\n";
    return content;
}

BirthInput birth(const QString& name, int day, int month, int year)
{
    return reportSource(SignIndex::Capricorn, name, day, month, year).birth;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_ReportFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void writesFourScrambledLines();
    void roundTrip_data();
    void roundTrip();
    void refusesWhatTheProgramNeverWrites_data();
    void refusesWhatTheProgramNeverWrites();
    void refusesUnreadablePaths_data();
    void refusesUnreadablePaths();
    void ignoresAFifthLineAndBeyond();
    void takesLowercaseNamesAsCapitals();
    void acceptsAMissingFinalLineBreak();
    void writerRefusesIncompleteEntries();
    void failedWriteLeavesTheOldFile();
    void writeFailsAndSaysWhy_data();
    void writeFailsAndSaysWhy();
    void writeFailureGivesTheSystemsReason_data();
    void writeFailureGivesTheSystemsReason();
    void writerAndReaderShareTheSizeBound();
    void saveThroughALinkReplacesItsTarget();
    void suffixRule_data();
    void suffixRule();
    void saveButtonWritesTheEntries();
    void cancelledSaveWritesNothing();
    void failedSaveSaysSoAndKeepsTheOldFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
};

void tst_ReportFile::initTestCase()
{
    PrepareProcess();
    // The system's reasons are compared in its own words.
    std::setlocale(LC_ALL, "C");
}

void tst_ReportFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void tst_ReportFile::writesFourScrambledLines()
{
    const Outcome saved =
        WriteReportFile(path("anna.lyr"), birth(QStringLiteral("ANNA"), 5, 1, 1990));
    QVERIFY(saved);
    QVERIFY(saved.message().isEmpty());
    const QByteArray expected("\xC2\xCF\xCF\xC2\r\n"             // ANNA
                              "\xB6\r\n"                         // 5
                              "\xCB\xE2\xEF\xF6\xE2\xF3\xFA\r\n" // January
                              "\xB2\xBA\xBA\xB1\r\n");           // 1990
    QCOMPARE(contentOf(path("anna.lyr")), expected);
    QCOMPARE(contentOf(path("anna.lyr")),
             reportFile({"ANNA", "5", "January", "1990"})); // the helper agrees
}

void tst_ReportFile::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::newRow("ANNA") << "ANNA" << 5 << 1 << 1990;
    QTest::newRow("two words") << "MARY ANN SMITH" << 31 << 12 << 2050;
    QTest::newRow("first entries") << "Z" << 1 << 1 << 1900;
    QTest::newRow("impossible date") << "BOB" << 31 << 4 << 2001; // Proceed refuses it
}

void tst_ReportFile::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    const BirthInput entries = birth(name, day, month, year);
    QVERIFY(WriteReportFile(path("r.lyr"), entries));
    const std::optional<ReportFileEntries> read = ReadReportFile(path("r.lyr"));
    QVERIFY(read);
    QCOMPARE(read->name, name);
    QCOMPARE(read->day, QString::number(day));
    QCOMPARE(read->monthName, monthEntries().at(month - 1));
    QCOMPARE(read->year, QString::number(year));
}

void tst_ReportFile::refusesWhatTheProgramNeverWrites_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray valid = reportFile({"ANNA", "5", "January", "1990"});
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("three lines") << reportFile({"ANNA", "5", "January"});
    QTest::newRow("three lines and an empty one") << reportFile({"ANNA", "5", "January", ""});
    QTest::newRow("digit in name") << reportFile({"ANNA1", "5", "January", "1990"});
    QTest::newRow("empty name") << reportFile({"", "5", "January", "1990"});
    QTest::newRow("name of blanks") << reportFile({"   ", "5", "January", "1990"});
    QTest::newRow("hyphen in name") << reportFile({"ANN-MARIE", "5", "January", "1990"});
    QTest::newRow("day 32") << reportFile({"ANNA", "32", "January", "1990"});
    QTest::newRow("day 0") << reportFile({"ANNA", "0", "January", "1990"});
    QTest::newRow("day 05") << reportFile({"ANNA", "05", "January", "1990"});
    QTest::newRow("day with blank") << reportFile({"ANNA", "5 ", "January", "1990"});
    QTest::newRow("month Foo") << reportFile({"ANNA", "5", "Foo", "1990"});
    QTest::newRow("month in small letters") << reportFile({"ANNA", "5", "january", "1990"});
    QTest::newRow("month number") << reportFile({"ANNA", "5", "1", "1990"});
    QTest::newRow("year 1899") << reportFile({"ANNA", "5", "January", "1899"});
    QTest::newRow("year 2051") << reportFile({"ANNA", "5", "January", "2051"});
    QTest::newRow("empty day") << reportFile({"ANNA", "", "January", "1990"});
    QTest::newRow("empty month") << reportFile({"ANNA", "5", "", "1990"});
    QTest::newRow("empty year") << reportFile({"ANNA", "5", "January", ""});
    QTest::newRow("not scrambled") << QByteArray("ANNA\r\n5\r\nJanuary\r\n1990\r\n");
    QTest::newRow("line feeds only") << QByteArray(valid).replace("\r\n", "\n");
    QTest::newRow("carriage returns only") << QByteArray(valid).replace("\r\n", "\r");
    QTest::newRow("stray byte in a line") << reportFile({"ANNA", "5", "January", "1990"})
                                                 .replace(scrambled("5"), "\x35" + scrambled("5"));
    QTest::newRow("larger than 64 KiB")
        << valid + QByteArray(MaxReportFileSize - valid.size() + 1, '\xC2');
}

void tst_ReportFile::refusesWhatTheProgramNeverWrites()
{
    QFETCH(QByteArray, content);
    QVERIFY(writeBytes(path("bad.lyr"), content));
    QCOMPARE(ReadReportFile(path("bad.lyr")), std::nullopt);
}

void tst_ReportFile::refusesUnreadablePaths_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind :
         {"missing", "folder", "empty path", "device", "device named .lyr", "pipe named .lyr",
          "no read permission", "swapped for a pipe while being opened"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_ReportFile::refusesUnreadablePaths()
{
    QFETCH(QString, kind);
    QString target = path("bad.lyr");
    if (kind == u"folder")
        target = m_dir->path();
    else if (kind == u"empty path")
        target.clear();
    else if (kind == u"device")
        target = QStringLiteral("/dev/zero");
    else if (kind == u"device named .lyr")
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), target));
    else if (kind == u"pipe named .lyr") // reading it would wait for a writer for ever
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    else if (kind == u"no read permission")
        QVERIFY(writeBytes(target, reportFile({"ANNA", "5", "January", "1990"})) &&
                QFile::setPermissions(target, QFileDevice::WriteOwner));

    else if (kind == u"swapped for a pipe while being opened") {
        QVERIFY(writeBytes(target, reportFile({"ANNA", "5", "January", "1990"})));
        orvella::testing::SetBetweenCheckAndUse([](const QString& opened) {
            const QByteArray name = QFile::encodeName(opened);
            if (::unlink(name.constData()) != 0 || ::mkfifo(name.constData(), 0600) != 0)
                qFatal("The file could not be swapped for a pipe: %s", strerror(errno));
        });
    }

    std::optional<ReportFileEntries> read;
    const bool finished = finishesWithin(
        20s,
        [&] {
            const OrdinaryUser user(m_dir->path());
            read = ReadReportFile(target);
        },
        target);
    orvella::testing::SetBetweenCheckAndUse({});
    QVERIFY(finished);
    QCOMPARE(read, std::nullopt);
}

void tst_ReportFile::ignoresAFifthLineAndBeyond()
{
    const QByteArray valid = reportFile({"ANNA", "5", "January", "1990"});
    QVERIFY(writeBytes(path("five.lyr"), valid + "this is no scrambled line\r\n\x01\x02\r\nmore"));
    const ReportFileEntries expected{QStringLiteral("ANNA"), QStringLiteral("5"),
                                     QStringLiteral("January"), QStringLiteral("1990")};
    QCOMPARE(ReadReportFile(path("five.lyr")), expected);

    // Up to the size limit, what follows the fourth line does not matter.
    QVERIFY(writeBytes(path("big.lyr"), valid + QByteArray(MaxReportFileSize - valid.size(), 'x')));
    QCOMPARE(ReadReportFile(path("big.lyr")), expected);
}

void tst_ReportFile::takesLowercaseNamesAsCapitals()
{
    QVERIFY(writeBytes(path("lower.lyr"), reportFile({"anna maria", "5", "January", "1990"})));
    const std::optional<ReportFileEntries> read = ReadReportFile(path("lower.lyr"));
    QVERIFY(read);
    QCOMPARE(read->name, QStringLiteral("ANNA MARIA"));
}

void tst_ReportFile::acceptsAMissingFinalLineBreak()
{
    QByteArray content = reportFile({"ANNA", "5", "January", "1990"});
    content.chop(2);
    QVERIFY(writeBytes(path("noend.lyr"), content));
    QVERIFY(ReadReportFile(path("noend.lyr")));
}

void tst_ReportFile::writerRefusesIncompleteEntries()
{
    BirthInput nothing; // no Proceed yet: no day, no month
    const Outcome saved = WriteReportFile(path("nothing.lyr"), nothing);
    QVERIFY(!saved);
    QCOMPARE(saved.message(),
             QStringLiteral("The name or the date of birth is not a complete entry."));
    QVERIFY(saved.reason().isEmpty()); // the program's own refusal
    QVERIFY(!QFile::exists(path("nothing.lyr")));
}

void tst_ReportFile::failedWriteLeavesTheOldFile()
{
    const QByteArray old = reportFile({"OLD ENTRY THAT IS LONG", "1", "February", "1950"});
    QVERIFY(writeBytes(path("old.lyr"), old));
    Outcome saved;
    {
        FileSizeLimit limit(8); // the new file would be 25 bytes
        QVERIFY(limit.active());
        saved = WriteReportFile(path("old.lyr"), birth(QStringLiteral("ANNA"), 5, 1, 1990));
    }
    QVERIFY(!saved);
    QVERIFY(!saved.reason().isEmpty());
    QCOMPARE(saved.message(),
             QStringLiteral("The file could not be written: %1").arg(saved.reason()));
    QCOMPARE(contentOf(path("old.lyr")), old);
    // No half-written file is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("old.lyr")});

    // With room again the same save succeeds.
    QVERIFY(WriteReportFile(path("old.lyr"), birth(QStringLiteral("ANNA"), 5, 1, 1990)));
    QCOMPARE(contentOf(path("old.lyr")), reportFile({"ANNA", "5", "January", "1990"}));
}

void tst_ReportFile::writeFailsAndSaysWhy_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("nameLength");
    // The message, with %1 where it quotes the system's reason; without it the program itself
    // refused and there is no such reason.
    QTest::addColumn<QString>("message");
    // <folder> stands for the test's folder.
    const QString created = QStringLiteral("The file could not be created: %1");
    QTest::newRow("missing folder") << "no-such-folder/anna.lyr" << 4 << created;
    QTest::newRow("folder without write permission") << "locked/anna.lyr" << 4 << created;
    QTest::newRow("onto a folder")
        << "folder.lyr" << 4 << "<folder>/folder.lyr is a folder, not a regular file.";
    QTest::newRow("onto a pipe (FIFO)")
        << "pipe.lyr" << 4 << "<folder>/pipe.lyr is a pipe (FIFO), not a regular file.";
    // The node stays a node: it is not replaced by a regular file.
    QTest::newRow("through a link to a device node")
        << "device.lyr" << 4 << "<folder>/node is a device, not a regular file.";
    // An earlier reading there, swapped for a pipe after the save's first check.
    QTest::newRow("swapped for a pipe before the rename")
        << "swapped.lyr" << 4 << "<folder>/swapped.lyr is a pipe (FIFO), not a regular file.";
    QTest::newRow("name too long for the reader")
        << "anna.lyr" << 65517
        << "The name is too long: the file would be larger than 65536 bytes, more than Orvella "
           "opens.";
}

void tst_ReportFile::writeFailsAndSaysWhy()
{
    QFETCH(QString, fileName);
    QFETCH(int, nameLength);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("locked")));
    QVERIFY(QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.lyr")));
    QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.lyr")).constData(), 0600), 0);
    if (fileName == u"device.lyr") {
        if (const QString refusal = makeDeviceNode(path("node")); !refusal.isEmpty())
            QSKIP(qPrintable(refusal));
        QVERIFY(QFile::link(path("node"), path("device.lyr")));
    }
    if (fileName == u"swapped.lyr") {
        QVERIFY(writeBytes(path("swapped.lyr"), reportFile({"OLD", "1", "March", "1950"})));
        orvella::testing::SetBetweenCheckAndUse([](const QString& used) {
            const QByteArray name = QFile::encodeName(used);
            if (::unlink(name.constData()) != 0 || ::mkfifo(name.constData(), 0600) != 0)
                qFatal("The file could not be swapped for a pipe: %s", strerror(errno));
        });
    }
    message.replace(QStringLiteral("<folder>"), QFileInfo(m_dir->path()).canonicalFilePath());
    const QStringList before =
        QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    const QString target = describe(m_dir->filePath(fileName));

    Outcome saved;
    {
        const OrdinaryUser user(m_dir->path());
        saved = WriteReportFile(m_dir->filePath(fileName),
                                birth(QString(nameLength, u'A'), 5, 1, 1990));
    }
    orvella::testing::SetBetweenCheckAndUse({});
    QVERIFY(!saved);
    const bool quotesReason = message.contains(QStringLiteral("%1"));
    QCOMPARE(saved.reason().isEmpty(), !quotesReason);
    QCOMPARE(saved.message(), quotesReason ? message.arg(saved.reason()) : message);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             before);
    if (fileName == u"swapped.lyr")
        QCOMPARE(QFileInfo(path("swapped.lyr")).isFile(), false); // the pipe stays
    else
        QCOMPARE(describe(m_dir->filePath(fileName)), target);
    QVERIFY(QDir(path("locked")).isEmpty());
    QVERIFY(QDir(path("folder.lyr")).exists());
}

void tst_ReportFile::writeFailureGivesTheSystemsReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("file-size limit") << "size limit"
                                     << "The file could not be written: File too large";
    QTest::newRow("full disk") << "full disk"
                               << "The file could not be written: No space left on device";
}

void tst_ReportFile::writeFailureGivesTheSystemsReason()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("disk")));
    std::optional<SmallTmpfs> disk;
    if (kind != u"size limit") {
        disk.emplace(path("disk"), "size=64k");
        if (!disk->refusal().isEmpty())
            QSKIP(qPrintable(disk->refusal()));
        QVERIFY(disk->fill());
    }
    Outcome saved;
    {
        FileSizeLimit limit(kind == u"size limit" ? 8 : RLIM_INFINITY);
        QVERIFY(limit.active());
        saved = WriteReportFile(path("disk/anna.lyr"), birth(QStringLiteral("ANNA"), 5, 1, 1990));
    }
    QCOMPARE(saved.message(), message);
    QVERIFY(!QFile::exists(path("disk/anna.lyr")));
    QCOMPARE(QDir(path("disk")).entryList(QDir::Files),
             kind == u"full disk" ? QStringList{QStringLiteral("filler")} : QStringList());
}

void tst_ReportFile::writerAndReaderShareTheSizeBound()
{
    // ANNA's file less her name: "5", "January" and "1990", each line ended by CR LF, and the
    // CR LF after the name.
    constexpr int rest = 2 + 3 + 9 + 6;
    const QString longest(MaxReportFileSize - rest, u'A');
    QVERIFY(WriteReportFile(path("longest.lyr"), birth(longest, 5, 1, 1990)));
    QCOMPARE(QFileInfo(path("longest.lyr")).size(), MaxReportFileSize);
    const std::optional<ReportFileEntries> read = ReadReportFile(path("longest.lyr"));
    QVERIFY(read);
    QCOMPARE(read->name, longest);

    // One letter more would make a file the reader refuses: it is not written.
    const Outcome saved = WriteReportFile(path("longer.lyr"), birth(longest + u'A', 5, 1, 1990));
    QVERIFY(!saved);
    QVERIFY(saved.message().contains(QString::number(MaxReportFileSize)));
    QVERIFY(!QFile::exists(path("longer.lyr")));
    QVERIFY(MaxNameLength < longest.size()); // the name box never gets near it
}

void tst_ReportFile::saveThroughALinkReplacesItsTarget()
{
    // As text editors do: the link stays, the file it points to gets the new content.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("readings")));
    QVERIFY(writeBytes(path("readings/anna.lyr"), reportFile({"OLD", "1", "March", "1950"})));
    QVERIFY(QFile::link(QStringLiteral("readings/anna.lyr"), path("link.lyr")));
    QVERIFY(WriteReportFile(path("link.lyr"), birth(QStringLiteral("ANNA"), 5, 1, 1990)));
    QVERIFY(QFileInfo(path("link.lyr")).isSymLink());
    QCOMPARE(contentOf(path("readings/anna.lyr")), reportFile({"ANNA", "5", "January", "1990"}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"link.lyr", "readings"}));
}

void tst_ReportFile::suffixRule_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("x.lyr") << "x.lyr" << true;
    QTest::newRow("full path") << "/home/anna/readings/anna.lyr" << true;
    QTest::newRow("mylyr, no dot") << "mylyr" << true;
    QTest::newRow("lyr") << "lyr" << true;
    QTest::newRow("x.LYR") << "x.LYR" << false;
    QTest::newRow("x.Lyr") << "x.Lyr" << false;
    QTest::newRow("x.lyR") << "x.lyR" << false;
    QTest::newRow("x.lyrx") << "x.lyrx" << false;
    QTest::newRow("x.txt") << "x.txt" << false;
    QTest::newRow("yr") << "yr" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("trailing blank") << "x.lyr " << false;
}

void tst_ReportFile::suffixRule()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(HasReportFileSuffix(path), accepted);
}

void tst_ReportFile::saveButtonWritesTheEntries()
{
    FakeDialogs dialogs;
    dialogs.nextFileNames << path("anna.lyr");
    frmSave window(annaSource());
    window.cmdSave_Click();

    QCOMPARE(dialogs.fileDialogs.size(), 1);
    QCOMPARE(dialogs.fileDialogs[0].title, QStringLiteral("Orvella"));
    QCOMPARE(dialogs.fileDialogs[0].filter, QStringLiteral("Orvella (*.lyr)"));
    QCOMPARE(dialogs.fileDialogs[0].defaultSuffix, QStringLiteral("lyr"));
    QVERIFY(dialogs.messages.isEmpty()); // no word on success
    QCOMPARE(contentOf(path("anna.lyr")), reportFile({"ANNA", "5", "January", "1990"}));
}

void tst_ReportFile::cancelledSaveWritesNothing()
{
    FakeDialogs dialogs; // no file name: the dialog is cancelled
    frmSave window(annaSource());
    window.cmdSave_Click();
    QCOMPARE(dialogs.fileDialogs.size(), 1);
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void tst_ReportFile::failedSaveSaysSoAndKeepsTheOldFile()
{
    const QByteArray old = reportFile({"SOMEONE ELSE ENTIRELY", "2", "March", "1960"});
    QVERIFY(writeBytes(path("old.lyr"), old));
    FakeDialogs dialogs;
    dialogs.nextFileNames << path("old.lyr");
    frmSave window(annaSource());
    {
        FileSizeLimit limit(8);
        QVERIFY(limit.active());
        window.cmdSave_Click();
    }
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].icon, QMessageBox::Critical);
    QVERIFY2(dialogs.messages[0].text.startsWith(QStringLiteral("The reading was not saved.")),
             qPrintable(dialogs.messages[0].text));
    QCOMPARE(contentOf(path("old.lyr")), old);

    dialogs.nextFileNames << path("no-such-folder/x.lyr");
    window.cmdSave_Click();
    QCOMPARE(dialogs.messages.size(), 2);
    QVERIFY(dialogs.messages[1].text.startsWith(QStringLiteral("The reading was not saved.")));

    // Entries the reader would refuse are not saved either, with the reason.
    frmSave tooLong(reportSource(SignIndex::Capricorn, QString(70000, u'A'), 5, 1, 1990));
    dialogs.nextFileNames << path("long.lyr");
    tooLong.cmdSave_Click();
    QCOMPARE(dialogs.messages.size(), 3);
    QVERIFY(dialogs.messages[2].text.startsWith(QStringLiteral("The reading was not saved.\n\n")));
    QVERIFY(dialogs.messages[2].text.contains(QStringLiteral("too long")));
    QVERIFY(!QFile::exists(path("long.lyr")));
}

QTEST_MAIN(tst_ReportFile)
#include "tst_reportfile.moc"
