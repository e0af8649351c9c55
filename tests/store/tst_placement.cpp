#include "CalendarFixture.h"
#include "ScriptedPrompter.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/DatabasePlacement.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ScriptedPrompter::VerifyAllScripted(); }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        for (const QString& folder : {u"start"_s, u"exe"_s, u"share"_s})
            QVERIFY(QDir().mkpath(m_root->filePath(folder)));
    }

    void workingCopyPresent()
    {
        QVERIFY(QDir().mkpath(folders().dataFolder));
        MakeDatabase(folders().dataFolder);
        MakeDatabase(m_root->filePath(u"start"_s));
        AppState state;
        ScriptedPrompter prompter;
        const PlacementResult result = DatabasePlacement::Place(state, prompter, folders());
        QVERIFY(result.attached);
        QVERIFY(result.problem.isEmpty());
        QCOMPARE(result.databasePath, working());
        QCOMPARE(state.DatabasePath, working());
        QVERIFY(prompter.shown().isEmpty());
    }

    void copiedOnceFromTheFirstUsableSource()
    {
        WriteFile(source(u"start"_s), "not a database"); // skipped: copying it would be useless
        MakeDatabase(m_root->filePath(u"exe"_s));
        QVERIFY(AddVacation(source(u"exe"_s), 2024, 1, 1, u"template"_s));
        MakeDatabase(m_root->filePath(u"share"_s));
        const QByteArray startBytes = Fingerprint(source(u"start"_s));

        AppState state;
        ScriptedPrompter prompter;
        QVERIFY(DatabasePlacement::Place(state, prompter, folders()).attached);
        QCOMPARE(Fingerprint(working()), Fingerprint(source(u"exe"_s)));
        QCOMPARE(Fingerprint(source(u"start"_s)), startBytes);

        // Next run: the working copy (with the user's entries) is used as it is.
        QVERIFY(AddVacation(working(), 2024, 2, 2, u"mine"_s));
        const QByteArray workingBytes = Fingerprint(working());
        AppState nextRun;
        QVERIFY(DatabasePlacement::Place(nextRun, prompter, folders()).attached);
        QCOMPARE(Fingerprint(working()), workingBytes);
        QVERIFY(prompter.shown().isEmpty());
    }

    void reminderWhenNothingIsFound_data()
    {
        QTest::addColumn<Prompter::Answer>("answer");
        QTest::addColumn<int>("noDatabase");
        QTest::addColumn<int>("shownNextRun");
        QTest::addColumn<bool>("folderUnwritable");
        QTest::newRow("Yes") << Prompter::Answer::Yes << 0 << 1 << false;
        QTest::newRow("No") << Prompter::Answer::No << 1 << 0 << false;
        // A source exists but the copy cannot be made: handled like a missing file.
        QTest::newRow("copy fails") << Prompter::Answer::Yes << 0 << 1 << true;
    }

    void reminderWhenNothingIsFound()
    {
        QFETCH(Prompter::Answer, answer);
        QFETCH(int, noDatabase);
        QFETCH(int, shownNextRun);
        QFETCH(bool, folderUnwritable);
        PlacementFolders where = folders();
        if (folderUnwritable) {
            MakeDatabase(m_root->filePath(u"share"_s));
            WriteFile(m_root->filePath(u"blocked"_s), "a file, not a folder");
            where.dataFolder = m_root->filePath(u"blocked/Kelvane"_s);
        }
        const QString expectedPath = QDir(where.dataFolder).filePath(u"Quenbrook.mdb"_s);

        AppState state;
        ScriptedPrompter prompter;
        prompter.queueAnswer(answer);
        const PlacementResult result = DatabasePlacement::Place(state, prompter, where);
        QVERIFY(!result.attached);
        QVERIFY(result.problem.isEmpty());
        QCOMPARE(state.DatabasePath, expectedPath); // the same text whether or not it exists
        QVERIFY(!QFileInfo::exists(expectedPath));
        QCOMPARE(prompter.shown().size(), 1);
        const auto& shown = prompter.shown().constFirst();
        QCOMPARE(shown.title, u"DO YOU WANT TO SEE THIS REMINDER AGAIN?"_s);
        QCOMPARE(shown.buttons, Prompter::Buttons::YesNo);
        QCOMPARE(shown.text, u"I had trouble copying the file Quenbrook.mdb\n\r"
                             "from the folder that you originally got this program from.\n\r"
                             "If you want to save the information on the calendar\n\r"
                             "from month to month, get a copy of this file and put it\n\r"
                             "in your Windows folder.\n\r"
                             "CLICK NO TO SKIP THIS MESSAGE IN THE FUTURE!"_s);
        QCOMPARE(int(state.NoDatabase), noDatabase);

        prompter.clear();
        if (shownNextRun > 0)
            prompter.queueAnswer(answer);
        DatabasePlacement::Place(state, prompter, where); // next run, same stored flag
        QCOMPARE(prompter.shown().size(), shownNextRun);
    }

    void damagedWorkingCopyIsReportedAndLeftAlone()
    {
        QVERIFY(QDir().mkpath(folders().dataFolder));
        WriteFile(working(), "SQLite format 3\0 but cut short"_ba);
        MakeDatabase(m_root->filePath(u"start"_s));
        const QByteArray before = Fingerprint(working());

        AppState state;
        ScriptedPrompter prompter;
        const PlacementResult result = DatabasePlacement::Place(state, prompter, folders());
        QVERIFY(!result.attached);
        QVERIFY2(result.problem.contains(u"left unchanged"_s) && !result.problem.contains(u'\n'),
                 qPrintable(result.problem));
        QVERIFY(prompter.shown().isEmpty());
        QCOMPARE(state.NoDatabase, qint16(0));
        QVERIFY(!DatabasePlacement::Recover(state, prompter, folders()));
        QVERIFY(prompter.shown().isEmpty());
        QCOMPARE(Fingerprint(working()), before);
    }

    void journalLeftByACrashIsRolledBack()
    {
        QVERIFY(QDir().mkpath(folders().dataFolder));
        MakeDatabase(folders().dataFolder);
        QVERIFY(AddVacation(working(), 2024, 1, 1, u"mine"_s));
        LeaveHotJournal(working());
        QVERIFY(QFileInfo(working() + u"-journal"_s).size() > 0);

        AppState state;
        ScriptedPrompter prompter;
        const PlacementResult result = DatabasePlacement::Place(state, prompter, folders());
        QVERIFY2(result.attached && result.problem.isEmpty(), qPrintable(result.problem));
        QVERIFY(prompter.shown().isEmpty());
        QVERIFY(!QFileInfo::exists(working() + u"-journal"_s));
        QCOMPARE(Scalar(working(), u"PRAGMA integrity_check"_s).toString(), u"ok"_s);
        QCOMPARE(Scalar(working(), u"SELECT group_concat(\"Type\") FROM \"Vacation\""_s).toString(),
                 u"mine"_s);
    }

    void recoverCopiesOnlyWhenMissing()
    {
        AppState state;
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer::No);
        QVERIFY(!DatabasePlacement::Recover(state, prompter, folders()));
        QCOMPARE(prompter.shown().size(), 1);
        QCOMPARE(state.NoDatabase, qint16(1));

        // The template appears later (the user followed the reminder): the next recovery copies it.
        MakeDatabase(m_root->filePath(u"start"_s));
        QVERIFY(DatabasePlacement::Recover(state, prompter, folders()));
        QCOMPARE(state.DatabasePath, working());
        CalendarDatabase db;
        QVERIFY(db.open(working()));
        QCOMPARE(prompter.shown().size(), 1);
    }

private:
    PlacementFolders folders() const
    {
        return {m_root->filePath(u"data/Kelvane"_s),
                {m_root->filePath(u"start"_s), m_root->filePath(u"exe"_s),
                 m_root->filePath(u"share"_s)}};
    }
    QString working() const { return m_root->filePath(u"data/Kelvane/Quenbrook.mdb"_s); }
    QString source(const QString& folder) const
    {
        return m_root->filePath(folder + u"/Quenbrook.mdb"_s);
    }

    std::unique_ptr<QTemporaryDir> m_root;
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
