#pragma once
// A key, or a modifier and a key, pressed as real input by a thread of its
// own and held as a person holds it, until the program shows that it took
// it. Typed through X where a window is shown in front (KeyInput.h), so Wine
// takes nothing back. Otherwise it goes the Windows way, the modifier first,
// and Wine may take it back when X reports a change of focus: a key that
// reads up while it is held is pressed again unless the program read it.
//
// Made on the thread that runs the program's windows. The conditions are
// asked there, by a timer, wherever that thread processes messages: also
// inside a run's pause or under a message box.
#include "automation/win32/WinApi.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "editor_play_support.h"
#include "forms/Timer.h"
#include "support/KeyInput.h"

namespace ombrelt::testing {

class HeldKey {
public:
    struct Press {
        WORD Key = 0;
        WORD Modifier = 0;  // held around the key (VK_CONTROL, VK_SHIFT), or none
        // What the test waits for: the key is held until it holds. For a key
        // that must change nothing, the program's record that it read the key.
        std::function<bool()> Taken;
        // The program's own record that it read the key down: once it has
        // held, a take-back is no reason to press again (the effect follows).
        std::function<bool()> Read = {};
        // The key goes down once this holds (at once without it).
        std::function<bool()> When = {};
        DWORD LimitMs = 5000;  // from the first press: then released, not taken
    };

    explicit HeldKey(Press press) : press_(std::move(press)), thread_([this] { Type(); }) {
        if (!press_.When) Begin();
    }
    ~HeldKey() {
        timer_.SetEnabled(false);
        Order(true);
        thread_.join();
    }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

    // Released, once taken or given up; and whether it was taken. Readable
    // from any thread.
    bool Done() const { return done_; }
    bool Taken() const { return taken_; }

private:
    // Every few milliseconds on the window thread.
    void Check() {
        if (!pressed_) {
            if (press_.When()) Begin();
            return;
        }
        if (press_.Read && press_.Read()) read_ = true;
        if (press_.Taken()) {
            taken_ = true;
            Finish();
            return;
        }
        if (GetTickCount() - start_ > press_.LimitMs) {
            Finish();
            return;
        }
        // Up at two checks in a row: the input queued in between (a key
        // message already on its way) has been handled, so the effect of a
        // key that the program read before the take-back would show.
        if (throughX_ || sent_ != ordered_ || !TakenBack()) {
            upBefore_ = false;
        } else if (!upBefore_) {
            upBefore_ = true;
        } else {
            upBefore_ = false;
            if (!read_) Order(false);
        }
    }

    void Begin() {
        pressed_ = true;
        start_ = GetTickCount();
        Order(false);
    }

    bool TakenBack() const {
        const auto down = [](WORD vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
        return !down(press_.Key) || (press_.Modifier && !down(press_.Modifier));
    }

    void Finish() {
        timer_.SetEnabled(false);
        Order(true);
    }

    // A press (pressed again when the keys are down) or the release.
    void Order(bool release) {
        std::lock_guard lock(mutex_);
        if (release)
            release_ = true;
        else
            ++ordered_;
        wake_.notify_one();
    }

    // The typing thread: carries out the orders.
    void Type() {
        std::unique_ptr<KeysDown> keys;
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return release_ || sent_ != ordered_; });
            const bool release = release_;
            lock.unlock();
            keys.reset();
            if (!release) {
                keys = std::make_unique<KeysDown>(press_.Modifier, press_.Key, press_.LimitMs);
                throughX_ = keys->ThroughX();
            }
            lock.lock();
            if (release) break;
            ++sent_;
        }
        done_ = true;
    }

    const Press press_;
    bool pressed_ = false, read_ = false, upBefore_ = false;
    DWORD start_ = 0;
    std::atomic<bool> done_{false}, taken_{false};
    std::atomic<bool> throughX_{false};  // X holds the keys: nothing takes them back

    std::mutex mutex_;
    std::condition_variable wake_;
    bool release_ = false;
    std::atomic<unsigned> ordered_{0}, sent_{0};  // counted under the mutex, read by the checks
    std::thread thread_;
    forms::Timer timer_{[this] { Check(); }, 5, true};
};

// Presses the key and processes this thread's messages until it was taken
// and released, or given up: true when it was taken.
inline bool PressUntilTaken(HeldKey::Press press) {
    const DWORD limit = press.LimitMs;
    HeldKey key(std::move(press));
    play::PumpUntil([&] { return key.Done(); }, limit + 1000);
    return key.Taken();
}

}  // namespace ombrelt::testing
