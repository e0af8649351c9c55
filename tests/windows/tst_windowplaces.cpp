#include "windows/WindowFit.h"
#include "windows/WindowPlaces.h"

#include <QDataStream>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// A place as QWidget::saveGeometry() writes it (its third version): frame, normal rectangle,
// screen, states, screen width, client.
QByteArray geometry(const QRect& outer, const QRect& inner)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << outer << inner << qint32(0)
           << quint8(0) << quint8(0) << qint32(800) << inner;
    return bytes;
}

} // namespace

class tst_WindowPlaces : public QObject
{
    Q_OBJECT

private slots:
    // A place from the settings file may be anything: the window still opens inside the
    // screen's free area, frame and all, and at least at its smallest size. (The frames saved
    // are the likely one, which the check goes by.)
    void hostilePlaceGivesAWindowInside_data()
    {
        QTest::addColumn<QByteArray>("saved");
        constexpr int Most = std::numeric_limits<int>::max();
        constexpr int Least = std::numeric_limits<int>::min();
        const QRect client(100, 100, 400, 300);
        QTest::newRow("huge frame")
            << geometry(QRect(QPoint(Least, Least), QPoint(Most, Most)), client);
        QTest::newRow("frame far off")
            << geometry(QRect(-90000, -90000, 400, 300), QRect(-89996, -89968, 392, 264));
        QTest::newRow("inverted frame") << geometry(QRect(QPoint(900, 700), QPoint(100, 100)),
                                                    QRect(QPoint(880, 680), QPoint(120, 130)));
        QTest::newRow("frame wider than the screen")
            << geometry(QRect(-5000, 0, 12000, 400), QRect(100, 30, 400, 300));
        QTest::newRow("client huge")
            << geometry(QRect(-1, -30, Most, Most), QRect(0, 0, Most - 2, Most - 31));
        QTest::newRow("client tiny, off-screen")
            << geometry(QRect(4996, 4968, 18, 46), QRect(5000, 5000, 10, 10));
        QTest::newRow("cut short") << geometry(QRect(96, 70, 408, 334), client).left(30);
    }

    void hostilePlaceGivesAWindowInside()
    {
        QFETCH(QByteArray, saved);
        QWidget window;
        window.setMinimumSize(325, 202);
        WindowFit::Apply(&window, QSize(500, 400));
        WindowPlaces places;
        places.setPlaces({{u"w"_s, saved}});
        places.keep(&window, u"w"_s);
        const QRect area = window.screen()->availableGeometry();
        const QRect outer = window.geometry().marginsAdded(WindowFit::LikelyFrame(&window));
        QVERIFY2(area.contains(outer), qPrintable(u"%1,%2 %3x%4"_s.arg(outer.x())
                                                      .arg(outer.y())
                                                      .arg(outer.width())
                                                      .arg(outer.height())));
        QVERIFY(window.width() >= 325 && window.height() >= 202);
    }
};

QTEST_MAIN(tst_WindowPlaces)
#include "tst_windowplaces.moc"
