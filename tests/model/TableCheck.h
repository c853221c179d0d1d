// Checks shared by the vocabulary-table tests.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/TestSupport.h"

// A word table of declared size N holds N - 1 non-empty texts and closes with one empty string.
// A missing comma between two literals, or a forgotten entry, shows up here.
template <size_t N>
::testing::AssertionResult IsClosedTable(const char* const (&table)[N]) {
  for (size_t i = 0; i + 1 < N; ++i) {
    if (table[i] == nullptr || table[i][0] == 0)
      return ::testing::AssertionFailure() << "entry " << i << " of " << N - 1 << " is empty";
  }
  if (table[N - 1] == nullptr || table[N - 1][0] != 0)
    return ::testing::AssertionFailure() << "no closing empty string after " << N - 1 << " entries";
  return ::testing::AssertionSuccess();
}

// The bytes of a text, for byte-exact checks of Shift-JIS entries.
inline std::string HexOfText(const char* psz) {
  return HexOf(std::vector<unsigned char>(psz, psz + std::char_traits<char>::length(psz)));
}
