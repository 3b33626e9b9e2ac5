#pragma once
// The update check's request and the test of its reply.
#include <string>
#include <string_view>

namespace ombrelt {

namespace mdlURL {

// "GET /" page " HTTP/1.1" CR LF "Host: " host CR LF CR LF.
std::string BuildHttpGet(std::string_view page, std::string_view host);

}  // namespace mdlURL

namespace net {

inline constexpr std::string_view UpdatePage = "ombreltupdate.php?currversion=1.4";

std::string UpdateRequest(std::string_view host);
std::string UpdateDownloadUrl(std::string_view host);

// One piece of the reply, as received (headers included): true when its last
// three characters, once spaces are trimmed from both ends, are "Yes".
bool ReplyEndsInYes(std::string_view piece);

}  // namespace net

}  // namespace ombrelt
