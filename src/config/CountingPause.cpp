#include "config/CountingPause.h"

namespace zel {

void CountingPause(long iterations) {
    volatile long counter = 0;
    while (counter < iterations) {
        counter = counter + 1;
    }
}

} // namespace zel
