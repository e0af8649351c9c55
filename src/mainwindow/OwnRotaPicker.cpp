#include "mainwindow/OwnRotaPicker.h"

#include "rota/Rota.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <utility>

OwnRotaPicker::OwnRotaPicker(QRadioButton* option, QComboBox* list, QLabel* whosOffName,
                             QLineEdit* whosOff, QString folder)
    : m_option(option), m_list(list), m_whosOffName(whosOffName), m_whosOff(whosOff),
      m_folder(std::move(folder))
{
}

int OwnRotaPicker::shownIndex() const
{
    const int index = m_list->currentIndex();
    return index >= 0 && index < m_rotas.size() ? index : -1;
}

void OwnRotaPicker::reload(const QDate& date)
{
    const int shown = shownIndex();
    const QString shownPath = shown >= 0 ? m_rotas.at(shown).path : QString();
    m_rotas.clear();
    for (const OwnRotaFolder::Entry& entry : OwnRotaFolder::List(m_folder)) {
        if (entry.loaded.rota)
            m_rotas.append(entry);
    }
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        int index = m_rotas.isEmpty() ? -1 : 0;
        for (int i = 0; i < m_rotas.size(); ++i) {
            m_list->addItem(m_rotas.at(i).loaded.rota->name);
            m_list->setItemData(i, QDir::toNativeSeparators(m_rotas.at(i).path), Qt::ToolTipRole);
            if (m_rotas.at(i).path == shownPath)
                index = i;
        }
        m_list->setCurrentIndex(index);
    }
    const bool any = !m_rotas.isEmpty();
    m_option->setEnabled(any);
    m_list->setEnabled(any);
    m_whosOffName->setVisible(any);
    m_whosOff->setVisible(any);
    showWhosOff(date);
}

std::shared_ptr<const OwnRota> OwnRotaPicker::shown() const
{
    const int index = shownIndex();
    return index < 0 ? nullptr : m_rotas.at(index).loaded.rota;
}

QString OwnRotaPicker::shownFileName() const
{
    const int index = shownIndex();
    return index < 0 ? QString() : QFileInfo(m_rotas.at(index).path).fileName();
}

bool OwnRotaPicker::showFile(const QString& fileName, QString* error)
{
    const QString path = QDir(m_folder).filePath(QFileInfo(fileName).fileName());
    const auto found = std::find_if(m_rotas.cbegin(), m_rotas.cend(),
                                    [&path](const auto& entry) { return entry.path == path; });
    if (found == m_rotas.cend()) {
        if (error)
            *error = OwnRotaFile::Load(path).error;
        return false;
    }
    m_list->setCurrentIndex(static_cast<int>(found - m_rotas.cbegin()));
    return true;
}

void OwnRotaPicker::showWhosOff(const QDate& date)
{
    const std::shared_ptr<const OwnRota> rota = shown();
    if (!rota) {
        m_whosOffName->clear();
        m_whosOff->clear();
        return;
    }
    m_whosOffName->setText(
        m_whosOffName->fontMetrics().elidedText(rota->name, Qt::ElideRight, m_whosOff->width()));
    m_whosOffName->setToolTip(rota->name);
    m_whosOff->setAccessibleName(rota->name);
    m_whosOff->setText(Rota::FromFile(*rota).whosOffText(date, 0));
}
