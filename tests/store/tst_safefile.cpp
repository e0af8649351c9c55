#include "store/SafeFile.h"

#include "CalendarFixture.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

namespace {

enum class Node
{
    File,
    Fifo,
    NullDevice,
    FullDevice,
    LinkToDevice,
    Folder
};

enum class Reader
{
    None,
    Reads,
    Leaves // opens the FIFO, then closes it before anything is written
};

// What a name is: its own type and inode, and the type and device number it leads to.
QByteArray Identity(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat own = {};
    struct stat led = {};
    if (::lstat(name.constData(), &own) != 0 || ::stat(name.constData(), &led) != 0)
        return {};
    return QByteArray::number(own.st_mode) + ' ' + QByteArray::number(own.st_ino) + ' ' +
           QByteArray::number(led.st_mode) + ' ' + QByteArray::number(led.st_rdev);
}

QByteArray ReadToEnd(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, count);
    ::close(fd);
    return bytes;
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void outputs_data()
    {
        QTest::addColumn<Node>("node");
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QString>("error"); // empty when the write succeeds
        QTest::newRow("regular file") << Node::File << Reader::None << QString();
        QTest::newRow("FIFO with a reader") << Node::Fifo << Reader::Reads << QString();
        QTest::newRow("FIFO with no reader")
            << Node::Fifo << Reader::None << u"no one is reading the FIFO"_s;
        QTest::newRow("FIFO whose reader left") << Node::Fifo << Reader::Leaves << u"Broken pipe"_s;
        QTest::newRow("character device") << Node::NullDevice << Reader::None << QString();
        QTest::newRow("full device")
            << Node::FullDevice << Reader::None << u"No space left on device"_s;
        QTest::newRow("link to a device") << Node::LinkToDevice << Reader::None << QString();
        QTest::newRow("folder") << Node::Folder << Reader::None
                                << u"Filename refers to a directory"_s;
    }

    // Whatever the target is, it is still that afterwards: only a regular file is replaced,
    // and a device or FIFO gets every byte or a named failure.
    void outputs()
    {
        QFETCH(Node, node);
        QFETCH(Reader, reader);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString target = dir.filePath(u"out"_s);
        const QByteArray name = QFile::encodeName(target);
        const QByteArray device = QFile::encodeName(dir.filePath(u"device"_s));
        switch (node) {
        case Node::File:
            WriteFile(target, "the old file\n");
            break;
        case Node::Fifo:
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
            break;
        case Node::NullDevice:
        case Node::FullDevice:
        case Node::LinkToDevice: {
            const dev_t number = makedev(1, node == Node::FullDevice ? 7 : 3);
            if (::mknod(device.constData(), S_IFCHR | 0600, number) != 0)
                QSKIP("making a device needs root");
            const int probe = ::open(device.constData(), O_WRONLY);
            if (probe < 0)
                QSKIP("devices do not work in the temporary folder");
            ::close(probe);
            if (node == Node::LinkToDevice)
                QCOMPARE(::symlink("device", name.constData()), 0);
            else
                QCOMPARE(::rename(device.constData(), name.constData()), 0);
            break;
        }
        case Node::Folder:
            QVERIFY(QDir().mkdir(target));
            break;
        }
        const QByteArray identity = Identity(target);
        const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);
        int readEnd = -1;
        if (reader != Reader::None) {
            readEnd = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
            QVERIFY(readEnd >= 0);
            QCOMPARE(::fcntl(readEnd, F_SETFL, 0), 0);
        }
        // More than a FIFO holds, in several writes.
        QByteArray bytes;
        for (int i = 0; bytes.size() < 200 * 1024; ++i)
            bytes += "line " + QByteArray::number(i) + '\n';

        SafeFile file(target);
        const bool opened = file.open();
        std::future<QByteArray> received;
        if (reader == Reader::Reads)
            received = std::async(std::launch::async, ReadToEnd, readEnd);
        else if (reader == Reader::Leaves)
            ::close(readEnd);
        const bool written = opened && file.write(bytes) && file.commit();

        if (error.isEmpty()) {
            QVERIFY2(written, qPrintable(file.error()));
        } else {
            QVERIFY(!written);
            QVERIFY2(file.error().startsWith(u"cannot write "_s + target) &&
                         file.error().endsWith(error),
                     qPrintable(file.error()));
        }
        if (reader == Reader::Reads)
            QCOMPARE(received.get(), bytes);
        if (node == Node::File)
            QCOMPARE(ReadFile(target), bytes);
        else
            QCOMPARE(Identity(target), identity);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), entries);
    }

    // The last bytes of a small file reach the disk at the final flush: when that fails (here
    // at a file size limit, which needs no root), the old file stays.
    void failedFinalFlushKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"settings.ini"_s);
        WriteFile(path, "the old file\n");
        bool written = false;
        QString error;
        {
            struct sigaction ignore = {};
            struct sigaction signalBefore = {};
            ignore.sa_handler = SIG_IGN;
            QCOMPARE(::sigaction(SIGXFSZ, &ignore, &signalBefore), 0);
            rlimit limitBefore = {};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limitBefore), 0);
            const auto restore = qScopeGuard([&] {
                ::setrlimit(RLIMIT_FSIZE, &limitBefore);
                ::sigaction(SIGXFSZ, &signalBefore, nullptr);
            });
            const rlimit small = {4, limitBefore.rlim_max};
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            written = SafeFile::Write(path, "more than four bytes\n", &error);
        }
        QVERIFY(!written);
        QVERIFY2(error.endsWith(u"File too large"_s), qPrintable(error));
        QCOMPARE(ReadFile(path), QByteArray("the old file\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"settings.ini"_s});
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
