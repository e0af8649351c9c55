#pragma once

#include "store/RecordSource.h"
#include "windows/UnattendedClose.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>

struct AppState;
class Prompter;
class QFrame;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class PlaceholderTableView;
class RecordTableModel;

// The window in which the user adds, changes and deletes the personal entries of the year
// shown in the main window. Open it modally, one object per opening:
//
//     frmInputVacations window([this] { return txtYear->text(); }, state, prompter, this);
//     window.exec();
//
// Everything typed into the bound fields is stored in the Vacation table when the window
// moves to another record, reloads, or closes (Return, close box, Escape).
class frmInputVacations final : public QDialog, public UnattendedClose
{
    Q_OBJECT

public:
    // `mainYearText` gives the main window's year text at the moment it is needed.
    frmInputVacations(std::function<QString()> mainYearText, AppState& state, Prompter& prompter,
                      QWidget* parent = nullptr);
    frmInputVacations(const QString& mainYearText, AppState& state, Prompter& prompter,
                      QWidget* parent = nullptr);
    ~frmInputVacations() override;

    // The window state: position in the colour cycle, the colour of the next new entry, and
    // whether the calendar database could be opened (when not, nothing can be stored).
    qint16 colorCycleIndex() const { return ColorCycleIndex; }
    QString currentColor() const { return CurrentColor; }
    bool isAttached() const { return m_attached; }

    // Closes without asking anything (nobody may be there to answer: the session ends): a
    // pending entry is stored when it passes the window's checks; failures are only logged.
    void closeUnattended() override;

    static QString InstructionsText();
    static QString StoreFailedTitle();

public slots:
    // The close box, Escape and "&Return" all end here: pending edits are stored first, and a
    // new entry without a real date is dropped when the user agrees.
    void reject() override;
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void createFields();
    // The grid of the year's entries over its model.
    void createGrid();
    void createButtons();
    void layOutControls();
    // The whole window without scrolling.
    QSize wantedSize() const;
    void bindFields();

    void Form_Load();
    void Form_Activate();
    void Form_KeyPress(int keyAscii);
    void cmdNext_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdReturn_Click();
    void Frame1_Click();
    void txtColor_Change();
    void txtType_Change();
    bool txtDay_LostFocus();
    bool txtMonth_LostFocus();
    bool txtYear_LostFocus();
    void DBGrid1_RowColChange(const QModelIndex& current);

    bool isEntryDateValid() const;
    // Both storing buttons need an open database and a real entry date first.
    bool entryCanBeStored();
    void notADate();
    void startNewRecordForEmptyList();
    QString emptyListNote() const;
    bool checkFocusedField();
    bool isUntouchedNewRecord() const;
    bool pendingEntryIsADate();
    bool storeAndDetach();
    bool discardDatelessEntry();
    void detachWithoutStoring();
    void showStoreFailure(const QString& error);
    void reportDatabaseProblem();
    void setStoringEnabled(bool enabled);
    void showCurrentRow(int row);
    void paintSwatch(const QColor& colour);

    std::function<QString()> m_mainYearText;
    AppState& m_state;
    Prompter& m_prompter;

    RecordSource Data1;

    std::array<QLabel*, 5> Label1{};
    QLabel* Label2 = nullptr;
    QLineEdit* txtType = nullptr;
    QLineEdit* txtMonth = nullptr;
    QLineEdit* txtDay = nullptr;
    QLineEdit* txtYear = nullptr;
    QLineEdit* txtColor = nullptr;
    QFrame* Frame1 = nullptr;
    PlaceholderTableView* DBGrid1 = nullptr;
    std::unique_ptr<RecordTableModel> m_gridModel; // reads Data1, so is declared after it
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdReturn = nullptr;
    QWidget* m_content = nullptr; // everything above, inside a scroll area

    qint16 ColorCycleIndex = 0;
    QString CurrentColor;
    bool ColorChanging = false;

    bool m_loaded = false;   // Form_Load has run for this opening
    bool m_attached = false; // Data1 is attached to a usable database
    QString m_attachError;
    bool m_checkingField = false; // a field check is showing its message
};
