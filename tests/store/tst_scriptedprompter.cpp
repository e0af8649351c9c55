#include "ScriptedPrompter.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The tests' prompter must fail a test that meets a question it did not script.
class TestScriptedPrompter : public QObject
{
    Q_OBJECT

private slots:
    void unscriptedQuestionFails_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("scripted");
        QTest::addColumn<bool>("read");
        QTest::addColumn<bool>("fails");
        const int ok = int(Prompter::Buttons::Ok);
        const int yesNo = int(Prompter::Buttons::YesNo);
        const int input = -1;
        QTest::newRow("yes/no unscripted") << yesNo << false << true << true;
        QTest::newRow("yes/no scripted") << yesNo << true << false << false;
        QTest::newRow("input unscripted") << input << false << true << true;
        QTest::newRow("input scripted") << input << true << false << false;
        QTest::newRow("ok never read") << ok << false << false << true;
        QTest::newRow("ok read") << ok << false << true << false;
        QTest::newRow("ok scripted") << ok << true << false << false;
    }
    void unscriptedQuestionFails()
    {
        QFETCH(int, buttons);
        QFETCH(bool, scripted);
        QFETCH(bool, read);
        QFETCH(bool, fails);
        {
            ScriptedPrompter prompter;
            if (buttons < 0) {
                if (scripted)
                    prompter.queueInput(u"typed"_s);
                prompter.input(u"Note?"_s, u"Month"_s, u"proposal"_s);
            } else {
                if (scripted)
                    prompter.queueAnswer(Prompter::Answer::Ok);
                prompter.message(u"Sure?"_s, u"Print"_s, Prompter::Buttons(buttons));
            }
            if (read)
                QCOMPARE(prompter.shown().size(), 1);
        }
        if (fails)
            QEXPECT_FAIL("", "an unscripted question fails the test", Continue);
        ScriptedPrompter::VerifyAllScripted();
    }
};

QTEST_GUILESS_MAIN(TestScriptedPrompter)
#include "tst_scriptedprompter.moc"
