#pragma once

#include <QString>

#include <string>
#include <string_view>

// The network and the settings carry Windows-1252 bytes; the widgets show
// Unicode.
namespace net {

QString AnsiToQString(std::string_view text);
std::string QStringToAnsi(const QString& text);

} // namespace net
