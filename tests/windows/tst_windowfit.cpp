#include "windows/WindowFit.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_WindowFit : public QObject
{
    Q_OBJECT

private slots:
    // Every screen class at every scale: the frame inside the free area (under a 24-pixel
    // panel), the window as large as it wants or as the area allows, and centred.
    void placement_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<int>("raise");
        QTest::addColumn<bool>("fits");
        const QList<QSize> screens = {{1024, 768}, {1366, 768}, {1920, 1080}};
        const QList<double> scales = {1.0, 1.25, 1.5, 2.0};
        struct Window
        {
            const char* name;
            QSize wanted;
            int raise;
        };
        const QList<Window> windows = {{"main", {1163, 795}, 0}, {"month", {728, 566}, 5}};
        for (const QSize& screen : screens) {
            for (double scale : scales) {
                const QSize logical(qRound(screen.width() / scale),
                                    qRound(screen.height() / scale));
                const QRect available(0, 24, logical.width(), logical.height() - 24);
                for (const Window& window : windows) {
                    const bool fits = window.wanted.width() + 4 <= available.width() &&
                                      window.wanted.height() + 24 <= available.height();
                    QTest::addRow("%dx%d@%g %s", screen.width(), screen.height(), scale,
                                  window.name)
                        << available << window.wanted << window.raise << fits;
                }
            }
        }
    }

    void placement()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, wanted);
        QFETCH(int, raise);
        QFETCH(bool, fits);
        const QMargins frame(2, 22, 2, 2);
        const QRect placed = WindowFit::Place(wanted, available, frame, raise);
        const QRect outer = placed.marginsAdded(frame);
        QVERIFY2(available.contains(outer), qPrintable(u"%1,%2 %3x%4"_s.arg(outer.x())
                                                           .arg(outer.y())
                                                           .arg(outer.width())
                                                           .arg(outer.height())));
        if (fits) {
            QCOMPARE(placed.size(), wanted);
            QVERIFY(qAbs(outer.center().x() - available.center().x()) <= 1);
            QVERIFY(qAbs(outer.center().y() + raise - available.center().y()) <= 1 ||
                    outer.top() == available.top());
        } else {
            // Too large: it takes the whole free area in the direction it does not fit.
            QVERIFY(placed.width() == wanted.width() || outer.width() == available.width());
            QVERIFY(placed.height() == wanted.height() || outer.height() == available.height());
            QVERIFY(placed.width() < wanted.width() || placed.height() < wanted.height());
        }
    }

    // A place from an earlier run moved back inside the free area, frame and title bar too,
    // from whichever side it lies outside; only a window larger than the area gets smaller.
    void insideKeepsTheFrameInside_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::newRow("inside") << QRect(100, 200, 400, 300);
        QTest::newRow("above the free area") << QRect(100, 10, 400, 300);
        QTest::newRow("left of it") << QRect(-50, 200, 400, 300);
        QTest::newRow("right of it") << QRect(900, 200, 400, 300);
        QTest::newRow("below it") << QRect(100, 700, 400, 300);
        QTest::newRow("larger than it") << QRect(0, 0, 2000, 1000);
    }

    void insideKeepsTheFrameInside()
    {
        QFETCH(QRect, client);
        const QRect available(0, 24, 1024, 744);
        const QMargins frame(2, 22, 2, 2);
        const QRect kept = WindowFit::Inside(client, available, frame);
        QVERIFY(available.contains(kept.marginsAdded(frame)));
        if (available.contains(client.marginsAdded(frame)))
            QCOMPARE(kept, client);
        else if (client.width() <= 1020 && client.height() <= 720)
            QCOMPARE(kept.size(), client.size());
    }
};

QTEST_APPLESS_MAIN(tst_WindowFit)
#include "tst_windowfit.moc"
