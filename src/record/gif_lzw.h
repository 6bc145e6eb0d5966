#pragma once
// GIF's variable-length LZW coding of colour indices. Platform-free.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "util/result.h"

class BufferedWriter;

// The smallest table size D (1 to 8) whose 2^D entries hold n colours.
uint32_t gif_table_bits(size_t colours);

// Appends the code stream of `indices` (each below 2^min_code_size) to `out`: a clear code,
// the codes, the end code, packed least significant bit first, the last byte zero-padded.
// After code 4095 is given out, a clear code follows and the table starts again.
void lzw_encode(std::span<const uint8_t> indices, uint32_t min_code_size, std::vector<uint8_t>& out);

// `data` as sub-blocks of at most 255 bytes, each after its length, then the 0 terminator.
Status write_sub_blocks(BufferedWriter& out, std::span<const uint8_t> data);
