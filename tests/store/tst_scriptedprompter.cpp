#include "ScriptedPrompter.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The tests' prompter must fail a test that meets a question it did not script.
class TestScriptedPrompter : public QObject
{
    Q_OBJECT

    // Rows that are not a message box.
    static constexpr int Input = -1;
    static constexpr int Choice = -2;

private slots:
    void unscriptedQuestionFails_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("scripted");
        QTest::addColumn<bool>("read");
        QTest::addColumn<bool>("fails");
        const int ok = int(Prompter::Buttons::Ok);
        const int yesNo = int(Prompter::Buttons::YesNo);
        QTest::newRow("yes/no unscripted") << yesNo << false << true << true;
        QTest::newRow("yes/no scripted") << yesNo << true << false << false;
        QTest::newRow("input unscripted") << Input << false << true << true;
        QTest::newRow("input scripted") << Input << true << false << false;
        QTest::newRow("choice unscripted") << Choice << false << true << true;
        QTest::newRow("choice scripted") << Choice << true << false << false;
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
            if (buttons == Choice) {
                if (scripted)
                    prompter.queueChoice(0);
                // Unscripted, the last button: a question asked again on its first button
                // would never end.
                QCOMPARE(prompter.choose(u"Save?"_s, u"Kelvane"_s, {u"Again"_s, u"Quit"_s}),
                         scripted ? 0 : 1);
            } else if (buttons == Input) {
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
