#pragma once

#include "rotas/RotaDraft.h"
#include "store/OwnRotaFolder.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <utility>

class Clock;
class Prompter;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;

// "Rotas of Your Own": the rota files of the user's folder, listed, added, edited, copied and
// removed. Each field is checked as it is typed by the rule of its key in a rota file, and the
// whole rota as its file would be read back; what is wrong shows beside the field. The next
// eight weeks from today show which groups are off each day. A rota is written whole and only
// by Save; a file the reader refuses is listed as refused, with its reason.
class frmRotas : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PreviewWeeks = 8;

    frmRotas(const QString& folder, Prompter& prompter, const Clock& clock,
             QWidget* parent = nullptr);

    static QString Title();

    // The preview's weeks start on this day (Sunday unless set), as the main window's calendar
    // does.
    void setFirstDayOfWeek(Qt::DayOfWeek day);
    // The file of the rota the main window uses (empty for none), for the question before it
    // is removed.
    void setRotaInUse(std::function<QString()> inUse);
    // Where "New from a common rota..." looks (CommonRotas::Folders() unless set).
    void setCommonRotaFolders(const QStringList& folders);

    // The rota as the fields hold it.
    RotaDraft draft() const;
    // Its file; empty for a rota that is not saved yet.
    QString currentPath() const;
    // The fields hold something Save has not written.
    bool hasChanges() const;
    // The field of a group's own pattern; null for a group the rota does not name.
    QLineEdit* ownPatternField(const QString& group) const;

    // Closes without asking anything (nobody may be there to answer: the session ends): the
    // changes are saved when the rota holds, and dropped when it does not.
    void closeUnattended();

    QListWidget* lstRotas = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdRemove = nullptr;
    // "New from a common rota...": a menu of the installed rota files; the one picked is copied
    // into the user's folder and shown to be edited.
    QPushButton* cmdNewCommon = nullptr;
    QMenu* mnuCommonRotas = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtStart = nullptr;
    QLineEdit* txtGroups = nullptr;
    QLineEdit* txtGroupWord = nullptr; // what a group is called; empty: "Pattern"
    QLineEdit* txtPattern = nullptr;
    QLineEdit* txtShift = nullptr;
    // What is wrong with each field, beside it; empty while it holds.
    QLabel* lblNameCheck = nullptr;
    QLabel* lblStartCheck = nullptr;
    QLabel* lblGroupsCheck = nullptr;
    QLabel* lblGroupWordCheck = nullptr;
    QLabel* lblPatternCheck = nullptr;
    QLabel* lblShiftCheck = nullptr;
    QLabel* lblOwnPatternsCheck = nullptr;
    // What is wrong with the rota as a whole, or with the file that is listed as refused.
    QLabel* lblRotaCheck = nullptr;
    // Rows are weeks from today, columns days; a cell holds the groups off.
    QTableWidget* tblPreview = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

    void cmdNew_Click();
    void cmdCopy_Click();
    void cmdRemove_Click();
    // Copies the common rota of `path` into the folder and shows it.
    void newFromCommonRota(const QString& path);
    // False when the rota was not written (it does not hold, or the file failed).
    bool cmdSave_Click();

signals:
    // A rota file was written or removed.
    void rotasChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes as the close box does: changes are asked about first.
    void reject() override;

private:
    void buildControls();
    void buildLayout();
    void connectHandlers();
    void orderTabs();

    // Reads the folder again and shows the rota of `path` (the first one when it is not there,
    // a new one when there is none).
    void reloadList(const QString& path);
    void showEntry(int index);
    // A file of the list that is refused and could not even be read.
    bool isUnreadable(int index) const;
    void fill(const RotaDraft& draft);
    void onRowChanged(int row);
    // Checks every field, shows what is wrong and the preview.
    void checkFields();
    // The fields of the groups' own patterns follow the groups that are read.
    void showOwnPatternFields(const QStringList& groups);
    void showPreview(const OwnRota* rota);
    // Asks what to do with changes that are not saved; false when the user stays with them.
    bool settleChanges();

    QString m_folder;
    Prompter& m_prompter;
    const Clock& m_clock;
    QList<OwnRotaFolder::Entry> m_entries;
    int m_current = -1; // into m_entries; -1 for a rota not saved yet
    RotaDraft m_saved;  // what the fields held when shown or saved
    bool m_filling = false;
    bool m_unattended = false;
    QStringList m_ownGroups;
    QList<std::pair<QString, QLineEdit*>> m_ownFields; // in the order of the groups
    QMap<QString, QString> m_ownTexts; // typed, kept while a group leaves and comes back
    QFormLayout* m_ownLayout = nullptr;
    QLabel* m_ownLabel = nullptr;
    Qt::DayOfWeek m_firstDay = Qt::Sunday;
    std::function<QString()> m_inUse;
    QStringList m_commonFolders;
};
