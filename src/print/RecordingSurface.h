#pragma once

#include "print/PrintSurfaceBase.h"

#include <QColor>
#include <QList>
#include <QString>

class MemoryFiles;

// A print surface that draws nothing and keeps every drawing call in order: the tests read
// the calls, the command line writes them as an ".ops" trace (one call per line, coordinates
// exactly as handed over, before the origin applies).
class RecordingSurface final : public PrintSurfaceBase
{
public:
    struct Op
    {
        enum class Kind
        {
            Page,
            Orientation,
            Copies,
            Quality,
            Origin,
            Font,
            Text,
            Line,
            Box,
            Fill,
            Circle,
            End
        };
        Kind kind = Kind::End;
        // Page: width, height. Orientation, Copies: x1. Origin: left, top. Text: the pen.
        // Line, Box, Fill: the two corners. Circle: centre and radius (x2).
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
        int width = 0; // pen width of lines, boxes and circles
        int size = 0;  // text: font size in points
        bool bold = false;
        bool underline = false;
        bool transparent = false;
        QColor color; // text colour, line colour, fill colour, circle outline
        QColor fill;  // circle fill; invalid when the circle is not filled
        QString text; // text, or the font name

        // The trace line of this call.
        QString traceLine() const;
    };

    // `path` empty: nothing is written, the calls are only kept. With `memory`, the trace is
    // kept there instead of written.
    explicit RecordingSurface(int printableWidth = LetterWidth, int printableHeight = LetterHeight,
                              const QString& path = QString(), MemoryFiles* memory = nullptr);

    const QList<Op>& ops() const { return m_ops; }
    // The whole trace, one line per call, each ended by a line feed.
    QString trace() const;
    // Escapes a text for the trace: in double quotes, with \" \\ \n \r.
    static QString Quoted(const QString& text);

    void setOrientation(int orientation) override;
    void setCopies(int copies) override;
    void setPrintQualityHigh() override;
    void setOrigin(int scaleLeft, int scaleTop) override;
    void setFontName(const QString& name) override;
    void print(const QString& text, bool endLine) override;
    void line(int x1, int y1, int x2, int y2, const QColor& color, LineMode mode) override;
    void circle(int x, int y, int radius, const QColor& color) override;
    void endDoc() override;
    // Writes the trace to the path given at construction (if any).
    bool finish(QString* error = nullptr) override;

private:
    // Appends a call to the trace.
    Op& record(Op::Kind kind, int x1 = 0, int y1 = 0);

    QString m_path;
    MemoryFiles* m_memory = nullptr;
    QList<Op> m_ops;
};
