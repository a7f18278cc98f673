#pragma once
// The address the internet sees for this machine, as the club server reports it
// ("/get_ip.php"). Used by the start dialog's "To receive the IP-addresses".

#include <QString>
#include <chrono>
#include <string>

namespace zendral::lan {

// GETs webAddress + "/get_ip.php" and returns the reply decoded from UTF-8 and trimmed; an
// empty text on any failure, on a reply that does not look like an address, or when no answer
// has come within the time limit. Only the window's repaints are handled while it waits.
std::string FetchExternalAddress(const QString& webAddress,
                                 std::chrono::milliseconds limit = std::chrono::milliseconds(2000));

}  // namespace zendral::lan
