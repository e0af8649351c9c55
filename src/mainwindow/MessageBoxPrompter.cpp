#include "mainwindow/MessageBoxPrompter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

namespace {

// Without a window manager nobody hands the keyboard back to the window a box was shown
// over; the caller expects to carry on in it (a field check puts the cursor back).
void giveBackFocus(QWidget* owner)
{
    if (owner && owner->isVisible())
        owner->activateWindow();
}

// The width a box needs for its whole title: desktops draw titles in a bold face, and the frame
// puts an icon and up to three buttons beside it, each about a title line square.
int titleRoom(const QWidget& box, const QString& title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font, &box);
    return metrics.horizontalAdvance(title) + 4 * (metrics.height() + 8) + 16;
}

int withinScreen(const QWidget& box, int width)
{
    const QScreen* screen = box.screen();
    return screen ? std::min(width, screen->availableGeometry().width() - 160) : width;
}

// A box wraps text at about 500 pixels; the instructions are written line by line and read
// badly re-wrapped, so the box is made as wide as its longest line. Qt sizes a box for its
// title with a thin allowance, so a long title is cut to its two ends.
void keepTextAndTitleWhole(QMessageBox& box)
{
    int widest = titleRoom(box, box.windowTitle());
    for (const QString& line : box.text().split(u'\n'))
        widest = std::max(widest, box.fontMetrics().horizontalAdvance(line) + 40);
    // Qt sizes the box from its layout: the room goes in as an empty row that wide.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(withinScreen(box, widest), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
}

// A question without Cancel has no third answer: Escape and the close box would otherwise
// count as No, and a No can last (the database reminder's No stops it for good).
class AnswerRequired final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The box's text as the user reads it.
void prepare(QMessageBox& box, const QString& text, const QString& title)
{
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageBoxPrompter::DisplayText(text));
    keepTextAndTitleWhole(box);
}

void requireAnswer(QMessageBox& box)
{
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    box.installEventFilter(new AnswerRequired(&box));
}

// The answer that does least, for a box closed some other way than by its buttons.
Prompter::Answer leastAnswer(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return Prompter::Answer::Ok;
    case Prompter::Buttons::YesNo:
        return Prompter::Answer::No;
    case Prompter::Buttons::YesNoCancel:
        break;
    }
    return Prompter::Answer::Cancel;
}

} // namespace

void MessageBoxPrompter::withdrawAll()
{
    m_withdrawing = true;
    for (const QPointer<QDialog>& box : std::as_const(m_open)) {
        if (box && box->isVisible()) {
            m_withdrawn.append(box);
            box->done(QDialog::Rejected);
        }
    }
}

bool MessageBoxPrompter::answered(QDialog& box)
{
    if (m_withdrawing)
        return false;
    m_open.append(&box);
    box.exec();
    m_open.removeAll(&box);
    return !m_withdrawn.removeAll(&box);
}

Prompter::Answer MessageBoxPrompter::message(const QString& text, const QString& title,
                                             Buttons buttons)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(owner);
    prepare(box, text, title);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        requireAnswer(box);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    if (!answered(box))
        return leastAnswer(buttons);
    giveBackFocus(owner);
    switch (box.result()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return leastAnswer(buttons);
    }
}

int MessageBoxPrompter::choose(const QString& text, const QString& title,
                               const QStringList& buttons)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(owner);
    prepare(box, text, title);
    QList<QPushButton*> shown;
    for (const QString& label : buttons)
        shown.append(box.addButton(label, QMessageBox::ActionRole));
    if (!shown.isEmpty())
        box.setDefaultButton(shown.first());
    requireAnswer(box);
    if (!answered(box))
        return -1;
    giveBackFocus(owner);
    return static_cast<int>(std::max<qsizetype>(0, shown.indexOf(box.clickedButton())));
}

QString MessageBoxPrompter::input(const QString& prompt, const QString& title,
                                  const QString& proposal)
{
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QInputDialog box(owner);
    box.setWindowTitle(title);
    box.setLabelText(DisplayText(prompt));
    box.setTextValue(proposal);
    // The prompt is the box's one label; its least width is the box's.
    if (auto* label = box.findChild<QLabel*>())
        label->setMinimumWidth(withinScreen(box, titleRoom(box, title)));
    if (!answered(box))
        return proposal;
    giveBackFocus(owner);
    return box.result() == QDialog::Accepted ? box.textValue() : QString();
}

void MessageBoxPrompter::beep()
{
    QApplication::beep();
}

QString MessageBoxPrompter::DisplayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.remove(u'\r');
    return shown;
}
