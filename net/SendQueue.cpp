#include "net/SendQueue.h"

#include <algorithm>

namespace ombrelt::net {

void SendQueue::DrainStream(std::int32_t chunk, const std::function<SendResult(std::string_view)>& send,
                            const DrainEvents& events) {
    const std::size_t pending = bytes_.size();
    if (pending == 0) return;
    const std::size_t piece = chunk < 1 ? pending : static_cast<std::size_t>(chunk);
    std::size_t sent = 0;
    while (sent < pending) {
        const std::size_t ask = std::min(piece, pending - sent);
        const SendResult result = send(std::string_view(bytes_).substr(sent, ask));
        if (result.Error == 0 && result.Count > 0) {
            // A partial send is not an error: the loop offers the rest.
            sent += std::min<std::size_t>(static_cast<std::size_t>(result.Count), ask);
            continue;
        }
        bytes_.erase(0, sent);
        if (result.Error == 0 || result.Error == WouldBlock) {
            if (events.Progress) events.Progress(static_cast<std::int32_t>(sent), Pending());
        } else if (events.Failed) {
            events.Failed(result.Error);
        }
        return;
    }
    bytes_.clear();
    if (events.Progress) events.Progress(static_cast<std::int32_t>(pending), 0);
    if (events.Complete) events.Complete();
}

}  // namespace ombrelt::net
