#include "store/CommonRotas.h"
#include "store/OwnRotaFile.h"
#include "store/OwnRotaFolder.h"

#include "CalendarFixture.h"
#include "RotaFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using CalendarFixture::WriteFile;

class TestOwnRotaFile : public QObject
{
    Q_OBJECT

private slots:
    // One line each, and a FIFO is never waited on.
    void refusedFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << u"missing"_s << u"%1: no such file"_s;
        QTest::newRow("empty") << u"empty"_s << u"%1:1: the file is empty"_s;
        QTest::newRow("10 MB") << u"large"_s << u"%1: larger than 64 KiB"_s;
        QTest::newRow("folder") << u"folder"_s << u"%1: not a regular file"_s;
        QTest::newRow("FIFO") << u"fifo"_s << u"%1: not a regular file"_s;
    }

    void refusedFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"four.rota"_s);
        if (kind == u"empty"_s)
            WriteFile(path, {});
        else if (kind == u"large"_s)
            WriteFile(path, RotaFiles::FourOnFourOff + QByteArray(10 * 1024 * 1024, '#'));
        else if (kind == u"folder"_s)
            QVERIFY(QDir().mkdir(path));
        else if (kind == u"fifo"_s)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const OwnRotaFile::Loaded loaded = OwnRotaFile::Load(path);
        QVERIFY(!loaded.rota);
        QCOMPARE(loaded.error, error.arg(path));
    }

    // Saved under a name of their own, listed in file-name order with the refused ones, and read
    // back as they were saved.
    void folderOfRotas()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"rotas"_s);
        const std::shared_ptr<const OwnRota> four = RotaFiles::Parsed(RotaFiles::FourOnFourOff);
        QVERIFY(four);
        const QString first = OwnRotaFolder::NewFilePath(folder, four->name);
        QCOMPARE(first, folder + u"/four-on-four-off.rota"_s);
        QString error;
        QVERIFY2(OwnRotaFile::Save(first, *four, &error), qPrintable(error));
        const QString second = OwnRotaFolder::NewFilePath(folder, four->name);
        QCOMPARE(second, folder + u"/four-on-four-off-2.rota"_s);
        QVERIFY(OwnRotaFile::Save(second, *four));
        WriteFile(folder + u"/broken.rota"_s, "name = Broken\n");
        WriteFile(folder + u"/notes.txt"_s, "not a rota");

        const QList<OwnRotaFolder::Entry> entries = OwnRotaFolder::List(folder);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].path, folder + u"/broken.rota"_s);
        QCOMPARE(entries[0].loaded.error, folder + u"/broken.rota:1: start is missing"_s);
        QCOMPARE(entries[1].path, second); // "-" sorts before "."
        QVERIFY(entries[1].loaded.rota && entries[2].loaded.rota);
        QCOMPARE(*entries[1].loaded.rota, *four);
        QCOMPARE(*entries[2].loaded.rota, *four);
    }

    // The first folder holding common rotas is the one listed, refused files left out; a copy
    // keeps the file's bytes, never replaces a file and can be edited though the source cannot.
    void commonRotasAreCopied()
    {
        QTemporaryDir dir;
        const QString empty = dir.filePath(u"empty"_s);
        const QString installed = dir.filePath(u"share/kelvane/rotas"_s);
        QVERIFY(QDir().mkpath(empty) && QDir().mkpath(installed));
        const QByteArray four = "# crews\n" + RotaFiles::FourOnFourOff;
        WriteFile(installed + u"/four-on-four-off.rota"_s, four);
        WriteFile(installed + u"/broken.rota"_s, "name = Broken\n");
        QFile::setPermissions(installed + u"/four-on-four-off.rota"_s, QFile::ReadOwner);
        const QList<OwnRotaFolder::Entry> common = CommonRotas::List({empty, installed});
        QCOMPARE(common.size(), 1);
        QCOMPARE(common.first().loaded.rota->name, u"Four On Four Off"_s);

        const QString mine = dir.filePath(u"data/rotas"_s);
        const QStringList expected{u"four-on-four-off.rota"_s, u"four-on-four-off-2.rota"_s};
        for (const QString& name : expected) {
            QString error;
            const std::optional<QString> copy = CommonRotas::CopyInto(mine, common.first(), &error);
            QVERIFY2(copy, qPrintable(error));
            QCOMPARE(*copy, QDir(mine).filePath(name));
            QVERIFY(QFile::permissions(*copy) & QFile::WriteOwner);
            QFile file(*copy);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), four);
        }
        QVERIFY(CommonRotas::Folders().first().endsWith(u"/share/kelvane/rotas"_s));
    }
};

QTEST_GUILESS_MAIN(TestOwnRotaFile)
#include "tst_ownrotafile.moc"
