#include "rota/WhosOff.h"

#include "rota/BuiltInRotas.h"

namespace WhosOff {

QList<Rota> Row(const QList<Rota>& ownRotas)
{
    QList<Rota> row;
    for (const Rota& rota : BuiltInRotas::All()) {
        if (!rota.whosOffHeading().isEmpty())
            row << rota;
    }
    return row + ownRotas;
}

} // namespace WhosOff
