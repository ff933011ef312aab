#pragma once

#include <cstdio>

#include "catconverter/converterrequest.h"

namespace tavrolin::catconverter {

// Exit statuses of the converter.
inline constexpr int kDone = 0;
inline constexpr int kFileFailed = 1;
inline constexpr int kWrongArguments = 2;

// Carries out a decode, encode or show request. The picture goes to `out` (show), a
// failure's reason to `err`; gives the exit status.
int runRequest(const ConverterRequest& request, std::FILE* out, std::FILE* err);

}  // namespace tavrolin::catconverter
