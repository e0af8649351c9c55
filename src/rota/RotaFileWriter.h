#pragma once

#include "rota/OwnRota.h"

#include <QByteArray>

// Writes a rota as a rota file, in one form whatever file it was read from: a comment, name,
// start, groups, group word (unless "Pattern"), pattern, shift, then the groups' own patterns in
// the order of the groups.
// RotaFileParser reads the file back to the same rota, for every rota the rules accept.
namespace RotaFileWriter {

QByteArray Text(const OwnRota& rota);

} // namespace RotaFileWriter
