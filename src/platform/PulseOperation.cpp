#include "platform/PulseOperation.h"

#include <pulse/operation.h>
#include <utility>

namespace platform {

PulseOperation::PulseOperation(pa_operation* operation) : operation_(operation) {}

PulseOperation::~PulseOperation() {
    release();
}

PulseOperation::PulseOperation(PulseOperation&& other) noexcept
    : operation_(std::exchange(other.operation_, nullptr)) {}

PulseOperation& PulseOperation::operator=(PulseOperation&& other) noexcept {
    if (this != &other) {
        release();
        operation_ = std::exchange(other.operation_, nullptr);
    }
    return *this;
}

void PulseOperation::release() {
    if (operation_ == nullptr) {
        return;
    }
    if (pa_operation_get_state(operation_) == PA_OPERATION_RUNNING) {
        pa_operation_cancel(operation_);
    }
    pa_operation_unref(std::exchange(operation_, nullptr));
}

} // namespace platform
