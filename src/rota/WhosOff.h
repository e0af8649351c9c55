#pragma once

#include "rota/Rota.h"

#include <QList>

namespace WhosOff {

// The rotas of the who's-off row, each with its heading: the built-in kinds that have a box,
// in their definitions' order, then the user's rotas given.
QList<Rota> Row(const QList<Rota>& ownRotas = {});

} // namespace WhosOff
