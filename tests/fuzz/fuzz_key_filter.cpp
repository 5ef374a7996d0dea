// SPDX-License-Identifier: MIT
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string_view>

#include "script/ScriptNameRules.h"
#include "tests/fuzz/Require.h"

namespace {

// The name characters written out here again, in another order, so that the check does not lean
// on the table it tests.
constexpr std::string_view NameCharacters =
    "-.0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int Backspace = 8;
constexpr int LastAscii = 127;

bool Expected(int code) {
  if (code == Backspace) return true;
  return code > 0 && code <= LastAscii &&
         NameCharacters.find(static_cast<char>(code)) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static_assert(NameCharacters.size() == 64);
  FuzzedDataProvider input(data, size);
  const int code = input.ConsumeIntegral<int>();
  Require(FilterScriptNameKey(code) == Expected(code),
          "exactly the 64 name characters and Backspace are accepted");
  return 0;
}
