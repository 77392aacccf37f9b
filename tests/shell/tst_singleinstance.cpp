#include "Application.h"
#include "FileSizeLimit.h"
#include "OrdinaryUser.h"
#include "SpecialFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvella;
using orvella::testing::FileSizeLimit;
using orvella::testing::OrdinaryUser;
using namespace std::chrono_literals;

class tst_SingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void secondCopyIsRefused();
    void lockOfAKilledCopyDoesNotBlock_data();
    void lockOfAKilledCopyDoesNotBlock();
    void lockThatNoCopyHoldsDoesNotBlock_data();
    void lockThatNoCopyHoldsDoesNotBlock();
    void privateFolder_data();
    void privateFolder();
    void noSharedFolderWithoutAPrivateOne();
};

namespace {

// A lock file as a running copy writes it: its process id, its name and the host.
bool writeLock(const QString& path, qint64 pid, const QString& application)
{
    QFile lock(path);
    return lock.open(QIODevice::WriteOnly) &&
           lock.write(QByteArray::number(pid) + '\n' + application.toUtf8() + '\n' +
                      QSysInfo::machineHostName().toUtf8() + '\n') > 0;
}

} // namespace

void tst_SingleInstance::initTestCase()
{
    PrepareProcess(); // as the program starts
}

void tst_SingleInstance::secondCopyIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvella.lock"));
    {
        const SingleInstance first(path);
        QVERIFY(first.isFirst());
        const SingleInstance second(path);
        QVERIFY(!second.isFirst());
    }
    // Once the first copy has ended, the next one runs.
    QVERIFY(SingleInstance(path).isFirst());
}

void tst_SingleInstance::lockOfAKilledCopyDoesNotBlock_data()
{
    QTest::addColumn<int>("lockAge"); // seconds since the running copy wrote its lock
    QTest::newRow("fresh lock") << 0;
    // A copy that has run for a while: QLockFile would take its lock for stale after 30 s.
    QTest::newRow("lock older than a minute") << 90;
}

void tst_SingleInstance::lockOfAKilledCopyDoesNotBlock()
{
    QFETCH(int, lockAge);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvella.lock"));

    // A copy killed with SIGKILL leaves its lock file behind, naming a process that is gone.
    QProcess copy;
    copy.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(copy.waitForStarted());
    const qint64 pid = copy.processId();
    QVERIFY(writeLock(path, pid, QStringLiteral("sleep")));
    {
        QFile lock(path);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-lockAge),
                                 QFileDevice::FileModificationTime));
    }
    QVERIFY(!SingleInstance(path).isFirst()); // the copy is still running

    copy.kill();
    QVERIFY(copy.waitForFinished());
    QVERIFY(QFile::exists(path));
    QVERIFY(SingleInstance(path).isFirst());
}

void tst_SingleInstance::lockThatNoCopyHoldsDoesNotBlock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("locked"); // whether the copy then holds the lock itself
    QTest::newRow("no private folder") << "no private folder" << false;
    QTest::newRow("lock path is a directory") << "directory" << false;
    QTest::newRow("folder missing") << "folder missing" << false;
    QTest::newRow("folder without write permission") << "unwritable folder" << false;
    QTest::newRow("empty lock file") << "empty file" << false;
    // QLockFile would wait for a writer for ever to read it.
    QTest::newRow("lock path is a pipe (FIFO)") << "fifo" << false;
    QTest::newRow("file-size limit of 16 bytes") << "size limit" << false;
    QTest::newRow("stale lock naming a live unrelated process") << "unrelated process" << true;
    // The lock of a copy that was killed, in a folder the lock cannot be removed from.
    QTest::newRow("stale lock in a folder without write permission")
        << "dead copy, unwritable" << false;
}

void tst_SingleInstance::lockThatNoCopyHoldsDoesNotBlock()
{
    QFETCH(QString, kind);
    QFETCH(bool, locked);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("orvella.lock"));
    QProcess unrelated;
    if (kind == u"no private folder")
        path.clear();
    else if (kind == u"directory")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("orvella.lock")));
    else if (kind == u"folder missing")
        path = dir.filePath(QStringLiteral("gone/orvella.lock"));
    else if (kind == u"unwritable folder")
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    else if (kind == u"empty file")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    else if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"unrelated process") {
        // A process id reused by another program after the copy that wrote the lock ended.
        unrelated.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(unrelated.waitForStarted());
        QVERIFY(writeLock(path, unrelated.processId(), QStringLiteral("orvella")));
    } else if (kind == u"dead copy, unwritable") {
        QProcess copy;
        copy.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(copy.waitForStarted());
        QVERIFY(writeLock(path, copy.processId(), QStringLiteral("sleep")));
        copy.kill();
        QVERIFY(copy.waitForFinished());
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    std::optional<SingleInstance> copy;
    QVERIFY(orvella::testing::finishesWithin(
        20s,
        [&] {
            const OrdinaryUser user(dir.path());
            // The lock's process id, name and host do not fit: the write fails instead of
            // ending it.
            const FileSizeLimit limit(kind == u"size limit" ? 16 : RLIM_INFINITY);
            copy.emplace(path);
        },
        path));
    QVERIFY(copy->isFirst());
    QCOMPARE(copy->holdsLock(), locked);
    unrelated.kill();
    unrelated.waitForFinished();
}

void tst_SingleInstance::privateFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("isPrivate");
    QTest::newRow("0700, own") << "0700" << true;
    QTest::newRow("0500, own") << "0500" << true; // private; the lock just cannot be taken
    QTest::newRow("0750, readable by the group") << "0750" << false;
    QTest::newRow("0705, readable by others") << "0705" << false;
    QTest::newRow("1777, shared like /tmp") << "1777" << false;
    QTest::newRow("link to a private folder") << "link" << false;
    QTest::newRow("regular file") << "file" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("empty path") << "empty" << false;
    QTest::newRow("another user's folder") << "other user" << false;
}

void tst_SingleInstance::privateFolder()
{
    QFETCH(QString, kind);
    QFETCH(bool, isPrivate);
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("runtime"));
    const QByteArray name = QFile::encodeName(folder);
    bool ok = true;
    if (kind == u"file")
        ok = QFile(folder).open(QIODevice::WriteOnly);
    else if (kind == u"link")
        ok = QFile::link(dir.path(), folder); // QTemporaryDir makes its folder 0700
    else if (kind == u"empty")
        folder.clear();
    else if (kind != u"missing") {
        ok = QDir(dir.path()).mkdir(QStringLiteral("runtime")) &&
             ::chmod(name.constData(), kind == u"other user" ? 0700 : kind.toUInt(nullptr, 8)) == 0;
        if (kind == u"other user") {
            if (::geteuid() != 0)
                QSKIP("Only root can give a folder to another user.");
            ok = ok && ::chown(name.constData(), 65534, 65534) == 0;
        }
    }
    QVERIFY(ok);
    QCOMPARE(IsPrivateFolder(folder), isPrivate);
}

void tst_SingleInstance::noSharedFolderWithoutAPrivateOne()
{
    // Without a usable runtime folder from Qt, no lock: a lock under a fixed name in the shared
    // temporary folder, made by anyone, never stops the program.
    QTemporaryDir temp;
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    const QString notAFolder = temp.filePath(QStringLiteral("not-a-folder"));
    QVERIFY(QFile(notAFolder).open(QIODevice::WriteOnly));
    QVERIFY(QFile::setPermissions(
        temp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                         QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther));
    // Qt's own second choice, <temp>/runtime-<user>, is taken by a file as well.
    const passwd* user = ::getpwuid(::geteuid());
    QVERIFY(user);
    QVERIFY(QFile(temp.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(user->pw_name)))
                .open(QIODevice::WriteOnly));
    QProcess other;
    other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(other.waitForStarted());
    QVERIFY(writeLock(temp.filePath(QStringLiteral("orvella.lock")), other.processId(),
                      QStringLiteral("sleep")));

    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(notAFolder));
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const QString path = SingleInstanceLockPath();
    const SingleInstance copy;
    const auto restore = [](const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    restore("XDG_RUNTIME_DIR", oldRuntime);
    restore("TMPDIR", oldTemp);
    other.kill();
    other.waitForFinished();

    QCOMPARE(path, QString());
    QVERIFY(copy.isFirst());
    QVERIFY(!copy.holdsLock());
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
