// UniSock: receiving (buffered, datagrams, lines) and sending.
#include <algorithm>
#include <iterator>

#include "net/TextLines.h"
#include "net/UniSockInternal.h"
#include "net/Utf8.h"

namespace ombrelt::net {
namespace {

std::string ToAnsi(std::u16string_view text) {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), size, nullptr, nullptr);
    return out;
}

void AppendUtf16(std::string& out, char16_t c) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
}

}  // namespace

std::int32_t UniSock::Waiting(SOCKET socket) const {
    u_long count = 0;
    if (socket == INVALID_SOCKET || ioctlsocket(socket, FIONREAD, &count) != 0) return 0;
    return static_cast<std::int32_t>(std::min<u_long>(count, 0x7FFFFFFF));
}

bool UniSock::DatagramReady() const {
    // Bound: to a port of its own (state Open) or to one the system chose.
    return protocol_ == 1 && socket_ && (state_ == UniSockState::Open || boundPort_ != 0);
}

std::int32_t UniSock::BytesReceived() const {
    return protocol_ == 0 ? static_cast<std::int32_t>(received_.size()) : Waiting(socket_.Get());
}

void UniSock::OnRead() {
    if (protocol_ == 0) {
        ReceiveStream();
        return;
    }
    // A datagram the handler left is dropped, so that the next one is
    // announced, also when the handler threw; one it took is not followed by
    // a second drop.
    const ScopeExit dropUntaken([this, readsBefore = datagramReads_] {
        if (datagramReads_ == readsBefore && socket_) {
            char scratch;
            recv(socket_.Get(), &scratch, 1, 0);
        }
    });
    if (const std::int32_t waiting = Waiting(socket_.Get()); waiting != 0) Raise(Events.DataArrival, waiting);
}

void UniSock::ReceiveStream() {
    const std::size_t held = received_.size();
    received_.resize(held + static_cast<std::size_t>(receiveChunk_));
    const int count = recv(socket_.Get(), received_.data() + held, receiveChunk_, 0);
    if (count == SOCKET_ERROR) {
        const int error = WSAGetLastError();
        received_.resize(held);
        SetState(UniSockState::Error, "Private_Message", error);
        return;
    }
    received_.resize(held + static_cast<std::size_t>(count));
    Received(count);
}

void UniSock::ReceiveEarlyData() {
    std::string buffer(static_cast<std::size_t>(receiveChunk_ > 0 ? receiveChunk_ : kDefaultChunk), '\0');
    const int count = recv(requestSocket_.Get(), buffer.data(), static_cast<int>(buffer.size()), 0);
    if (count == SOCKET_ERROR)
        SetState(UniSockState::Error, "WndProc", WSAGetLastError());
    else
        requestEarlyData_.append(buffer.data(), static_cast<std::size_t>(count));
}

void UniSock::Received(std::int32_t count) {
    if (mode_ == 0)
        Raise(Events.DataArrival, count);
    else
        RunTextPath();
}

void UniSock::RunTextPath() {
    // Bytes that arrive while a handler pumps are cut by the loop below once
    // the lines before them are out, so lines keep their order.
    if (cuttingLines_) {
        moreLines_ = true;
        return;
    }
    bool finished = false;
    {
        FlagScope cutting(cuttingLines_);
        // A handler that throws leaves through here: the lines after its
        // own, bytes that came while it ran and a close are handed out from
        // the message queue, or they would wait for the next bytes the peer
        // sends.
        const ScopeExit resumeLater([this, &finished] {
            if ((!linesOut_.empty() || moreLines_ || (closeAfterLines_ && !finished)) && socket_)
                PostMessageW(window_.Get(), kLinesMessage, 0, 0);
        });
        RaiseLines();
        finished = true;
    }
    FinishClose();
}

void UniSock::RaiseLines() {
    // The lines already cut go out first, then those of the bytes held now:
    // also bytes that came while a handler ran, when this run resumes what a
    // throwing handler left. Held bytes are cut only in a text mode.
    for (;;) {
        while (!linesOut_.empty()) {
            const ReceivedLine line = std::move(linesOut_.front());
            linesOut_.pop_front();
            Raise(Events.TextArrival, line.Text, line.LineChange, line.Ansi);
        }
        if (mode_ == 0 || !socket_) break;
        moreLines_ = false;
        LineCut cut = CutLines(received_);
        if (cut.Lines.empty()) break;
        received_ = std::move(cut.Rest);
        linesOut_.assign(std::make_move_iterator(cut.Lines.begin()), std::make_move_iterator(cut.Lines.end()));
    }
}

void UniSock::ResumeTextPath() {
    // Lines already cut go out whatever the mode is now; held bytes are cut
    // only in a text mode.
    if (socket_ && (!linesOut_.empty() || mode_ != 0))
        RunTextPath();
    else
        FinishClose();
}

bool UniSock::GetData(Variant& data, std::int32_t varType, std::int32_t maxLen) {
    if (!data.IsEmpty()) varType = data.VarType();
    const auto limit = [maxLen](std::int32_t available) { return maxLen < 1 ? available : std::min(maxLen, available); };

    if (protocol_ == 0 && state_ == UniSockState::Connected && mode_ == 0) {
        const std::int32_t n = limit(static_cast<std::int32_t>(received_.size()));
        if (n == 0) return false;
        if (!IsSupportedVarType(varType)) throw UniSockError(ErrUnsupportedVarType, "GetData");
        const std::int32_t take = ReadLength(varType, n);
        data = DecodeValue(varType, std::string_view(received_).substr(0, static_cast<std::size_t>(take)));
        if (!peeking_) received_.erase(0, static_cast<std::size_t>(take));
        return true;
    }
    if (DatagramReady()) {
        const std::int32_t n = limit(Waiting(socket_.Get()));
        if (n == 0) return false;
        if (!IsSupportedVarType(varType)) throw UniSockError(ErrUnsupportedVarType, "GetData");
        std::string bytes(static_cast<std::size_t>(ReadLength(varType, n)), '\0');
        const int count =
            recv(socket_.Get(), bytes.data(), static_cast<int>(bytes.size()), peeking_ ? MSG_PEEK : 0);
        const int error = count == SOCKET_ERROR ? WSAGetLastError() : 0;
        // A datagram longer than the read is taken (and cut) all the same.
        if (!peeking_ && (error == 0 || error == WSAEMSGSIZE)) ++datagramReads_;
        if (error != 0) {
            SetState(UniSockState::Error, "GetData", error);
            return false;
        }
        // Only what arrived: a shorter datagram adds no padding.
        bytes.resize(static_cast<std::size_t>(count));
        data = DecodeValue(varType, bytes);
        return true;
    }
    throw UniSockError(ErrWrongProtocolOrState, "GetData");
}

bool UniSock::PeekData(Variant& data, std::int32_t varType, std::int32_t maxLen) {
    FlagScope peeking(peeking_);
    return GetData(data, varType, maxLen);
}

std::int32_t UniSock::LineChange() const { return LineChangeOf(lineSeparator_); }

void UniSock::SetLineChange(std::int32_t lineChange) {
    if (lineChange < LineNul || lineChange > LineCr) throw UniSockError(ErrBadArgument, "LineChange");
    lineSeparator_ = LineSeparatorOf(lineChange);
}

bool UniSock::SendData(const Variant& data) {
    if (protocol_ == 0) {
        if (state_ != UniSockState::Connected) throw UniSockError(ErrWrongProtocolOrState, "SendData");
    } else if (state_ != UniSockState::Open && !Connect()) {
        return false;
    }
    std::optional<std::string> bytes = EncodeValue(data, lineSeparator_);
    if (!bytes) throw UniSockError(ErrUnsupportedVarType, "SendData");
    if (bytes->empty()) return false;
    Queue(std::move(*bytes));
    return true;
}

bool UniSock::SendText(std::u16string_view text, std::int32_t textFormat) {
    std::string bytes;
    if (textFormat == 0) {
        bytes = ToUTF8(text) + lineSeparator_;
    } else if (textFormat == 1) {
        // One encoding for the text and its separator, so the receiver can
        // read the line back.
        bytes = ToAnsi(text) + lineSeparator_;
    } else {
        for (char16_t c : text) AppendUtf16(bytes, c);
        for (char c : lineSeparator_) AppendUtf16(bytes, static_cast<unsigned char>(c));
    }
    if (bytes.empty()) return false;
    Queue(std::move(bytes));
    return true;
}

void UniSock::Queue(std::string bytes) {
    sendQueue_.Queue(bytes);
    Drain();
}

void UniSock::Drain() {
    if (protocol_ != 0) {
        DrainDatagram();
        return;
    }
    const SOCKET socket = socket_.Get();
    sendQueue_.DrainStream(
        sendChunk_,
        [socket](std::string_view piece) -> SendResult {
            const int sent = send(socket, piece.data(), static_cast<int>(piece.size()), 0);
            if (sent == SOCKET_ERROR) return {WSAGetLastError(), 0};
            return {0, sent};
        },
        DrainEvents{
            [this](std::int32_t sent, std::int32_t remaining) { Raise(Events.SendProgress, sent, remaining); },
            [this] { Raise(Events.SendComplete); },
            [this](std::int32_t error) { SetState(UniSockState::Error, "Private_Message", error); },
        });
}

void UniSock::DrainDatagram() {
    if (sendQueue_.Pending() == 0) return;
    if (remoteHost_.empty()) {
        // No destination: the name lookup would take the local host.
        SetState(UniSockState::Error, "Private_Message", WSAEDESTADDRREQ);
        return;
    }
    std::uint32_t ip = inet_addr(remoteHost_.c_str());
    if (ip == INADDR_NONE && !FirstAddress(gethostbyname(remoteHost_.c_str()), ip)) {
        const int error = WSAGetLastError();
        SetState(UniSockState::Error, "Private_Message", error != 0 ? error : WSANO_DATA);
        return;
    }
    const sockaddr_in to = SocketAddress(ip, remotePort_);
    const std::string& bytes = sendQueue_.Queued();
    if (sendto(socket_.Get(), bytes.data(), static_cast<int>(bytes.size()), 0, reinterpret_cast<const sockaddr*>(&to),
               sizeof to) == SOCKET_ERROR) {
        SetState(UniSockState::Error, "Private_Message", WSAGetLastError());
        return;
    }
    sendQueue_.Clear();
}

}  // namespace ombrelt::net
