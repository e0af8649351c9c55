#include "about/frmAbout.h"

#include "about/AppIcon.h"
#include "rota/NumberText.h"
#include "store/Prompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmAbout::frmAbout(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter),
      m_find([](const QString& name) { return QStandardPaths::findExecutable(name); }),
      m_start([](const QString& path) { return QProcess::startDetached(path, {}); })
{
    setWindowTitle(u"About Kelvane"_s);

    picLogo = new QLabel(this);
    picLogo->setPixmap(AppIcon::Pixmap(48));
    picLogo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(u"Kelvane"_s, this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(u"Version: 1.00.00"_s, this);

    lblDescription =
        new QLabel(u"Kelvane prints the R.D.O. patterns for any year from 1901 to 2124: "
                   "the eight hour 6-2 and 4-2 patterns and the ten hour 3-3 and 5-3 "
                   "patterns."_s,
                   this);
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(300);

    cmdOK = new QPushButton(u"OK"_s, this);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(u"&System Info..."_s, this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    texts->addStretch();

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picLogo, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::setProgramAccess(FindProgram find, StartProgram start)
{
    m_find = std::move(find);
    m_start = std::move(start);
}

QStringList frmAbout::SystemInfoPrograms()
{
    // Hardware and system summaries first, then the desktops' system monitors.
    return {u"hardinfo"_s,
            u"kinfocenter"_s,
            u"gnome-system-monitor"_s,
            u"plasma-systemmonitor"_s,
            u"ksysguard"_s,
            u"mate-system-monitor"_s,
            u"xfce4-taskmanager"_s,
            u"lxtask"_s};
}

QString frmAbout::VersionText()
{
    return u"Version "_s + NumberText::Plain(KELVANE_VERSION_MAJOR) + u'.' +
           NumberText::Plain(KELVANE_VERSION_MINOR) + u'.' +
           NumberText::Plain(KELVANE_VERSION_PATCH);
}

void frmAbout::Form_Load()
{
    lblVersion->setText(VersionText());
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    for (const QString& name : SystemInfoPrograms()) {
        const QString path = m_find(name);
        if (path.isEmpty())
            continue;
        if (m_start(path))
            return;
        break; // found but would not start: say so rather than try a lesser tool
    }
    m_prompter.message(u"System Information Is Unavailable At This Time"_s, u"Kelvane"_s,
                       Prompter::Buttons::Ok);
}
