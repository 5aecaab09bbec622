#pragma once
// Whether bytes are text in UTF-8: well-formed sequences only (no overlong forms, no surrogates,
// nothing above U+10FFFF) and no NUL byte, which text never holds.

#include <string_view>

namespace soyka {

bool IsUtf8Text(std::string_view bytes);

} // namespace soyka
