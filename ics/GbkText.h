// GBK (code page 936) text, as the note files hold it, turned into UTF-8.
#pragma once

#include <cstddef>
#include <string>

namespace ics {

// The UTF-8 form of `size` bytes of GBK. A byte or pair that is no GBK
// character becomes U+FFFD, so damaged text still converts whole.
std::string GbkToUtf8(const char* gbk, std::size_t size);
inline std::string GbkToUtf8(const std::string& gbk) { return GbkToUtf8(gbk.data(), gbk.size()); }

}  // namespace ics
