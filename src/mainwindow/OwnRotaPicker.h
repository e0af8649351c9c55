#pragma once

#include "store/OwnRotaFolder.h"

#include <QDate>
#include <QList>
#include <QString>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The user's rotas below the calendar types: the option, the list of the rota files of the
// rota folder that could be read, and who is off in the listed rota, under its name. The
// option and the list are disabled, and the who's-off box hidden, while there are none.
// Whether the option is chosen is the window's business.
class OwnRotaPicker
{
public:
    OwnRotaPicker(QRadioButton* option, QComboBox* list, QLabel* whosOffName, QLineEdit* whosOff,
                  QString folder);

    // Lists the rotas of the folder again, keeping the one the list shows where it can, and
    // shows who is off on `date` in it.
    void reload(const QDate& date);
    // The rota the list shows; null while there is none.
    std::shared_ptr<const OwnRota> shown() const;
    // The file name (no folder) of the rota the list shows; empty while there is none.
    QString shownFileName() const;
    // Shows the rota of the file `fileName` of the folder (only its name counts, so that a
    // stored name cannot lead elsewhere). False, with why in `error`, when that file is not
    // among the rotas listed.
    bool showFile(const QString& fileName, QString* error);
    // Who is off on `date` in the rota the list shows.
    void showWhosOff(const QDate& date);

private:
    int shownIndex() const;

    QRadioButton* m_option;
    QComboBox* m_list;
    QLabel* m_whosOffName;
    QLineEdit* m_whosOff;
    QString m_folder;
    // The rotas that could be read, as the list shows them.
    QList<OwnRotaFolder::Entry> m_rotas;
};
