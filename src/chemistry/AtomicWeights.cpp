#include "AtomicWeights.h"

namespace chemistry {

double atomicWeight(const QString& symbol) {
    for (const AtomicWeight& a : atomicWeights)
        if (symbol == QLatin1String(a.symbol))
            return a.weight;
    return 0;
}

} // namespace chemistry
