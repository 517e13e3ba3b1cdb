#pragma once
// The built-in chime: a complete RIFF WAVE image (16-bit PCM) compiled into the program.
#include <span>

namespace stillmark {

std::span<const unsigned char> BuiltInChime();

} // namespace stillmark
