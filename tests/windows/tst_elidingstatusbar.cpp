#include "windows/ElidingStatusBar.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ElidingStatusBar : public QObject
{
    Q_OBJECT

private slots:
    // What is kept of a message too long for the bar, and the whole of it as the tooltip.
    void longMessage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("start"); // what the shown text starts with
        QTest::addColumn<QString>("end");   // and ends with
        const QFontMetrics metrics(QApplication::font());
        const QString printed =
            u"Printed 1 calendar to the PDF file /home/someone/Documents/Calendars/Kelvane 2027 "
            "RDO Calendar - Pattern C.pdf (the file holds one copy of each page; 3 copies were "
            "asked for)."_s;
        QTest::newRow("the folders give up their middle")
            << printed << metrics.horizontalAdvance(printed) - 60
            << u"Printed 1 calendar to the PDF file /home/"_s
            << u"/Kelvane 2027 RDO Calendar - Pattern C.pdf (the file holds one copy of each "
               "page; 3 copies were asked for)."_s;
        const QString withoutFolders = u"Printed 1 calendar to the PDF file /…/Kelvane 2027"_s;
        QTest::newRow("then the end goes")
            << printed << metrics.horizontalAdvance(withoutFolders)
            << u"Printed 1 calendar to the PDF file /…/Kelvane"_s << u"…"_s;
        const QString plain = u"Stopped after calendar 3 of 22. Sent 3 calendars to the printer."_s;
        QTest::newRow("no path: the end goes")
            << plain << metrics.horizontalAdvance(plain) / 2 << u"Stopped"_s << u"…"_s;
        QTest::newRow("a message that fits stays whole")
            << plain << metrics.horizontalAdvance(plain) << plain << plain;
    }

    void longMessage()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const QFontMetrics metrics(QApplication::font());
        const QString shown = ElidingStatusBar::Shorten(text, metrics, width);
        QVERIFY2(metrics.horizontalAdvance(shown) <= width, qPrintable(shown));
        QVERIFY2(shown.startsWith(start) && shown.endsWith(end), qPrintable(shown));

        ElidingStatusBar bar;
        bar.showMessage(text);
        QCOMPARE(bar.toolTip(), text);
    }
};

QTEST_MAIN(tst_ElidingStatusBar)
#include "tst_elidingstatusbar.moc"
