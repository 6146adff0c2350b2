#include "core/ProcessStateSignals.h"

ProcessStateSignals& ProcessStateSignals::shared() {
    static ProcessStateSignals instance;
    return instance;
}
