// Build-time tool: writes the empty calendar database that is shipped beside the program.
#include "store/CalendarDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: kelvane_make_template <output file>\n";
        return 2;
    }
    const QString& output = arguments.at(1);
    // The build regenerates the template; any earlier one is ours to replace.
    QFile::remove(output);
    QString error;
    if (!CalendarDatabase::CreateTemplate(output, &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
