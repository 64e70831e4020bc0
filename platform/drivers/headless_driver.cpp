// The headless driver: no display. Input comes only from the test or script,
// either injected directly or handed over by the idle feeder when the message
// loop runs dry.
#include "platform/drivers/driver.h"

namespace win {
namespace {

IdleFeeder& Feeder() {
    static IdleFeeder feeder = nullptr;
    return feeder;
}

class HeadlessDriver final : public Driver {
  public:
    [[nodiscard]] const char* Name() const override { return "headless"; }
    [[nodiscard]] bool Interactive() const override { return false; }
    bool WaitForInput() override { return Feeder() != nullptr && Feeder()(); }
    void WindowChanged(HWND) override {}
};

std::unique_ptr<Driver>& Slot() {
    static std::unique_ptr<Driver> driver = std::make_unique<HeadlessDriver>();
    return driver;
}

}  // namespace

void SetIdleFeeder(IdleFeeder feeder) {
    Feeder() = feeder;
}

IdleFeeder CurrentIdleFeeder() {
    return Feeder();
}

std::unique_ptr<Driver> MakeHeadlessDriver() {
    return std::make_unique<HeadlessDriver>();
}

Driver& CurrentDriver() {
    return *Slot();
}

void SetDriver(std::unique_ptr<Driver> driver) {
    Slot() = driver ? std::move(driver) : MakeHeadlessDriver();
}

}  // namespace win
