#pragma once
// Bytes queued for sending, and the drain that hands them to a stream socket
// in pieces. The socket call is passed in, so the drain's rules hold alike
// for Winsock and for a test's fake.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ombrelt::net {

// What one send call did: Error 0 and the bytes taken, or the library's error
// (WouldBlock when the socket cannot take more now).
struct SendResult {
    std::int32_t Error = 0;
    std::int32_t Count = 0;
};

inline constexpr std::int32_t WouldBlock = 10035;

struct DrainEvents {
    std::function<void(std::int32_t bytesSent, std::int32_t bytesRemaining)> Progress;
    std::function<void()> Complete;
    std::function<void(std::int32_t error)> Failed;
};

class SendQueue {
public:
    void Queue(std::string_view bytes) { bytes_.append(bytes); }
    std::int32_t Pending() const { return static_cast<std::int32_t>(bytes_.size()); }
    const std::string& Queued() const { return bytes_; }
    void Clear() { bytes_.clear(); }

    // Sends the queue through `send`, at most `chunk` bytes a call (no limit
    // when chunk < 1). When the socket is full, the bytes that went out leave
    // the queue and Progress tells how many (of this drain) and how many
    // remain; the rest waits for the next drain. When all went out, the queue
    // is empty, then Progress (all, 0) and Complete are raised. Any other
    // failure drops what went out and raises Failed; the rest stays queued.
    // The queue is brought up to date before each event, so a handler may
    // queue, drain or clear again.
    void DrainStream(std::int32_t chunk, const std::function<SendResult(std::string_view)>& send,
                     const DrainEvents& events);

private:
    std::string bytes_;
};

}  // namespace ombrelt::net
