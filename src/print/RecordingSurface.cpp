#include "print/RecordingSurface.h"

#include "store/MemoryFiles.h"

using namespace Qt::StringLiterals;

namespace {

QString flag(bool on)
{
    return on ? u"1"_s : u"0"_s;
}

QString number(int value)
{
    return QString::number(value);
}

} // namespace

QString RecordingSurface::Quoted(const QString& text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (QChar c : text) {
        if (c == u'"' || c == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (c == u'\n') {
            quoted += u"\\n"_s;
        } else if (c == u'\r') {
            quoted += u"\\r"_s;
        } else {
            quoted += c;
        }
    }
    quoted += u'"';
    return quoted;
}

QString RecordingSurface::Op::traceLine() const
{
    const QString sp = u" "_s;
    switch (kind) {
    case Kind::Page:
        return u"page "_s + number(x1) + sp + number(y1);
    case Kind::Orientation:
        return u"orientation "_s + number(x1);
    case Kind::Copies:
        return u"copies "_s + number(x1);
    case Kind::Quality:
        return u"quality high"_s;
    case Kind::Origin:
        return u"origin "_s + number(x1) + sp + number(y1);
    case Kind::Font:
        return u"font "_s + Quoted(text);
    case Kind::Text:
        return u"text "_s + number(x1) + sp + number(y1) + sp + number(size) + sp + flag(bold) +
               sp + flag(underline) + sp + flag(transparent) + sp + color.name() + sp +
               Quoted(text);
    case Kind::Line:
    case Kind::Box:
        return (kind == Kind::Line ? u"line "_s : u"box "_s) + number(x1) + sp + number(y1) + sp +
               number(x2) + sp + number(y2) + sp + number(width) + sp + color.name();
    case Kind::Fill:
        return u"fill "_s + number(x1) + sp + number(y1) + sp + number(x2) + sp + number(y2) + sp +
               color.name();
    case Kind::Circle:
        return u"circle "_s + number(x1) + sp + number(y1) + sp + number(x2) + sp + number(width) +
               sp + color.name() + sp + (fill.isValid() ? fill.name() : u"none"_s);
    case Kind::End:
        return u"end"_s;
    }
    return {};
}

RecordingSurface::RecordingSurface(int printableWidth, int printableHeight, const QString& path,
                                   MemoryFiles* memory)
    : PrintSurfaceBase(QSize(printableWidth, printableHeight)), m_path(path), m_memory(memory)
{
    record(Op::Kind::Page, printableWidth, printableHeight);
}

RecordingSurface::Op& RecordingSurface::record(Op::Kind kind, int x1, int y1)
{
    Op& op = m_ops.emplaceBack();
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    return op;
}

QString RecordingSurface::trace() const
{
    QString text;
    text.reserve(m_ops.size() * 48);
    for (const Op& op : m_ops) {
        text += op.traceLine();
        text += u'\n';
    }
    return text;
}

void RecordingSurface::setOrientation(int orientation)
{
    if (orientation != 1 && orientation != 2)
        return;
    PrintSurfaceBase::setOrientation(orientation);
    record(Op::Kind::Orientation, orientation);
}

void RecordingSurface::setCopies(int copies)
{
    // A printer refuses fewer than one copy; so does the trace.
    if (copies < 1)
        return;
    PrintSurfaceBase::setCopies(copies);
    record(Op::Kind::Copies, copies);
}

void RecordingSurface::setPrintQualityHigh()
{
    record(Op::Kind::Quality);
}

void RecordingSurface::setOrigin(int scaleLeft, int scaleTop)
{
    PrintSurfaceBase::setOrigin(scaleLeft, scaleTop);
    record(Op::Kind::Origin, scaleLeft, scaleTop);
}

void RecordingSurface::setFontName(const QString& name)
{
    PrintSurfaceBase::setFontName(name);
    record(Op::Kind::Font).text = name;
}

void RecordingSurface::print(const QString& text, bool endLine)
{
    Op& op = record(Op::Kind::Text, currentX(), currentY());
    op.size = fontSize();
    op.bold = fontBold();
    op.underline = fontUnderline();
    op.transparent = fontTransparent();
    op.color = foreColor();
    op.text = text;
    // No font is measured here: half an em per character and a line of 1.15 em stand in
    // for the real metrics. The printouts set the pen before every text that matters.
    advancePen(static_cast<int>(text.size()) * fontSize() * 10, fontSize() * 23, endLine);
}

void RecordingSurface::line(int x1, int y1, int x2, int y2, const QColor& color, LineMode mode)
{
    Op::Kind kind = Op::Kind::Line;
    if (mode == LineMode::Box)
        kind = Op::Kind::Box;
    else if (mode == LineMode::FilledBox)
        kind = Op::Kind::Fill;
    Op& op = record(kind, x1, y1);
    op.x2 = x2;
    op.y2 = y2;
    op.width = drawWidth();
    op.color = color;
}

void RecordingSurface::circle(int x, int y, int radius, const QColor& color)
{
    Op& op = record(Op::Kind::Circle, x, y);
    op.x2 = radius;
    op.width = drawWidth();
    op.color = color;
    if (fillStyle() == FillStyle::Solid)
        op.fill = fillColor();
}

void RecordingSurface::endDoc()
{
    record(Op::Kind::End);
}

bool RecordingSurface::finish(QString* error)
{
    if (m_path.isEmpty())
        return true;
    return MemoryFiles::Write(m_memory, m_path, trace().toUtf8(), error);
}
