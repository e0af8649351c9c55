#include "rota/Rota.h"

#include "rota/BuiltInRotas.h"
#include "rota/DayNumbering.h"
#include "rota/OwnRota.h"
#include "rota/OwnRotaRules.h"

#include <QUrl>

using namespace Qt::StringLiterals;

struct Rota::Data
{
    std::optional<RotaKind> kind;
    std::optional<OwnRota> file; // the rota file it was read from
    QString caption;
    QString commandName;
    QString argumentName;
    QString icsName;
    QString uidName;
    QString titleSuffix;
    bool titleNamesGroup = false;
    QString printName = u"RDO Calendar"_s;
    QString batchName = u"All Patterns"_s;
    QString groupWord = OwnRota::DefaultGroupWord;
    // The key's name for group G: keyBefore + G + keyAfter.
    QString keyBefore;
    QString keyAfter;
    CellText cell;
    QStringList groups;
    // positions[p]: the groups off at position p, one list per column.
    QList<QList<QStringList>> positions;
    int offset = 0; // a built-in kind's
    QDate start;    // a rota file's: position 0 falls on it
    QString whosOffHeading;
    QString whosOffSeparator;
    QList<RotaKind> whosOffKinds;
    bool inAllPatterns = false;
};

namespace {

// The remainder of a / b for b > 0, never negative: days before the start count backwards
// through the cycle.
qint64 positionIn(qint64 days, qint64 length)
{
    const qint64 remainder = days % length;
    return remainder < 0 ? remainder + length : remainder;
}

QList<QList<QStringList>> builtInPositions(const QStringList& columns)
{
    QList<QList<QStringList>> positions;
    for (const QString& column : columns) {
        const QStringList cells = column.split(u' ', Qt::SkipEmptyParts);
        positions.resize(std::max(positions.size(), cells.size()));
        for (qsizetype p = 0; p < cells.size(); ++p) {
            QStringList groups;
            for (const QChar group : cells.at(p))
                groups << QString(group);
            positions[p].append(groups);
        }
    }
    return positions;
}

// Group i of a rota file is off at position p when its own pattern has "O" at p, or else the
// shared pattern has it at p - i * shift.
QList<QList<QStringList>> filePositions(const OwnRota& file)
{
    qsizetype length = file.pattern.size();
    for (const QString& own : file.groupPatterns)
        length = std::max(length, own.size());
    QList<QList<QStringList>> positions;
    for (qsizetype p = 0; p < length; ++p) {
        QStringList off;
        for (qsizetype i = 0; i < file.groups.size(); ++i) {
            const auto own = file.groupPatterns.constFind(file.groups.at(i));
            const QString& cycle = own != file.groupPatterns.cend() ? *own : file.pattern;
            const qint64 late = own != file.groupPatterns.cend() ? 0 : i * qint64(file.shift);
            if (!cycle.isEmpty() && cycle.at(positionIn(p - late, cycle.size())) == u'O')
                off << file.groups.at(i);
        }
        positions.append({off});
    }
    return positions;
}

} // namespace

Rota::Rota() : m_data(std::make_shared<const Data>()) {}

Rota::Rota(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}

Rota::Rota(const BuiltInRota& definition)
{
    auto data = std::make_shared<Data>();
    data->kind = definition.kind;
    data->caption = QString(definition.button.caption).replace(u"&&"_s, u"&"_s);
    data->commandName = definition.commandName;
    data->argumentName = definition.commandName;
    data->icsName = definition.icsName;
    data->uidName = definition.commandName;
    data->titleSuffix = definition.titleSuffix;
    const qsizetype mark = definition.keyLabel.indexOf(u"%1"_s);
    data->keyBefore = mark < 0 ? definition.keyLabel : definition.keyLabel.left(mark);
    data->keyAfter = mark < 0 ? QString() : definition.keyLabel.mid(mark + 2);
    data->cell = definition.cell;
    data->groups = definition.groups;
    data->positions = builtInPositions(definition.columns);
    data->offset = definition.offset;
    data->whosOffHeading = definition.whosOff.heading;
    data->whosOffSeparator = definition.whosOff.separator;
    data->whosOffKinds = definition.together;
    if (data->whosOffKinds.isEmpty() && !data->whosOffHeading.isEmpty())
        data->whosOffKinds = {definition.kind};
    data->inAllPatterns = definition.inAllPatterns;
    m_data = std::move(data);
}

Rota Rota::FromFile(const OwnRota& file)
{
    auto data = std::make_shared<Data>();
    data->file = file;
    data->caption = file.name;
    data->argumentName = u'"' + file.name + u'"';
    data->icsName = file.name;
    // Apart from every built-in command name, and the same for the same rota name.
    data->uidName = u"own-"_s + QString::fromLatin1(QUrl::toPercentEncoding(file.name));
    data->titleSuffix = u" "_s + file.name + u" RDO Calendar"_s;
    data->titleNamesGroup = true;
    data->printName = file.name;
    data->batchName = file.name;
    data->groupWord = file.groupWord;
    // Put together, not through arg(): the rota's name may hold "%1".
    data->keyBefore = file.name + u": "_s + file.groupWord + u' ';
    data->keyAfter = u" days off"_s;
    // The groups off on the lower line, as most built-in kinds write theirs; which groups are
    // off together is not known in advance, so the text is fitted to its cell. Groups are
    // named freely ("A1", "3"), so they are listed with commas, never with dashes that could
    // read as a range ("A-D").
    data->cell = {u" "_s, u","_s, 10, YearCell::LowerLine, true};
    data->groups = file.groups;
    data->positions = filePositions(file);
    data->start = file.start.isValid() ? file.start : DayNumbering::ReferenceDate();
    data->whosOffHeading = file.name;
    data->whosOffSeparator = u", "_s;
    return Rota(std::shared_ptr<const Data>(std::move(data)));
}

Rota Rota::BuiltIn(RotaKind kind)
{
    if (const std::optional<Rota> found = BuiltInRotas::Find(kind))
        return *found;
    return BuiltInRotas::All().value(0);
}

std::optional<int> Rota::position(qint32 dayNumber, double adjustment) const
{
    const int length = this->length();
    if (length == 0)
        return std::nullopt;
    if (m_data->start.isValid()) {
        const qint64 days = m_data->start.daysTo(DayNumbering::ReferenceDate()) + dayNumber;
        return static_cast<int>(positionIn(days, length));
    }
    const int position = DayNumbering::CyclePosition(dayNumber, adjustment, m_data->offset, length);
    if (position < 0)
        return std::nullopt;
    return position;
}

int Rota::length() const
{
    return static_cast<int>(m_data->positions.size());
}

QList<QStringList> Rota::groupsOff(qint32 dayNumber, double adjustment) const
{
    const std::optional<int> at = position(dayNumber, adjustment);
    return at ? m_data->positions.at(*at) : QList<QStringList>();
}

QList<QStringList> Rota::groupsOff(QDate date, double adjustment) const
{
    return groupsOff(DayNumbering::DayNumber(date), adjustment);
}

bool Rota::isAdjustable() const
{
    return !m_data->start.isValid();
}

std::optional<RotaKind> Rota::kind() const
{
    return m_data->kind;
}

QString Rota::caption() const
{
    return m_data->caption;
}

QString Rota::titleSuffix() const
{
    return m_data->titleSuffix;
}

QString Rota::titleGroup(const QString& group) const
{
    const QString name = group.trimmed();
    if (!m_data->titleNamesGroup || name.isEmpty() || name == u"0"_s)
        return {};
    return u" - "_s + groupCaption(name);
}

QString Rota::printName() const
{
    return m_data->printName;
}

QString Rota::batchName() const
{
    return m_data->batchName;
}

const Rota::CellText& Rota::cell() const
{
    return m_data->cell;
}

QString Rota::keyLabel(const QString& group) const
{
    return m_data->keyBefore + group + m_data->keyAfter;
}

QString Rota::commandName() const
{
    return m_data->commandName;
}

QString Rota::argumentName() const
{
    return m_data->argumentName;
}

QString Rota::icsName() const
{
    return m_data->icsName;
}

QString Rota::uidName() const
{
    return m_data->uidName;
}

const QStringList& Rota::groups() const
{
    return m_data->groups;
}

bool Rota::hasGroup(const QString& group) const
{
    return m_data->groups.contains(group);
}

std::optional<QString> Rota::group(const QString& written) const
{
    const QString key = OwnRotaRules::GroupKey(written.trimmed());
    for (const QString& group : groups()) {
        if (OwnRotaRules::GroupKey(group) == key)
            return group;
    }
    return std::nullopt;
}

QString Rota::groupWord() const
{
    return m_data->groupWord;
}

QString Rota::groupCaption(const QString& group) const
{
    return m_data->groupWord + u' ' + group.trimmed();
}

bool Rota::isPatternButtonEnabled(int buttonIndex) const
{
    return hasGroup(RotaKinds::GroupForPatternButton(buttonIndex).trimmed());
}

QString Rota::whosOffHeading() const
{
    return m_data->whosOffHeading;
}

QString Rota::whosOffText(QDate date, double adjustment) const
{
    QStringList off;
    for (const QStringList& column : groupsOff(date, adjustment))
        off += column;
    return off.isEmpty() ? u"none"_s : off.join(m_data->whosOffSeparator);
}

QList<RotaKind> Rota::whosOffKinds() const
{
    return m_data->whosOffKinds;
}

QList<Rota> Rota::allPatterns() const
{
    // A rota file prints its own groups; a built-in kind the batch's rotas.
    if (m_data->file)
        return {*this};
    QList<Rota> rotas;
    for (const Rota& rota : BuiltInRotas::All()) {
        if (rota.m_data->inAllPatterns)
            rotas << rota;
    }
    return rotas;
}

bool operator==(const Rota& a, const Rota& b)
{
    return a.m_data == b.m_data ||
           (a.m_data->kind == b.m_data->kind && a.m_data->file == b.m_data->file);
}
