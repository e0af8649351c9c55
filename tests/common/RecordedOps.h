#pragma once

#include "print/RecordingSurface.h"

#include <QList>
#include <QStringList>

// Look-ups in what a RecordingSurface kept, shared by the printout tests.
namespace RecordedOps {

using Op = RecordingSurface::Op;

inline QList<Op> OfKind(const QList<Op>& ops, Op::Kind kind)
{
    QList<Op> found;
    for (const Op& op : ops) {
        if (op.kind == kind)
            found.append(op);
    }
    return found;
}

// The first text drawn with exactly this content; null when there is none.
inline const Op* FindText(const QList<Op>& ops, const QString& text)
{
    for (const Op& op : ops) {
        if (op.kind == Op::Kind::Text && op.text == text)
            return &op;
    }
    return nullptr;
}

// The texts drawn with the pen at (x, y), in order.
inline QStringList TextsAt(const QList<Op>& ops, int x, int y)
{
    QStringList texts;
    for (const Op& op : ops) {
        if (op.kind == Op::Kind::Text && op.x1 == x && op.y1 == y)
            texts.append(op.text);
    }
    return texts;
}

// The lines of a trace that start with `prefix`.
inline QStringList TraceLines(const QString& trace, const QString& prefix)
{
    QStringList found;
    for (const QString& line : trace.split(u'\n')) {
        if (line.startsWith(prefix))
            found << line;
    }
    return found;
}

} // namespace RecordedOps
