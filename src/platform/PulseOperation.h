#pragma once

struct pa_operation;

namespace platform {

// Holds one reference to a libpulse operation. Letting go of a running one cancels it: its
// callback's data goes with the owner, and a cancelled operation never calls back.
class PulseOperation {
public:
    PulseOperation() = default;
    // Takes over the reference the call that started it returned (null: it did not start).
    explicit PulseOperation(pa_operation* operation);
    ~PulseOperation();
    PulseOperation(PulseOperation&& other) noexcept;
    PulseOperation& operator=(PulseOperation&& other) noexcept;
    PulseOperation(const PulseOperation&) = delete;
    PulseOperation& operator=(const PulseOperation&) = delete;

    [[nodiscard]] explicit operator bool() const { return operation_ != nullptr; }

private:
    void release();
    pa_operation* operation_ = nullptr;
};

} // namespace platform
