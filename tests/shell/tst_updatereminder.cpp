#include "FakeDialogs.h"
#include "OrdinaryUser.h"
#include "Scrambler.h"
#include "SettingsStore.h"
#include "SpecialFiles.h"
#include "UpdateReminder.h"
#include "UrlCatcher.h"
#include "WebPage.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvella;
using orvella::testing::FakeDialogs;
using orvella::testing::OrdinaryUser;
using namespace std::chrono_literals;

class tst_UpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstRunAsksNothing();
    void boundaries_data();
    void boundaries();
    void unreadableValueCountsAsFirstRun();
    void yesOpensTheDownloadPage();
    void questionHasTwoLines();
    void storeKeepsNothingReadable();
    void brokenStoreAsksNothing_data();
    void brokenStoreAsksNothing();
    void qtsOwnSettingsFileCannotBlock();

private:
    QString storedDate() const;
    void store(const QString& value);

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<orvella::testing::UrlCatcher> m_urls;
    const QDate m_today{2026, 12, 9};
};

void tst_UpdateReminder::init()
{
    QFile::remove(m_dir.filePath(QStringLiteral("orvella.conf")));
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("orvella.conf")));
    m_urls = std::make_unique<orvella::testing::UrlCatcher>();
}

void tst_UpdateReminder::cleanup()
{
    m_urls.reset();
}

QString tst_UpdateReminder::storedDate() const
{
    return UnscrambleText(
        m_settings->ReadSetting(QStringLiteral("Settings"), ScrambleText(u"Duration")));
}

void tst_UpdateReminder::store(const QString& value)
{
    m_settings->WriteSetting(QStringLiteral("Settings"), ScrambleText(u"Duration"),
                             ScrambleText(value));
}

void tst_UpdateReminder::firstRunAsksNothing()
{
    FakeDialogs dialogs;
    QCOMPARE(storedDate(), QString());
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QVERIFY(dialogs.questions.isEmpty());
    QCOMPARE(storedDate(), QStringLiteral("2026-12-09"));
    // The same day again asks nothing either.
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QVERIFY(dialogs.questions.isEmpty());
}

void tst_UpdateReminder::boundaries_data()
{
    QTest::addColumn<int>("daysFromToday");
    QTest::addColumn<bool>("asks");
    QTest::newRow("14 days back") << -14 << false;
    QTest::newRow("15 days back") << -15 << true;
    QTest::newRow("a year back") << -365 << true;
    QTest::newRow("14 days ahead") << 14 << false;
    QTest::newRow("15 days ahead") << 15 << true;
    QTest::newRow("20 days ahead") << 20 << true;
}

void tst_UpdateReminder::boundaries()
{
    QFETCH(int, daysFromToday);
    QFETCH(bool, asks);
    FakeDialogs dialogs;
    const QString stored = m_today.addDays(daysFromToday).toString(Qt::ISODate);
    store(stored);
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QCOMPARE(dialogs.questions.size(), asks ? 1 : 0);
    // After a question today's date is stored, so the next start asks nothing.
    QCOMPARE(storedDate(), asks ? m_today.toString(Qt::ISODate) : stored);
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QCOMPARE(dialogs.questions.size(), asks ? 1 : 0);
    QVERIFY(m_urls->urls.isEmpty()); // answered No
}

void tst_UpdateReminder::unreadableValueCountsAsFirstRun()
{
    FakeDialogs dialogs;
    store(QStringLiteral("12/9/26"));
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QVERIFY(dialogs.questions.isEmpty());
    QCOMPARE(storedDate(), QStringLiteral("2026-12-09"));
}

void tst_UpdateReminder::yesOpensTheDownloadPage()
{
    FakeDialogs dialogs;
    dialogs.nextAnswers << true;
    store(m_today.addDays(-30).toString(Qt::ISODate));
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QCOMPARE(m_urls->urls.size(), 1);
    QCOMPARE(m_urls->urls.first(), webPageUrl(WebPages::Download));
    QCOMPARE(m_urls->urls.first().toString(),
             QStringLiteral("https://www.orvella.org/orvella/ssd.php?page=download-web-page"));
    QCOMPARE(storedDate(), QStringLiteral("2026-12-09"));
}

void tst_UpdateReminder::questionHasTwoLines()
{
    FakeDialogs dialogs;
    store(m_today.addDays(-15).toString(Qt::ISODate));
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QCOMPARE(dialogs.questions.value(0).split(u'\n'),
             QStringList({QStringLiteral("There maybe an update to this software available"),
                          QStringLiteral("Do you want to check for an update?")}));
}

void tst_UpdateReminder::storeKeepsNothingReadable()
{
    FakeDialogs dialogs;
    RemindOfUpdate(*m_settings, m_today, nullptr);
    QFile file(m_settings->fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    QVERIFY(raw.contains("[Settings]"));
    for (const char* readable : {"Duration", "2026", "12-09", "09"})
        QVERIFY2(!raw.contains(readable), readable);
}

void tst_UpdateReminder::brokenStoreAsksNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("remembers"); // whether today's date is stored afterwards
    QTest::newRow("config folder is a regular file") << "folder is a file" << false;
    QTest::newRow("config folder without write permission") << "unwritable folder" << false;
    QTest::newRow("garbage settings file") << "garbage" << true;
    // Neither read nor written: what is beyond the bound is no file of the program's.
    QTest::newRow("huge settings file") << "huge" << false;
    QTest::newRow("settings file one byte beyond 64 KiB") << "beyond the bound" << false;
    QTest::newRow("settings file is a pipe (FIFO)") << "fifo" << false;
    QTest::newRow("settings file is a link to a device node") << "device link" << false;
    // The link stays; the file it leads to keeps the date.
    QTest::newRow("settings file is a link to a regular file") << "file link" << true;
}

void tst_UpdateReminder::brokenStoreAsksNothing()
{
    // The program starts as on a first run: no question, no crash, no wait; the date is kept
    // where the file can be written, and what is not the program's file is left as it was.
    QFETCH(QString, kind);
    QFETCH(bool, remembers);
    QTemporaryDir dir;
    QString fileName = dir.filePath(QStringLiteral("config/orvella.conf"));
    const QByteArray name = QFile::encodeName(fileName);
    QByteArray content;
    if (kind == u"folder is a file") {
        QVERIFY(QFile(dir.filePath(QStringLiteral("config"))).open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config")));
        if (kind == u"garbage") {
            for (int i = 0; i < 4096; ++i)
                content += char(i * 7919 % 256);
            content += "\n[Settings]\n=\n\\\n[\n\xff\xfe=\\x\n\"\n";
        } else if (kind == u"huge") {
            content = QByteArray(8 << 20, 'x') + "\n[Settings]\n" + QByteArray(1 << 20, '[');
        } else if (kind == u"beyond the bound") {
            content = "[Settings]\n" + QByteArray(MaxSettingsFileSize - 10, ';');
        } else if (kind == u"fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == u"device link") {
            const QString node = dir.filePath(QStringLiteral("node"));
            if (const QString refusal = orvella::testing::makeDeviceNode(node); !refusal.isEmpty())
                QSKIP(qPrintable(refusal));
            QVERIFY(QFile::link(node, fileName));
        } else if (kind == u"file link") {
            QVERIFY(QFile(dir.filePath(QStringLiteral("kept.conf"))).open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("kept.conf")), fileName));
        }
        if (!content.isEmpty()) {
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), content.size());
        }
        if (kind == u"unwritable folder")
            QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("config")),
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QString before = orvella::testing::describe(fileName);

    FakeDialogs dialogs;
    SettingsStore settings(fileName);
    QVERIFY(orvella::testing::finishesWithin(
        20s,
        [&] {
            const OrdinaryUser user(dir.path());
            RemindOfUpdate(settings, m_today, nullptr);
            RemindOfUpdate(settings, m_today, nullptr);
        },
        fileName));
    QVERIFY(dialogs.questions.isEmpty());
    QCOMPARE(ReadReminderDate(settings), remembers ? m_today : QDate());
    if (!remembers)
        QCOMPARE(orvella::testing::describe(fileName), before);
    if (kind == u"file link")
        QVERIFY(QFileInfo(fileName).isSymLink());
}

void tst_UpdateReminder::qtsOwnSettingsFileCannotBlock()
{
    // Qt's file dialogs read and write QtProject.conf in the configuration folder; a pipe
    // there would hang them.
    QTemporaryDir config;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString qtFile = config.filePath(QStringLiteral("QtProject.conf"));
    QCOMPARE(::mkfifo(QFile::encodeName(qtFile).constData(), 0600), 0);
    const QString before = orvella::testing::describe(qtFile);

    KeepQtSettingsFromBlocking();
    const bool finished = orvella::testing::finishesWithin(
        20s,
        [] {
            QSettings qtSettings(QSettings::UserScope, QStringLiteral("QtProject"));
            qtSettings.setValue(QStringLiteral("FileDialog/lastVisited"), QStringLiteral("/"));
            qtSettings.sync();
        },
        qtFile);
    // The program's own settings stay where they are.
    const QString ownFile = SettingsStore().fileName();
    qputenv("XDG_CONFIG_HOME", oldConfig);
    QVERIFY(finished);
    QCOMPARE(orvella::testing::describe(qtFile), before);
    QCOMPARE(QFileInfo(ownFile).path(), config.path());
}

QTEST_GUILESS_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
