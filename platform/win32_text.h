#pragma once
// Text at the Windows API boundary: native paths inside the program are UTF-8,
// the wide-character calls take UTF-16.

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);
// An errno value for a Win32 error code, for messages shared with POSIX.
int ErrnoFromWin32(unsigned long error);

}  // namespace platform::win32
