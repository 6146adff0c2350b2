#pragma once

#include "core/ProcessState.h"

#include <QObject>

// Changes of the process-wide values that others follow. Connect with a receiver as context,
// so that the connection ends with the receiver.
class ProcessStateSignals : public QObject {
    Q_OBJECT

public:
    static ProcessStateSignals& shared();

Q_SIGNALS:
    void mainScreenStateChanged(MainScreen state);

private:
    ProcessStateSignals() = default;
};
