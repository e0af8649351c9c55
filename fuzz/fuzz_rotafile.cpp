// A rota file is a text file the user (or another program) wrote.
#include "FuzzSupport.h"

#include "rota/OwnRotaRules.h"
#include "rota/Rota.h"
#include "rota/RotaFileParser.h"
#include "rota/RotaFileWriter.h"

#include <QByteArray>
#include <QDate>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RotaFileParser::Result read = RotaFileParser::Parse(bytes, u"fuzz.rota"_s);

    // A rota or one line that names the file, never both, never neither.
    FuzzSupport::Check(read.rota.has_value() == read.error.isEmpty(), "a rota or an error");
    if (!read.rota) {
        FuzzSupport::Check(read.error.startsWith(u"fuzz.rota:"_s) && !read.error.contains(u'\n'),
                           "the error is one line naming the file");
        return 0;
    }

    // What was read keeps the rules, so the window and the printouts may rely on them.
    const OwnRota& rota = *read.rota;
    FuzzSupport::Check(!rota.groups.isEmpty() && rota.groups.size() <= OwnRotaRules::MostGroups,
                       "1..14 groups");
    FuzzSupport::Check(!rota.pattern.isEmpty() &&
                           rota.pattern.size() <= OwnRotaRules::LongestPattern,
                       "a pattern of 1..400 letters");
    for (const QString& own : rota.groupPatterns)
        FuzzSupport::Check(own.size() == rota.pattern.size(), "every pattern of one length");
    const Rota drawn = Rota::FromFile(rota);
    FuzzSupport::Check(drawn.length() == rota.pattern.size(), "one position a letter");
    for (const QDate date : {QDate(1901, 1, 1), rota.start, QDate(2124, 12, 31)})
        FuzzSupport::Check(drawn.groupsOff(date, 0).value(0).size() <= rota.groups.size(),
                           "groups off");

    // Written back, it reads as the same rota.
    const RotaFileParser::Result again = RotaFileParser::Parse(RotaFileWriter::Text(rota), u"w"_s);
    FuzzSupport::Check(again.rota && *again.rota == rota, "the written file reads back the same");
    return 0;
}
