#include "CalendarFixture.h"
#include "ScriptedPrompter.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/ColorText.h"
#include "vacations/frmInputVacations.h"
#include "windows/PlaceholderTableView.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Prompter::Answer)

namespace {

template <typename T> T* control(QWidget* window, const char* name)
{
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

struct Controls
{
    explicit Controls(QWidget* w)
        : type(control<QLineEdit>(w, "txtType")), month(control<QLineEdit>(w, "txtMonth")),
          day(control<QLineEdit>(w, "txtDay")), year(control<QLineEdit>(w, "txtYear")),
          color(control<QLineEdit>(w, "txtColor")), swatch(control<QFrame>(w, "Frame1")),
          grid(control<QTableView>(w, "DBGrid1")), next(control<QPushButton>(w, "cmdNext")),
          update(control<QPushButton>(w, "cmdUpdate")),
          remove(control<QPushButton>(w, "cmdDelete")), back(control<QPushButton>(w, "cmdReturn"))
    {
    }
    QLineEdit *type, *month, *day, *year, *color;
    QFrame* swatch;
    QTableView* grid;
    QPushButton *next, *update, *remove, *back;

    QColor swatchColour() const { return swatch->palette().color(QPalette::Window); }
    QStringList fields() const
    {
        return {type->text(), month->text(), day->text(), year->text(), color->text()};
    }
};

// Clicks into the field, replaces its text by typing, as a user would.
void typeInto(QLineEdit* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void clickGridRow(QTableView* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Plain SQL on its own connection, so the test sees what really is in the file.
QStringList runSql(const QString& path, const QString& statement, const QVariantList& values = {})
{
    QStringList rows;
    const QString name = u"tst-direct"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open test database");
        QSqlQuery query(db);
        query.prepare(statement);
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec())
            qFatal("statement failed");
        while (query.next()) {
            QStringList columns;
            for (int i = 0; i < query.record().count(); ++i)
                columns << (query.value(i).isNull() ? u"-"_s : query.value(i).toString());
            rows << columns.join(u'|');
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

void insertEntry(const QString& path, const QVariant& month, int day, const QString& type,
                 const QString& colour)
{
    runSql(path,
           u"INSERT INTO Vacation (Year, Month, Day, Type, Color) VALUES (2024, ?, ?, ?, ?)"_s,
           {month, day, type, colour});
}

// Month/Day/Year|Type|Color of every stored record, in the order stored.
QStringList stored(const QString& path)
{
    return runSql(path, u"SELECT Month || '/' || Day || '/' || Year, Type, Color FROM Vacation "
                        "ORDER BY rowid"_s);
}

} // namespace

class tst_frmInputVacations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void emptyYearStartsNewRecord();
    void entryDate_data();
    void entryDate();
    void typeIsUpperCasedAsTyped();
    void deletingOnlyRecordLeavesNewRecord();
    void colourCycle();
    void selectedRecordColourBecomesNextColour();
    void fieldChecksOnLeaving_data();
    void fieldChecksOnLeaving();
    void pendingEditsAreStored_data();
    void pendingEditsAreStored();
    void closingChecksFieldBeingTyped();
    void impossibleDateIsNeverStored_data();
    void impossibleDateIsNeverStored();
    void closingWithoutADate_data();
    void closingWithoutADate();
    void emptyListSaysWhereEntriesAre_data();
    void emptyListSaysWhereEntriesAre();
    void opensWithCaretInType();
    void accessKeysCheckTheFocusedField_data();
    void accessKeysCheckTheFocusedField();
    void returnPressesTheFocusedButton();
    void storeFailureKeepsEntry();
    void editOfEntryDeletedByAnotherCopy_data();
    void editOfEntryDeletedByAnotherCopy();
    void unusableDatabase_data();
    void unusableDatabase();
    void layoutIsReadable();

private:
    Controls openWindow();
    QStringList messages() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    AppState m_state;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<frmInputVacations> m_window;
};

void tst_frmInputVacations::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(CalendarDatabase::FileName());
    QVERIFY(CalendarDatabase::CreateTemplate(m_path));
    m_state = AppState{};
    m_state.DatabasePath = m_path;
    m_prompter = std::make_unique<ScriptedPrompter>();
}

void tst_frmInputVacations::cleanup()
{
    m_window.reset();
    m_prompter.reset();
    m_dir.reset();
    ScriptedPrompter::VerifyAllScripted();
}

Controls tst_frmInputVacations::openWindow()
{
    m_window = std::make_unique<frmInputVacations>(u"2024"_s, m_state, *m_prompter);
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qFatal("window did not become active");
    return Controls(m_window.get());
}

// "text / title" of every message shown so far.
QStringList tst_frmInputVacations::messages() const
{
    QStringList shown;
    for (const auto& prompt : m_prompter->shown())
        shown << prompt.text + u" / "_s + prompt.title;
    return shown;
}

void tst_frmInputVacations::emptyYearStartsNewRecord()
{
    // Blank records of the year go at load; another year's entry stays but is not listed.
    insertEntry(m_path, {}, 5, u"V"_s, u"180, 255, 180"_s);
    insertEntry(m_path, 0, 6, u"V"_s, u"180, 255, 180"_s);
    runSql(m_path, u"INSERT INTO Vacation (Year, Month, Day, Type, Color) "
                   "VALUES (2023, 3, 1, 'B', '180, 180, 255')"_s);
    const Controls c = openWindow();
    QCOMPARE(stored(m_path), QStringList{u"3/1/2023|B|180, 180, 255"_s});
    QCOMPARE(c.fields(), QStringList({{}, {}, {}, u"2024"_s, u"255, 255, 100"_s}));
    QCOMPARE(c.swatchColour(), QColor(255, 255, 100));
    QCOMPARE(QApplication::focusWidget(), c.type);
    QCOMPARE(c.grid->model()->rowCount(), 0);
    QVERIFY(messages().isEmpty());
}

void tst_frmInputVacations::entryDate_data()
{
    QTest::addColumn<bool>("enterKey"); // else the Next button
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("storedYear"); // the year as the date check read it
    for (const bool enter : {false, true}) {
        const auto row = [enter](const char* name) {
            return &QTest::newRow(
                qPrintable((enter ? u"Enter, "_s : u"Next, "_s) + QString::fromLatin1(name)));
        };
        *row("Feb 30") << enter << u"2"_s << u"30"_s << u"2024"_s << false << u"2024"_s;
        *row("Feb 29 common year") << enter << u"2"_s << u"29"_s << u"2023"_s << false << u"2023"_s;
        *row("fractional month") << enter << u"1.5"_s << u"3"_s << u"2024"_s << false << u"2024"_s;
        *row("no day") << enter << u"5"_s << QString() << u"2024"_s << false << u"2024"_s;
        *row("Feb 29 leap year") << enter << u"2"_s << u"29"_s << u"2024"_s << true << u"2024"_s;
        *row("Dec 31") << enter << u"12"_s << u"31"_s << u"2024"_s << true << u"2024"_s;
        *row("Feb 29 of a two-digit leap year")
            << enter << u"2"_s << u"29"_s << u"96"_s << true << u"1996"_s;
        *row("two-digit year") << enter << u"3"_s << u"14"_s << u"26"_s << true << u"2026"_s;
        *row("Feb 29 of a two-digit common year")
            << enter << u"2"_s << u"29"_s << u"30"_s << false << u"1930"_s;
    }
}

void tst_frmInputVacations::entryDate()
{
    QFETCH(bool, enterKey);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(bool, valid);
    QFETCH(QString, storedYear);
    const Controls c = openWindow();
    typeInto(c.type, u"v"_s);
    typeInto(c.month, month);
    typeInto(c.year, year);
    typeInto(c.day, day);
    if (enterKey)
        QTest::keyClick(c.day, Qt::Key_Return);
    else
        QTest::mouseClick(c.next, Qt::LeftButton);

    if (valid) {
        QVERIFY(messages().isEmpty());
        QCOMPARE(stored(m_path),
                 QStringList{month + u'/' + day + u'/' + storedYear + u"|V|255, 255, 100"_s});
        QCOMPARE(c.fields(), QStringList({{}, {}, {}, u"2024"_s, u"255, 255, 100"_s}));
        QCOMPARE(QApplication::focusWidget(), c.type);
        // The entry just stored stays listed until the list is read again, whatever its year.
        QCOMPARE(c.grid->model()->rowCount(), 1);
        return;
    }
    QVERIFY(stored(m_path).isEmpty());
    QCOMPARE(QApplication::focusWidget(), c.day);
    if (enterKey) {
        // Enter on an incomplete or impossible date leaves everything as it was.
        QVERIFY(messages().isEmpty());
        QCOMPARE(c.fields(), QStringList({u"V"_s, month, day, year, u"255, 255, 100"_s}));
    } else {
        QCOMPARE(messages(), QStringList{u"Not a date! / ERROR! Enter a valid date!"_s});
        QCOMPARE(c.fields(), QStringList({u"V"_s, month, {}, year, u"255, 255, 100"_s}));
    }
}

void tst_frmInputVacations::typeIsUpperCasedAsTyped()
{
    const Controls c = openWindow();
    QTest::keyClicks(c.type, u"vx"_s);
    QTest::keyClick(c.type, Qt::Key_Home);
    QTest::keyClicks(c.type, u"e"_s);
    QCOMPARE(c.type->text(), u"EVX"_s);
    QCOMPARE(c.type->cursorPosition(), 1); // typing goes on where it was
}

void tst_frmInputVacations::deletingOnlyRecordLeavesNewRecord()
{
    insertEntry(m_path, 7, 4, u"V"_s, u"180, 180, 255"_s);
    const Controls c = openWindow();
    QCOMPARE(m_window->currentColor(), u"180, 180, 255"_s);
    QTest::mouseClick(c.remove, Qt::LeftButton);
    QVERIFY(stored(m_path).isEmpty());
    QCOMPARE(c.fields(), QStringList({{}, {}, {}, u"2024"_s, u"255, 255, 100"_s}));
    QCOMPARE(m_window->currentColor(), u"255, 255, 100"_s);
    QCOMPARE(c.swatchColour(), QColor(255, 255, 100));
    QCOMPARE(c.grid->model()->rowCount(), 0);
}

void tst_frmInputVacations::colourCycle()
{
    const Controls c = openWindow();
    const QStringList expected = {u"180, 255, 180"_s, u"180, 255, 255"_s, u"180, 180, 255"_s,
                                  u"255, 180, 180"_s, u"255, 180, 000"_s, u"255, 255, 100"_s,
                                  u"180, 255, 180"_s};
    for (const QString& colour : expected) {
        QTest::mouseClick(c.swatch, Qt::LeftButton);
        QCOMPARE(c.color->text(), colour);
        QCOMPARE(m_window->currentColor(), colour);
        QCOMPARE(c.swatchColour(), ColorText::ParseColorText(colour));
    }
}

void tst_frmInputVacations::selectedRecordColourBecomesNextColour()
{
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    insertEntry(m_path, 5, 2, u"B"_s, u"255, 180, 000"_s);
    const Controls c = openWindow();
    QCOMPARE(c.swatchColour(), QColor(180, 255, 180));
    clickGridRow(c.grid, 1);
    QCOMPARE(c.fields(), QStringList({u"B"_s, u"5"_s, u"2"_s, u"2024"_s, u"255, 180, 000"_s}));
    QCOMPARE(c.swatchColour(), QColor(255, 180, 0));

    QTest::mouseClick(c.next, Qt::LeftButton);
    typeInto(c.type, u"n"_s);
    typeInto(c.month, u"6"_s);
    typeInto(c.day, u"1"_s);
    QTest::keyClick(c.day, Qt::Key_Enter);
    QCOMPARE(stored(m_path).last(), u"6/1/2024|N|255, 180, 000"_s);
    QVERIFY(messages().isEmpty());
}

void tst_frmInputVacations::fieldChecksOnLeaving_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted

    const QString day = u"Enter Day in numeric form. / Enter an integer from 1 to 31!"_s;
    QTest::newRow("day 32") << u"txtDay"_s << u"32"_s << day;
    QTest::newRow("day 0") << u"txtDay"_s << u"0"_s << day;
    QTest::newRow("day not a number") << u"txtDay"_s << u"x1"_s << day;
    QTest::newRow("day empty") << u"txtDay"_s << QString() << QString();
    QTest::newRow("day fraction") << u"txtDay"_s << u"1.5"_s << QString();
    QTest::newRow("month 13") << u"txtMonth"_s << u"13"_s
                              << u"Enter month in numeric form. / Enter an integer from 1 to 12!"_s;
    QTest::newRow("month not a number")
        << u"txtMonth"_s << u"May"_s
        << u"Enter Month in numeric form. / Enter an integer from 1 to 12!"_s;
    QTest::newRow("year empty") << u"txtYear"_s << QString()
                                << u"Enter a valid year! / Not a year!"_s;
}

void tst_frmInputVacations::fieldChecksOnLeaving()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const Controls c = openWindow();
    auto* edit = m_window->findChild<QLineEdit*>(field);
    typeInto(edit, text);
    QTest::mouseClick(c.type, Qt::LeftButton);
    QCOMPARE(messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(edit->text(), message.isEmpty() ? text : QString());
    QCOMPARE(QApplication::focusWidget(), message.isEmpty() ? c.type : edit);
}

void tst_frmInputVacations::accessKeysCheckTheFocusedField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("button");
    const QList<std::array<QString, 3>> fields = {
        {u"txtDay"_s, u"32"_s, u"Enter Day in numeric form. / Enter an integer from 1 to 31!"_s},
        {u"txtMonth"_s, u"13"_s,
         u"Enter month in numeric form. / Enter an integer from 1 to 12!"_s},
        {u"txtYear"_s, u"x"_s, u"Enter a valid year! / Not a year!"_s},
    };
    for (const auto& [field, text, message] : fields) {
        for (const QString& button : {u"cmdNext"_s, u"cmdUpdate"_s, u"cmdDelete"_s, u"cmdReturn"_s})
            QTest::addRow("%s %s, %s", qPrintable(field), qPrintable(text), qPrintable(button))
                << field << text << message << button;
    }
}

void tst_frmInputVacations::accessKeysCheckTheFocusedField()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, button);
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    openWindow();
    auto* edit = m_window->findChild<QLineEdit*>(field);
    auto* target = m_window->findChild<QPushButton*>(button);
    typeInto(edit, text);
    const QKeySequence key = QKeySequence::mnemonic(target->text());
    QTest::keyClick(edit, key[0].key(), key[0].keyboardModifiers());
    QCOMPARE(messages(), QStringList{message});
    QCOMPARE(edit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(m_window->isVisible());
    QCOMPARE(stored(m_path), QStringList{u"3/1/2024|V|180, 255, 180"_s});
}

void tst_frmInputVacations::returnPressesTheFocusedButton()
{
    const Controls c = openWindow();
    typeInto(c.type, u"v"_s);
    typeInto(c.month, u"3"_s);
    typeInto(c.day, u"4"_s);
    // Reached by Tab from the grid: Return is the button's, not the window's Next.
    c.back->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c.back, Qt::Key_Return);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(stored(m_path), QStringList{u"3/4/2024|V|255, 255, 100"_s});
    QVERIFY(messages().isEmpty());
}

void tst_frmInputVacations::pendingEditsAreStored_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("newEntry");
    for (const bool newEntry : {false, true}) {
        for (const QString& how :
             {u"Return"_s, u"close box"_s, u"Escape"_s, u"grid"_s, u"Update"_s}) {
            const QString name = how + (newEntry ? u", new entry"_s : u", changed entry"_s);
            QTest::newRow(qPrintable(name)) << how << newEntry;
        }
    }
}

void tst_frmInputVacations::pendingEditsAreStored()
{
    QFETCH(QString, how);
    QFETCH(bool, newEntry);
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    insertEntry(m_path, 5, 2, u"B"_s, u"180, 255, 255"_s);
    const Controls c = openWindow();
    QString expected = u"3/1/2024|N|180, 255, 180"_s;
    if (newEntry) {
        QTest::mouseClick(c.next, Qt::LeftButton);
        typeInto(c.month, u"9"_s);
        typeInto(c.day, u"8"_s);
        expected = u"9/8/2024|N|180, 255, 180"_s;
    }
    typeInto(c.type, u"n"_s);
    if (how == u"Return"_s)
        QTest::mouseClick(c.back, Qt::LeftButton);
    else if (how == u"close box"_s)
        m_window->close();
    else if (how == u"Escape"_s)
        QTest::keyClick(c.type, Qt::Key_Escape);
    else if (how == u"grid"_s)
        clickGridRow(c.grid, 1);
    else
        QTest::mouseClick(c.update, Qt::LeftButton);

    QVERIFY(messages().isEmpty());
    QVERIFY(stored(m_path).contains(expected));
    QCOMPARE(stored(m_path).size(), newEntry ? 3 : 2);
    QCOMPARE(m_window->isVisible(), how == u"grid"_s || how == u"Update"_s);
}

void tst_frmInputVacations::closingChecksFieldBeingTyped()
{
    const Controls c = openWindow();
    typeInto(c.month, u"3"_s);
    typeInto(c.day, u"40"_s);
    m_window->close();
    QCOMPARE(messages(),
             QStringList{u"Enter Day in numeric form. / Enter an integer from 1 to 31!"_s});
    QVERIFY(m_window->isVisible());
    QVERIFY(stored(m_path).isEmpty());

    typeInto(c.day, u"4"_s);
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(stored(m_path), QStringList{u"3/4/2024||255, 255, 100"_s});
}

void tst_frmInputVacations::impossibleDateIsNeverStored_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("newEntry");
    // Closing on a new entry asks whether to drop it (closingWithoutADate).
    QTest::newRow("Return, changed entry") << u"Return"_s << false;
    QTest::newRow("close box, changed entry") << u"close box"_s << false;
    QTest::newRow("grid, changed entry") << u"grid"_s << false;
    QTest::newRow("grid, new entry") << u"grid"_s << true;
}

void tst_frmInputVacations::impossibleDateIsNeverStored()
{
    QFETCH(QString, how);
    QFETCH(bool, newEntry);
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    insertEntry(m_path, 5, 2, u"B"_s, u"180, 255, 255"_s);
    const QStringList before = stored(m_path);
    const Controls c = openWindow();
    if (newEntry)
        QTest::mouseClick(c.next, Qt::LeftButton);
    typeInto(c.type, u"n"_s);
    typeInto(c.month, u"2"_s);
    typeInto(c.day, u"30"_s);
    const auto leave = [&] {
        if (how == u"Return"_s)
            QTest::mouseClick(c.back, Qt::LeftButton);
        else if (how == u"close box"_s)
            m_window->close();
        else
            clickGridRow(c.grid, 1);
    };
    leave();
    QCOMPARE(messages(), QStringList{u"Not a date! / ERROR! Enter a valid date!"_s});
    QVERIFY(m_window->isVisible());
    QCOMPARE(QApplication::focusWidget(), c.day);
    QCOMPARE(stored(m_path), before);

    // With the day still empty the entry is held back again; a real day lets it go.
    leave();
    QCOMPARE(messages().size(), 2);
    QCOMPARE(stored(m_path), before);
    typeInto(c.day, u"28"_s);
    leave();
    QCOMPARE(messages().size(), 2);
    QVERIFY(stored(m_path).contains(u"2/28/2024|N|180, 255, 180"_s));
}

void tst_frmInputVacations::closingWithoutADate_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("newEntry");
    QTest::addColumn<Prompter::Answer>("answer"); // to the discard question of a new entry
    for (const QString& how : {u"Escape"_s, u"close box"_s, u"Return"_s}) {
        QTest::addRow("%s, new entry, discarded", qPrintable(how))
            << how << true << Prompter::Answer::Yes;
        QTest::addRow("%s, new entry, kept", qPrintable(how))
            << how << true << Prompter::Answer::No;
        QTest::addRow("%s, stored entry", qPrintable(how)) << how << false << Prompter::Answer::Ok;
    }
}

void tst_frmInputVacations::closingWithoutADate()
{
    QFETCH(QString, how);
    QFETCH(bool, newEntry);
    QFETCH(Prompter::Answer, answer);
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    const QStringList before = stored(m_path);
    const Controls c = openWindow();
    if (newEntry) {
        QTest::mouseClick(c.next, Qt::LeftButton);
        m_prompter->queueAnswer(answer);
    }
    typeInto(c.type, u"n"_s);
    typeInto(c.day, QString());
    if (how == u"Escape"_s)
        QTest::keyClick(c.day, Qt::Key_Escape);
    else if (how == u"close box"_s)
        m_window->close();
    else
        QTest::mouseClick(c.back, Qt::LeftButton);

    QCOMPARE(messages(),
             QStringList{newEntry ? u"This entry has no valid date. Discard it? / Input "
                                    "Vacations"_s
                                  : u"Not a date! / ERROR! Enter a valid date!"_s});
    QCOMPARE(stored(m_path), before);
    const bool closed = answer == Prompter::Answer::Yes;
    QCOMPARE(m_window->isVisible(), !closed);
    if (!closed) {
        QCOMPARE(QApplication::focusWidget(), c.day);
        QCOMPARE(c.type->text(), u"N"_s);
    }
}

void tst_frmInputVacations::emptyListSaysWhereEntriesAre_data()
{
    QTest::addColumn<QList<int>>("years"); // one entry each
    QTest::addColumn<QString>("note");
    QTest::newRow("one other year") << QList<int>{2025, 2025, 2025, 2025, 2025}
                                    << u"No entries in 2024. Entries are kept for 2025 (5)."_s;
    QTest::newRow("many other years, the nearest named")
        << QList<int>{2019, 2022, 2022, 2023, 2025, 2025, 2025, 2030}
        << u"No entries in 2024. Entries are kept for 2022 (2), 2023 (1), 2025 (3) and 2 other "
           "years."_s;
    QTest::newRow("no entries at all") << QList<int>{} << QString();
}

void tst_frmInputVacations::emptyListSaysWhereEntriesAre()
{
    QFETCH(QList<int>, years);
    QFETCH(QString, note);
    for (const int year : years)
        CalendarFixture::AddVacation(m_path, year, 3, 1, u"V"_s);
    const Controls c = openWindow();
    QCOMPARE(c.grid->model()->rowCount(), 0);
    QCOMPARE(static_cast<PlaceholderTableView*>(c.grid)->placeholderText(), note);
    // Drawn in the list's body, which is otherwise blank.
    const QImage body = c.grid->viewport()->grab().toImage();
    bool blank = true;
    for (int y = 0; y < body.height() && blank; ++y) {
        for (int x = 0; x < body.width() && blank; ++x)
            blank = body.pixel(x, y) == body.pixel(0, 0);
    }
    QCOMPARE(blank, note.isEmpty());
}

void tst_frmInputVacations::opensWithCaretInType()
{
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    const Controls c = openWindow();
    QCOMPARE(QApplication::focusWidget(), c.type);
    QVERIFY(!c.type->hasSelectedText());
    QCOMPARE(c.type->cursorPosition(), 1);
}

void tst_frmInputVacations::storeFailureKeepsEntry()
{
    // A trigger stands in for a full disk or a read-only file: every new record is refused.
    runSql(m_path, u"CREATE TRIGGER refuse BEFORE INSERT ON Vacation "
                   "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"_s);
    const Controls c = openWindow();
    typeInto(c.type, u"v"_s);
    typeInto(c.month, u"3"_s);
    typeInto(c.day, u"14"_s);
    const QStringList typed = {u"V"_s, u"3"_s, u"14"_s, u"2024"_s, u"255, 255, 100"_s};
    QTest::mouseClick(c.next, Qt::LeftButton);
    QCOMPARE(m_prompter->shown().size(), 1);
    QCOMPARE(m_prompter->shown().at(0).title, frmInputVacations::StoreFailedTitle());
    QVERIFY(m_prompter->shown().at(0).text.contains(u"disk is full"_s));
    QCOMPARE(c.fields(), typed);

    // Closing asks before the entry is given up.
    m_prompter->queueAnswer(Prompter::Answer::No);
    QTest::mouseClick(c.back, Qt::LeftButton);
    QCOMPARE(m_prompter->shown().size(), 2);
    QCOMPARE(m_prompter->shown().at(1).buttons, Prompter::Buttons::YesNo);
    QVERIFY(m_window->isVisible());
    QCOMPARE(c.fields(), typed);

    m_prompter->queueAnswer(Prompter::Answer::Yes);
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QVERIFY(stored(m_path).isEmpty());
}

void tst_frmInputVacations::editOfEntryDeletedByAnotherCopy_data()
{
    QTest::addColumn<bool>("keyColumn");
    QTest::newRow("key column") << true;
    QTest::newRow("file without a key column") << false;
}

void tst_frmInputVacations::editOfEntryDeletedByAnotherCopy()
{
    QFETCH(bool, keyColumn);
    if (!keyColumn)
        CalendarFixture::MakeUnkeyedDatabase(m_dir->path());
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    insertEntry(m_path, 5, 2, u"B"_s, u"180, 255, 255"_s);
    const Controls mine = openWindow();
    clickGridRow(mine.grid, 1);

    // A second copy of the program deletes that entry and adds another for the same day.
    {
        ScriptedPrompter otherPrompter;
        frmInputVacations other(u"2024"_s, m_state, otherPrompter);
        other.show();
        const Controls c(&other);
        clickGridRow(c.grid, 1);
        QTest::mouseClick(c.remove, Qt::LeftButton);
        QTest::mouseClick(c.next, Qt::LeftButton);
        typeInto(c.type, u"e"_s);
        typeInto(c.month, u"5"_s);
        typeInto(c.day, u"2"_s);
        QTest::mouseClick(c.back, Qt::LeftButton);
        QVERIFY(otherPrompter.shown().isEmpty());
    }
    const QStringList theirs = {u"3/1/2024|V|180, 255, 180"_s, u"5/2/2024|E|180, 255, 180"_s};
    QCOMPARE(stored(m_path), theirs);

    typeInto(mine.type, u"n"_s);
    QTest::mouseClick(mine.update, Qt::LeftButton);
    QCOMPARE(m_prompter->shown().size(), 1);
    QCOMPARE(m_prompter->shown().at(0).title, frmInputVacations::StoreFailedTitle());
    QCOMPARE(stored(m_path), theirs);
    const QStringList typed = {u"N"_s, u"5"_s, u"2"_s, u"2024"_s, u"180, 255, 255"_s};
    QCOMPARE(mine.fields(), typed);

    // Stored again, it becomes an entry of its own.
    QTest::mouseClick(mine.back, Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(stored(m_path), theirs + QStringList{u"5/2/2024|N|180, 255, 255"_s});
}

void tst_frmInputVacations::unusableDatabase_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::newRow("missing file") << u"missing.mdb"_s << QByteArray();
    QTest::newRow("damaged file") << u"damaged.mdb"_s << QByteArray("not a database\x01\x02", 16);
    QTest::newRow("no path") << QString() << QByteArray();
}

void tst_frmInputVacations::unusableDatabase()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    const QString path = file.isEmpty() ? QString() : m_dir->filePath(file);
    if (!content.isEmpty()) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    m_state.DatabasePath = path;
    const Controls c = openWindow();
    QTRY_COMPARE(m_prompter->shown().size(), 1);
    QCOMPARE(m_prompter->shown().at(0).title, u"Input Vacations"_s);
    for (QPushButton* button : {c.next, c.update, c.remove})
        QVERIFY(!button->isEnabled());
    QVERIFY(c.type->isReadOnly());
    QTest::keyClick(c.type, Qt::Key_Return);
    QTest::mouseClick(c.back, Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_prompter->shown().size(), 1);
    if (!path.isEmpty()) {
        QFile in(path);
        QCOMPARE(in.exists(), !content.isEmpty());
        if (in.open(QIODevice::ReadOnly))
            QCOMPARE(in.readAll(), content);
    }
}

void tst_frmInputVacations::layoutIsReadable()
{
    insertEntry(m_path, 3, 1, u"V"_s, u"180, 255, 180"_s);
    insertEntry(m_path, 5, 2, u"B"_s, u"255, 180, 000"_s);
    const Controls c = openWindow();
    clickGridRow(c.grid, 1);
    QCOMPARE(m_window->windowTitle(), u"Input Vacations"_s);
    QStringList captions;
    for (int i = 0; i < 5; ++i)
        captions << control<QLabel>(m_window.get(), qPrintable(u"Label1_%1"_s.arg(i)))->text();
    captions << c.next->text() << c.update->text() << c.remove->text() << c.back->text();
    QCOMPARE(captions, QStringList({u"Type:"_s, u"Month #"_s, u"Day:"_s, u"Year:"_s,
                                    u"Color: (click to change)"_s, u"&Next"_s, u"&Update"_s,
                                    u"&Delete"_s, u"&Return"_s}));
    QVERIFY(control<QLabel>(m_window.get(), "Label2")
                ->text()
                .endsWith(u"on the  Kelvane main form by clicking the 'Return' button."_s));

    // No two controls cover each other, each lies inside the window, no caption is cut.
    const QList<QWidget*> controls = m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QVERIFY(m_window->rect().contains(controls[i]->geometry()));
        QVERIFY(controls[i]->width() >= controls[i]->minimumSizeHint().width());
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                     qPrintable(controls[i]->objectName() + u" / "_s + controls[j]->objectName()));
        }
    }
    if (const QString dir = qEnvironmentVariable("KELVANE_GRAB_DIR"); !dir.isEmpty())
        m_window->grab().save(dir + u"/frmInputVacations.png"_s);
}

QTEST_MAIN(tst_frmInputVacations)
#include "tst_frmInputVacations.moc"
