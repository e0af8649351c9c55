#include "store/IniText.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace IniText {

namespace {

struct Line
{
    QByteArrayView text; // without its line end
    QByteArrayView end;  // "\n", "\r\n", "\r" or empty at the end of the file
};

QList<Line> splitLines(QByteArrayView file)
{
    if (file.startsWith("\xef\xbb\xbf"))
        file = file.sliced(3); // a byte order mark, as an editor may put first
    QList<Line> lines;
    qsizetype start = 0;
    while (start < file.size()) {
        qsizetype stop = start;
        while (stop < file.size() && file[stop] != '\n' && file[stop] != '\r')
            ++stop;
        qsizetype next = stop;
        if (next < file.size())
            next +=
                (file[next] == '\r' && next + 1 < file.size() && file[next + 1] == '\n') ? 2 : 1;
        lines.append({file.sliced(start, stop - start), file.sliced(stop, next - stop)});
        start = next;
    }
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The section a line opens, if it is a "[name]" line.
std::optional<QString> sectionOf(QByteArrayView line)
{
    line = trimmed(line);
    if (!line.startsWith('[') || !line.endsWith(']'))
        return std::nullopt;
    return QString::fromUtf8(line.sliced(1, line.size() - 2));
}

// A "key=value" line: the key and the raw value up to a comment.
std::optional<std::pair<QString, QByteArrayView>> entryOf(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (text.isEmpty() || text.front() == ';')
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    QByteArrayView value = text.sliced(equals + 1);
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\')
            ++i;
        else if (value[i] == '"')
            quoted = !quoted;
        else if (value[i] == ';' && !quoted) {
            value.truncate(i);
            break;
        }
    }
    return std::pair{QString::fromUtf8(trimmed(text.first(equals))), value};
}

bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

void chopTrailingBlanks(QString& text)
{
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
}

// QSettings' reading of a value: quotes, backslash escapes, and unquoted commas separating
// the items of a list.
QStringList unescapedItems(QByteArrayView raw)
{
    enum class State
    {
        Normal,
        SkipBlanks,
        Escape,
        HexFirst,
        Hex,
        Octal
    };
    QStringList items;
    QString item;
    State state = State::SkipBlanks;
    char16_t code = 0;
    bool inQuotes = false;
    bool itemQuoted = false;
    qsizetype i = 0;
    while (i < raw.size()) {
        const char c = raw[i];
        switch (state) {
        case State::SkipBlanks:
            if (isBlank(c))
                ++i;
            else
                state = State::Normal;
            break;
        case State::Normal:
            if (c == '\\') {
                state = State::Escape;
                ++i;
            } else if (c == '"') {
                itemQuoted = true;
                inQuotes = !inQuotes;
                if (!inQuotes)
                    state = State::SkipBlanks;
                ++i;
            } else if (c == ',' && !inQuotes) {
                if (!itemQuoted)
                    chopTrailingBlanks(item);
                items.append(item);
                item.clear();
                itemQuoted = false;
                state = State::SkipBlanks;
                ++i;
            } else {
                qsizetype stop = i + 1;
                while (stop < raw.size() && raw[stop] != '\\' && raw[stop] != '"' &&
                       raw[stop] != ',')
                    ++stop;
                // Stateless, and a byte order mark is a character like any other here.
                QStringDecoder utf8(QStringDecoder::Utf8,
                                    QStringDecoder::Flag::Stateless |
                                        QStringDecoder::Flag::ConvertInitialBom);
                item += utf8(raw.sliced(i, stop - i));
                i = stop;
            }
            break;
        case State::Escape: {
            static constexpr std::pair<char, char16_t> named[] = {
                {'a', u'\a'}, {'b', u'\b'}, {'f', u'\f'}, {'n', u'\n'},  {'r', u'\r'}, {'t', u'\t'},
                {'v', u'\v'}, {'"', u'"'},  {'?', u'?'},  {'\'', u'\''}, {'\\', u'\\'}};
            state = State::Normal;
            for (const auto& [letter, character] : named) {
                if (c == letter)
                    item += QChar(character);
            }
            if (c == 'x') {
                code = 0;
                state = State::HexFirst;
            } else if (c >= '0' && c <= '7') {
                code = static_cast<char16_t>(c - '0');
                state = State::Octal;
            }
            ++i;
            break;
        }
        case State::HexFirst:
            state = isHexDigit(static_cast<unsigned char>(c)) ? State::Hex : State::Normal;
            break;
        case State::Hex:
            if (isHexDigit(static_cast<unsigned char>(c))) {
                const char16_t digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
                code = static_cast<char16_t>((code << 4) + digit);
                ++i;
            } else {
                item += QChar(code);
                state = State::Normal;
            }
            break;
        case State::Octal:
            if (c >= '0' && c <= '7') {
                code = static_cast<char16_t>((code << 3) + (c - '0'));
                ++i;
            } else {
                item += QChar(code);
                state = State::Normal;
            }
            break;
        }
    }
    if (state == State::Hex || state == State::Octal)
        item += QChar(code);
    if (!itemQuoted)
        chopTrailingBlanks(item);
    items.append(item);
    return items;
}

// QSettings marks a value of another type by a leading "@Type(", and a string that starts
// with "@" by doubling it.
std::optional<QString> plainText(const QString& item)
{
    static const QRegularExpression typed(u"^@[A-Za-z]+\\("_s);
    if (item.startsWith(u"@@"_s))
        return item.sliced(1);
    if (typed.match(item).hasMatch())
        return std::nullopt;
    return item;
}

} // namespace

std::optional<QString> Unescaped(QByteArrayView raw)
{
    QStringList items = unescapedItems(raw);
    for (QString& item : items) {
        std::optional<QString> text = plainText(item);
        if (!text)
            return std::nullopt;
        item = *text;
    }
    // A list written without quotes reads back as the text it was.
    return items.join(u", "_s);
}

QByteArray Escaped(const QString& value)
{
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray result;
    bool quote = false;
    bool escapeHexDigit = false; // after \x or \0 a hex digit would join the escape
    const auto escapeCode = [&](char16_t c) {
        result += "\\x" + QByteArray::number(c, 16);
        escapeHexDigit = true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const char16_t c = ch.unicode();
        if (c == u';' || c == u',' || c == u'=')
            quote = true;
        if (escapeHexDigit && isHexDigit(c)) {
            escapeCode(c);
            continue;
        }
        escapeHexDigit = false;
        static constexpr std::pair<char16_t, const char*> named[] = {
            {u'\a', "\\a"}, {u'\b', "\\b"}, {u'\f', "\\f"}, {u'\n', "\\n"}, {u'\r', "\\r"},
            {u'\t', "\\t"}, {u'\v', "\\v"}, {u'"', "\\\""}, {u'\\', "\\\\"}};
        const auto name = std::find_if(std::begin(named), std::end(named),
                                       [c](const auto& entry) { return entry.first == c; });
        if (c == 0) {
            result += "\\0";
            escapeHexDigit = true;
        } else if (name != std::end(named)) {
            result += name->second;
        } else if (c <= 0x1f) {
            escapeCode(c);
        } else if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += text.sliced(i, 2).toUtf8();
            ++i;
        } else if (ch.isSurrogate() || c == 0xfeff) {
            // Half a character has no UTF-8 of its own; a byte order mark would be dropped.
            escapeCode(c);
        } else {
            result += QString(ch).toUtf8();
        }
    }
    // Blanks at either end survive only in quotes (an escaped tab too: the reader trims it).
    if (quote || text.startsWith(u' ') || text.endsWith(u' ') || text.endsWith(u'\t'))
        result = '"' + result + '"';
    return result;
}

QMap<QString, QString> Read(QByteArrayView file, const QString& section)
{
    QMap<QString, QString> values;
    bool inSection = false;
    for (const Line& line : splitLines(file)) {
        if (const std::optional<QString> name = sectionOf(line.text)) {
            inSection = *name == section;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto entry = entryOf(line.text)) {
            if (const std::optional<QString> value = Unescaped(entry->second))
                values.insert(entry->first, *value);
            else
                values.remove(entry->first);
        }
    }
    return values;
}

QByteArray Write(QByteArrayView file, const QString& section,
                 const QList<std::pair<QString, QString>>& values)
{
    QByteArray newLines;
    for (const auto& [key, value] : values)
        newLines += key.toUtf8() + '=' + Escaped(value) + '\n';

    const QList<Line> lines = splitLines(file);
    const auto owned = [&values](const QString& key) {
        return std::any_of(values.cbegin(), values.cend(),
                           [&key](const auto& entry) { return entry.first == key; });
    };
    QByteArray result;
    bool inSection = false;
    bool written = false;
    qsizetype sectionEnd = -1; // where the new lines go: after the section's last entry
    for (const Line& line : lines) {
        if (const std::optional<QString> name = sectionOf(line.text)) {
            if (inSection && !written) {
                result.insert(sectionEnd, newLines);
                written = true;
            }
            inSection = *name == section;
            result += line.text.toByteArray() + line.end.toByteArray();
            if (inSection)
                sectionEnd = result.size();
            continue;
        }
        if (inSection) {
            const auto entry = entryOf(line.text);
            if (entry && owned(entry->first))
                continue;
        }
        result += line.text.toByteArray() + line.end.toByteArray();
        if (inSection && !trimmed(line.text).isEmpty())
            sectionEnd = result.size();
    }
    if (inSection && !written) {
        if (sectionEnd == result.size() && !result.endsWith('\n') && !result.endsWith('\r')) {
            result += '\n';
            sectionEnd = result.size();
        }
        result.insert(sectionEnd, newLines);
        written = true;
    }
    if (!written) {
        if (!result.isEmpty() && !result.endsWith('\n') && !result.endsWith('\r'))
            result += '\n';
        if (!result.isEmpty())
            result += '\n';
        result += '[' + section.toUtf8() + "]\n" + newLines;
    }
    return result;
}

} // namespace IniText
