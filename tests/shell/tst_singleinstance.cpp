#include "Application.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace orvella;

class tst_SingleInstance : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefused();
    void lockOfAKilledCopyDoesNotBlock();
};

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

void tst_SingleInstance::lockOfAKilledCopyDoesNotBlock()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvella.lock"));

    // A copy killed with SIGKILL leaves its lock file behind, naming a process that is gone.
    QProcess copy;
    copy.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(copy.waitForStarted());
    const qint64 pid = copy.processId();
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nsleep\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QVERIFY(!SingleInstance(path).isFirst()); // the copy is still running

    copy.kill();
    QVERIFY(copy.waitForFinished());
    QVERIFY(QFile::exists(path));
    QVERIFY(SingleInstance(path).isFirst());
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
