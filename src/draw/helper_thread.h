#pragma once

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

namespace vek {

// A second thread for work that can be split in two: Share hands one half to it and does the
// other on the calling thread. A helper that has not come for its half by the time the caller
// is done with its own (asleep, or its core busy) never gets it: Share then says so and the
// caller does that half too, so it never waits for the helper to wake.
//
// The helper sleeps when it has had nothing to do for a couple of milliseconds; Prepare wakes
// it ahead of work that is coming, so that it is awake when the work is. One caller at a time.
class HelperThread
{
public:
    HelperThread();
    ~HelperThread();

    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;

    // Work is coming: the helper wakes now.
    void Prepare();

    // Runs `mine` here and `theirs` on the helper, both at once. True when the helper ran
    // `theirs` (it has then finished it); false when it did not come for it, which is then
    // not run at all. An exception of either half is passed on, once both are over.
    bool Share(const std::function<void()>& theirs, const std::function<void()>& mine);

private:
    void Help();
    // Ends a Share: true when the helper had its half, which it has then finished.
    bool TakeBackOrWait();

    // Idle, Ready (Prepare called), Posted (work for the helper), Claimed (the helper runs
    // it), Done (it has), Quit.
    enum State : std::int32_t { Idle, Ready, Posted, Claimed, Done, Quit };
    std::atomic<std::int32_t> state_{Idle};
    const std::function<void()>* work_ = nullptr;
    // What the helper's half threw.
    std::exception_ptr failure_;
    std::thread thread_;
};

} // namespace vek
