#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>

// Typing into the real widgets, as a user does.
namespace KeyInput {

// Replaces a field's text: into the field, all of it selected, then the keys.
inline void TypeInto(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

} // namespace KeyInput
