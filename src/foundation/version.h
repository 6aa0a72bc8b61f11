#pragma once

namespace kalmira {

// The version both programs show: the main program in its about box, the
// maintenance tool in its caption.
inline constexpr const char *ProgramVersion = "3.2.0.58";

} // namespace kalmira
