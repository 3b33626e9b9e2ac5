#include "net/UpdateRequest.h"

namespace ombrelt {

std::string mdlURL::BuildHttpGet(std::string_view page, std::string_view host) {
    std::string request = "GET /";
    request += page;
    request += " HTTP/1.1\r\nHost: ";
    request += host;
    request += "\r\n\r\n";
    return request;
}

std::string net::UpdateRequest(std::string_view host) { return mdlURL::BuildHttpGet(UpdatePage, host); }

std::string net::UpdateDownloadUrl(std::string_view host) {
    return "http://" + std::string(host) + "/downloads/Ombreltsetup.exe";
}

bool net::ReplyEndsInYes(std::string_view piece) {
    // Only spaces: a reply ending in "Yes" and a line break does not count.
    const std::size_t first = piece.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    const std::string_view trimmed = piece.substr(first, piece.find_last_not_of(' ') + 1 - first);
    return trimmed.size() >= 3 && trimmed.substr(trimmed.size() - 3) == "Yes";
}

}  // namespace ombrelt
