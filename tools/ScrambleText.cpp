// Writes and reads the program's scrambled text files with the program's key
// pair:
//   scramble_text encode PLAIN SCRAMBLED   plain text (UTF-8 or Windows-1252)
//                                          to a scrambled file, CR LF lines
//   scramble_text decode SCRAMBLED PLAIN   back to UTF-8 text, CR LF lines
// Encoding stops, writing nothing, at a line holding a character the
// scrambled form cannot store (one outside Windows-1252, or a control byte
// the key pair refuses).
// Build: cmake --build build --target scramble_text (build/scramble_text).

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/Files.h"
#include "reports/ScrambledText.h"

namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "scramble_text: %s\n", text.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: scramble_text encode|decode INPUT OUTPUT");
  const std::string_view mode = argv[1];
  const auto input = orv::ReadFileBytes(argv[2]);
  if (!input) return Fail(std::string("cannot read ") + argv[2]);
  std::string output;
  if (mode == "encode") {
    int badLine = 0;
    const auto scrambled = orv::EncodeScrambledFile(*input, badLine);
    if (!scrambled)
      return Fail(std::string(argv[2]) + ":" + std::to_string(badLine) +
                  ": a character the scrambled form cannot store");
    output = *scrambled;
  } else if (mode == "decode") {
    output = orv::JoinLinesCrLf(orv::DecodeScrambledLines(*input));
  } else {
    return Fail("unknown mode " + std::string(mode) + " (encode or decode)");
  }
  const std::string error = orv::WriteFileAtomically(argv[3], output);
  if (!error.empty()) return Fail(std::string("cannot write ") + argv[3] + ": " + error);
  return 0;
}
