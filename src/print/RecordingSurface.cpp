#include "print/RecordingSurface.h"

#include <QSaveFile>

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

RecordingSurface::RecordingSurface(int printableWidth, int printableHeight, const QString& path)
    : m_width(printableWidth), m_height(printableHeight), m_path(path)
{
    Op page;
    page.kind = Op::Kind::Page;
    page.x1 = printableWidth;
    page.y1 = printableHeight;
    m_ops.append(page);
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

int RecordingSurface::ScaleWidth() const
{
    return m_orientation == 2 ? m_height : m_width;
}

int RecordingSurface::ScaleHeight() const
{
    return m_orientation == 2 ? m_width : m_height;
}

void RecordingSurface::setOrientation(int orientation)
{
    if (orientation != 1 && orientation != 2)
        return;
    m_orientation = orientation;
    Op op;
    op.kind = Op::Kind::Orientation;
    op.x1 = orientation;
    m_ops.append(op);
}

void RecordingSurface::setCopies(int copies)
{
    // A printer refuses fewer than one copy; so does the trace.
    if (copies < 1)
        return;
    Op op;
    op.kind = Op::Kind::Copies;
    op.x1 = copies;
    m_ops.append(op);
}

void RecordingSurface::setPrintQualityHigh()
{
    Op op;
    op.kind = Op::Kind::Quality;
    m_ops.append(op);
}

void RecordingSurface::setOrigin(int scaleLeft, int scaleTop)
{
    m_originLeft = scaleLeft;
    m_originTop = scaleTop;
    Op op;
    op.kind = Op::Kind::Origin;
    op.x1 = scaleLeft;
    op.y1 = scaleTop;
    m_ops.append(op);
}

void RecordingSurface::setFontName(const QString& name)
{
    Op op;
    op.kind = Op::Kind::Font;
    op.text = name;
    m_ops.append(op);
}

void RecordingSurface::setFontSize(int points)
{
    if (points > 0)
        m_fontSize = points;
}

void RecordingSurface::setForeColor(const QColor& color)
{
    if (color.isValid())
        m_foreColor = color;
}

void RecordingSurface::setDrawWidth(int dots)
{
    // Pen widths below one dot are refused, as on a printer.
    if (dots >= 1)
        m_drawWidth = dots;
}

void RecordingSurface::setFillColor(const QColor& color)
{
    if (color.isValid())
        m_fillColor = color;
}

void RecordingSurface::print(const QString& text, bool endLine)
{
    Op op;
    op.kind = Op::Kind::Text;
    op.x1 = m_x;
    op.y1 = m_y;
    op.size = m_fontSize;
    op.bold = m_bold;
    op.underline = m_underline;
    op.transparent = m_transparent;
    op.color = m_foreColor;
    op.text = text;
    m_ops.append(op);
    // No font is measured here: half an em per character and a line of 1.15 em stand in
    // for the real metrics. The printouts set the pen before every text that matters.
    if (endLine) {
        m_x = m_originLeft;
        m_y += m_fontSize * 23;
    } else {
        m_x += static_cast<int>(text.size()) * m_fontSize * 10;
    }
}

void RecordingSurface::line(int x1, int y1, int x2, int y2, const QColor& color, LineMode mode)
{
    Op op;
    switch (mode) {
    case LineMode::Line:
        op.kind = Op::Kind::Line;
        break;
    case LineMode::Box:
        op.kind = Op::Kind::Box;
        break;
    case LineMode::FilledBox:
        op.kind = Op::Kind::Fill;
        break;
    }
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.width = m_drawWidth;
    op.color = color;
    m_ops.append(op);
}

void RecordingSurface::circle(int x, int y, int radius, const QColor& color)
{
    Op op;
    op.kind = Op::Kind::Circle;
    op.x1 = x;
    op.y1 = y;
    op.x2 = radius;
    op.width = m_drawWidth;
    op.color = color;
    if (m_fillStyle == FillStyle::Solid)
        op.fill = m_fillColor;
    m_ops.append(op);
}

void RecordingSurface::endDoc()
{
    Op op;
    op.kind = Op::Kind::End;
    m_ops.append(op);
}

bool RecordingSurface::finish(QString* error)
{
    if (m_path.isEmpty())
        return true;
    QSaveFile file(m_path);
    const QByteArray bytes = trace().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = u"cannot write %1: %2"_s.arg(m_path, file.errorString());
        return false;
    }
    return true;
}
