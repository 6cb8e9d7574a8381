#include "draw/helper_thread.h"

#include <chrono>
#include <exception>
#include <utility>

namespace vek {

namespace {

using Clock = std::chrono::steady_clock;

// How long the helper stays awake looking for work, after work or a Prepare: long enough for
// the next picture of an animation, short enough not to hold a core for nothing.
constexpr auto AwakeFor = std::chrono::milliseconds(2);

// A short wait in a spin loop, without a system call: giving the core away can take far
// longer than the wait itself on a virtual machine.
void Pause()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

} // namespace

HelperThread::HelperThread() : thread_([this] { Help(); }) {}

HelperThread::~HelperThread()
{
    state_.store(Quit, std::memory_order_release);
    state_.notify_all();
    thread_.join();
}

void HelperThread::Prepare()
{
    std::int32_t idle = Idle;
    if (state_.compare_exchange_strong(idle, Ready, std::memory_order_acq_rel))
        state_.notify_one();
}

bool HelperThread::Share(const std::function<void()>& theirs, const std::function<void()>& mine)
{
    work_ = &theirs;
    failure_ = nullptr;
    state_.store(Posted, std::memory_order_release);
    state_.notify_one();
    // Whatever `mine` does, the helper's half is taken back or seen to its end before the
    // work it refers to goes.
    bool shared = false;
    struct Settle
    {
        HelperThread& helper;
        bool& shared;
        ~Settle() { shared = helper.TakeBackOrWait(); }
    };
    {
        Settle settle{*this, shared};
        mine();
    }
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
    return shared;
}

bool HelperThread::TakeBackOrWait()
{
    std::int32_t posted = Posted;
    if (state_.compare_exchange_strong(posted, Idle, std::memory_order_acq_rel))
        return false;
    while (state_.load(std::memory_order_acquire) != Done)
        Pause();
    state_.store(Idle, std::memory_order_relaxed);
    return true;
}

void HelperThread::Help()
{
    auto awakeUntil = Clock::now() + AwakeFor;
    for (;;) {
        std::int32_t state = state_.load(std::memory_order_acquire);
        if (state == Quit)
            return;
        if (state == Posted) {
            if (state_.compare_exchange_strong(state, Claimed, std::memory_order_acq_rel)) {
                try {
                    (*work_)();
                } catch (...) {
                    failure_ = std::current_exception();
                }
                state_.store(Done, std::memory_order_release);
                awakeUntil = Clock::now() + AwakeFor;
            }
            continue;
        }
        if (Clock::now() < awakeUntil) {
            Pause();
            continue;
        }
        // Asleep until the state changes from this one (Prepare, work, or Quit).
        state_.wait(state, std::memory_order_acquire);
        awakeUntil = Clock::now() + AwakeFor;
    }
}

} // namespace vek
